#pragma once
// Renders a region of a record into an off-screen bitmap: header captions, a framed pad with
// variable-area traces (positive deflections only), trace-number axes above and below (with an
// optional offset row), time axes left and right; and saves the bitmap as a BMP file at the
// colour depth of the image properties.
//
// Calling order: Init, SetTrcDelegates, AllocateMem (BimapSizeMb may be checked first),
// DrawImage, SaveImage, FreeMem. The properties, options and sources are not owned and must
// outlive the imager. The bitmap is drawn in 32-bit colour and reduced to the chosen depth
// when it is saved.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;
class TCImageProps;
class TCSViewOpts;
class TCImgTraceSource;
class TCImgOffsetSource;

class TCSeisImager1 {
public:
    TCSeisImager1() = default;
    TCSeisImager1(const TCSeisImager1&) = delete;
    TCSeisImager1& operator=(const TCSeisImager1&) = delete;

    // interval: the sample interval in the unit the time labels show. A domain that is reversed
    // or longer than a million traces or samples gives a count of 0, and AllocateMem fails.
    void Init(TCImageProps* props, TCSViewOpts* options, int interval, const QString& fileName);
    void SetTrcDelegates(TCImgTraceSource* data, TCImgOffsetSource* offsets);

    // Creates the white bitmap at the laid-out size; false when the region is empty or the
    // memory cannot be had.
    bool AllocateMem();
    void FreeMem();
    // Lays the picture out and returns its size in `size`.
    void CalcLayout(QSize& size);
    // DrawFrame, DrawTraces (false ends with false), DrawOverRecord.
    bool DrawImage();
    void DrawFrame();
    bool DrawTraces();
    bool DrawTrace(int trace, int position);
    void DrawOverRecord();
    void DrawCaptions();
    void DrawAxis();
    bool SaveImage() const;

    // Megabytes the bitmap takes at the chosen depth.
    double BimapSizeMb();
    static double BimapSizeMb(int colorBits, const QSize& size);

    QImage* Canv() { return &m_bitmap; }
    int TraceCount() const { return m_traceCount; }
    int SampleCount() const { return m_sampleCount; }
    // The pad as QRect(QPoint(left, top), QPoint(right, bottom)).
    QRect Pad() const;

private:
    int TScale() const;
    int SScale() const;
    int TStep() const;
    int SStep() const;
    QFont Font(int i) const;
    // The upper axis (with the offset row) or the lower one.
    void DrawTraceAxis(QPainter& p, bool upper);
    // The left or the right time axis.
    void DrawTimeAxis(QPainter& p, bool right);

    QImage m_bitmap;
    TCSViewOpts* m_options = nullptr;
    TCImageProps* m_props = nullptr;
    int m_padLeft = 0, m_padTop = 0, m_padRight = 0, m_padBottom = 0;
    int m_interval = 0;
    int m_traceCount = 0;
    int m_sampleCount = 0;
    TCImgTraceSource* m_data = nullptr;
    TCImgOffsetSource* m_offsets = nullptr;
    QString m_fileName;
    int m_infoX = -1, m_titleX = -1, m_rightCapX = -1, m_subtitleX = -1;
    int m_leftTimeRight = -1, m_rightTimeLeft = -1;
    int m_infoY = -1, m_subtitleY = -1, m_offRowY = -1, m_traceRowY = -1, m_bottomRowY = -1;
    QRgb m_fillColor = 0;
};
