#pragma once
// The export job as the exporter's controls describe it, the checks before an image is made,
// and how the job goes into the image properties (with the three summary lines drawn at the
// top left of the picture). Also the tables of colour depths and picture formats the controls
// offer, and the rules that tie them together.

#include <QRect>
#include <QString>
#include <QStringList>

class TCImageProps;
class TCViewerParams;

// Picture formats by list index; the extension is "." + the name in lower case.
enum TKrFormat { kKrBmp = 0, kKrGif = 1, kKrPng = 2, kKrJpg = 3 };

// The depth list's texts and the bits of each index (1, 4, 8, 16, 24).
QStringList KR_DepthTexts();
int KR_DepthBits(int index);
// The list index of a depth: 4 -> 1, 8 -> 2, 16 -> 3, 24 -> 4, anything else -> 0.
int KR_DepthIndex(int bits);
constexpr int kKrDepth24 = 4;

QStringList KR_FormatNames();
// ".bmp", ".gif", ".png", ".jpg"; BMP's for an index outside the list.
QString KR_Extension(int format);
// `path` with its extension replaced by (or, without one, extended with) the format's.
QString KR_WithExtension(const QString& path, int format);
// JPEG takes 24 bits only.
inline bool KR_DepthFitsFormat(int depthIndex, int format) {
    return format != kKrJpg || depthIndex == kKrDepth24;
}

struct TKrJob {
    QRect domain; // first trace, first sample, last trace, last sample
    int depthIndex = 0;
    int format = kKrBmp;
    bool offAxis = false;
    int offFactor = 2;
    int scaleIndex = 3;
    QString caption1, caption2, captionRight;
};

// What the summary lines tell about the record.
struct TKrSummary {
    QString fileName; // data file, the folder is dropped
    int interval = 0; // display units
    QString unit;     // "ms" or "mcs"
};

// 0 when the job may be made, else the message number: 41 a region whose first trace or
// sample is not below the last, 33 JPEG below 24 bits, 40 a second caption without a first.
int KR_CheckJob(const TKrJob& job);
// Fills `props`: domain, depth, offsets and their divisor, the summary lines 0 to 2 and the
// captions 3 to 5. The fonts stay as they are.
void KR_BuildJob(TCImageProps& props, const TKrJob& job, const TKrSummary& summary,
                 const TCViewerParams& params);
// The job's controls from loaded properties (format BMP, the region left to the caller).
TKrJob KR_JobFromProps(const TCImageProps& props);
