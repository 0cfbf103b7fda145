#pragma once
// Making the exporter's picture and saving it in the chosen format, without a window.
//
// The picture is drawn by the raster imager from the job and stored as a BMP file at the job's
// depth (the preview file); saving in BMP copies that file byte for byte, the other formats are
// encoded from it.

#include <QString>

class TCImageProps;
class TCViewerParams;
class TKrTraceSource;

struct TKrMakeResult {
    int code = 0;  // 0, or the message: 28 no memory, 38 stopped, 30 not saved, 29 other
    double mb = 0; // the bitmap's size in megabytes at the job's depth, on success
};

// Draws the job into the preview file. `interval` is the sample interval in display units,
// `samples` the record's samples per trace (the size of the trace buffers).
TKrMakeResult KR_MakeImage(TCImageProps& job, TCViewerParams& params, int interval, int samples,
                           TKrTraceSource& source, const QString& previewFile);
// The result line: the bitmap's size, or the failure's text.
QString KR_ResultLine(const TKrMakeResult& result);

// Saves the preview as `target` in `format` (TKrFormat): 0, or the message: 39 BMP copy
// failed, 34 no memory, 32 other. A failed BMP copy leaves an earlier file of that name in
// place.
int KR_SaveRaster(const QString& previewFile, int format, const QString& target);
