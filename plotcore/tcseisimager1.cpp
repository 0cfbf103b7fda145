#include "plotcore/tcseisimager1.h"

#include "plotcore/canvastext.h"
#include "plotcore/pixelops.h"
#include "plotcore/plotstrings.h"
#include "plotcore/rasterfiles.h"
#include "plotcore/tcimageprops.h"
#include "plotcore/tcimgsources.h"
#include "plotcore/tcolor.h"
#include "plotcore/tcsviewopts.h"
#include "plotcore/tlabelrow.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kBlack = 0xFF000000u;

// Text is measured on an image of the default resolution, the resolution the bitmap gets.
QFontMetrics Metrics(const QFont& font) {
    static const QImage reference(1, 1, QImage::Format_RGB32);
    return T_FontMetrics(font, &reference);
}

// Traces or samples of a range; a range read from a job file that is reversed or too long for
// any bitmap gives 0, which AllocateMem refuses.
constexpr qint64 kMaxCount = 1000000;
int Count(int first, int last, int step) {
    const qint64 n = (qint64(last) - first) / step + 1;
    return n >= 1 && n <= kMaxCount ? int(n) : 0;
}

// The picture's margin, kept also between captions that stand side by side.
constexpr int kMargin = 20;

// The narrowest picture in which no caption leaves the picture or comes within the margin of
// another: the info lines stand at the left, the title centred and the right caption
// right-aligned on the top row, the subtitle centred at subtitleY. Captions are kept apart side
// by side only where they share pixel rows. fm: the metrics of the three fonts.
int CaptionWidth(const TCImageProps& props, const QFontMetrics (&fm)[3], int subtitleY) {
    const int h0 = fm[0].height();
    // The first column a caption in rows top <= y < bottom may take, right of the info lines.
    auto leftEdge = [&](int top, int bottom) {
        int edge = kMargin;
        for (int i = 0; i < 3; ++i) {
            const int y = kMargin + i * h0;
            if (!props.GetStrInfo(i).isEmpty() && y < bottom && top < y + h0)
                edge = std::max(edge,
                                kMargin + fm[0].horizontalAdvance(props.GetStrInfo(i)) + kMargin);
        }
        return edge;
    };
    int width = leftEdge(kMargin, kMargin + 3 * h0); // the info lines themselves
    const QString title = props.GetStrInfo(3), subtitle = props.GetStrInfo(4),
                  right = props.GetStrInfo(5);
    const int top = leftEdge(kMargin, kMargin + fm[1].height());
    const int rightW = fm[1].horizontalAdvance(right);
    if (!right.isEmpty())
        width = std::max(width, top + rightW + kMargin);
    if (!title.isEmpty()) {
        // Centred: as much room on its right as on its left.
        const int titleW = fm[1].horizontalAdvance(title);
        width = std::max(width, titleW + 2 * top);
        if (!right.isEmpty())
            width = std::max(width, titleW + 2 * (kMargin + rightW + kMargin));
    }
    if (!subtitle.isEmpty())
        width = std::max(width, fm[2].horizontalAdvance(subtitle) +
                                    2 * leftEdge(subtitleY, subtitleY + fm[2].height()));
    return width;
}

int Deflection(float v, int amp) {
    if (v > 1.0f)
        return amp;
    if (!(v >= 0.0f)) // negative or NaN: along the zero line
        return 0;
    return int(float(amp) * v);
}

} // namespace

void TCSeisImager1::Init(TCImageProps* props, TCSViewOpts* options, int interval,
                         const QString& fileName) {
    m_props = props;
    m_options = options;
    m_interval = interval;
    m_fileName = fileName;
    m_traceCount = Count(props->GetT1(), props->GetT2(), TStep());
    m_sampleCount = Count(props->GetS1(), props->GetS2(), SStep());
    m_fillColor = props->GetPixFormat() == TPixFormat::Bits1 ? kBlack : T_ToRgb(options->fillColor);
}

void TCSeisImager1::SetTrcDelegates(TCImgTraceSource* data, TCImgOffsetSource* offsets) {
    m_data = data;
    m_offsets = offsets;
}

int TCSeisImager1::TScale() const {
    return std::max<int>(1, m_options->tScale);
}
int TCSeisImager1::SScale() const {
    return std::max<int>(1, m_options->sScale);
}
int TCSeisImager1::TStep() const {
    return std::max<int>(1, m_options->tStep);
}
int TCSeisImager1::SStep() const {
    return std::max<int>(1, m_options->sStep);
}

QFont TCSeisImager1::Font(int i) const {
    QFont f = m_props->GetFont(i).ToQFont();
    // Grey edges of smoothed letters would break up at one bit per pixel.
    if (m_props->GetPixFormat() == TPixFormat::Bits1)
        f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QRect TCSeisImager1::Pad() const {
    return QRect(QPoint(m_padLeft, m_padTop), QPoint(m_padRight, m_padBottom));
}

void TCSeisImager1::CalcLayout(QSize& size) {
    const QFontMetrics fm[3] = {Metrics(Font(0)), Metrics(Font(1)), Metrics(Font(2))};
    const QFontMetrics &fm0 = fm[0], &fm1 = fm[1], &fm2 = fm[2];
    const int h0 = fm0.height();

    m_infoY = kMargin;
    int y = kMargin;
    if (!m_props->GetStrInfo(3).isEmpty() || !m_props->GetStrInfo(5).isEmpty())
        y += fm1.height();
    if (!m_props->GetStrInfo(4).isEmpty()) {
        y += 4;
        m_subtitleY = y;
        y += fm2.height();
    }
    y = std::max(y, 3 * h0 + 20) + 20;
    if (m_props->OffAxis()) {
        m_offRowY = y;
        y += h0 + 1;
    }
    m_traceRowY = y;
    y += h0 + 12;
    y += 2;
    m_padTop = y;
    m_padBottom = m_padTop + SScale() * m_sampleCount;
    m_bottomRowY = m_padBottom + 14;
    const int height = m_bottomRowY + h0 + 20;

    const QString widest = QString::number(qint64(m_props->GetS2()) * std::abs(m_interval));
    const int timeW = fm0.horizontalAdvance(widest);
    const int w = std::max({fm0.horizontalAdvance(T_PlotText(TPlotText::ImgTrace)),
                            fm0.horizontalAdvance(T_PlotText(TPlotText::ImgOffset)), timeW});
    m_infoX = kMargin;
    m_leftTimeRight = 20 + w;
    m_padLeft = 34 + w;
    m_padRight = m_padLeft + (m_traceCount + 1) * TScale();
    m_rightTimeLeft = m_padRight + 14;
    // Wider than the section where the captions need it; the section keeps its place.
    const int width =
        std::max(m_padRight + 14 + timeW + 20, CaptionWidth(*m_props, fm, m_subtitleY));

    m_titleX = (width - fm1.horizontalAdvance(m_props->GetStrInfo(3))) / 2;
    m_rightCapX = width - kMargin - fm1.horizontalAdvance(m_props->GetStrInfo(5));
    m_subtitleX = (width - fm2.horizontalAdvance(m_props->GetStrInfo(4))) / 2;
    size = QSize(width, height);
}

bool TCSeisImager1::AllocateMem() {
    FreeMem();
    if (!m_props || m_traceCount < 1 || m_sampleCount < 1)
        return false;
    QSize size;
    CalcLayout(size);
    m_bitmap = QImage(size, QImage::Format_RGB32);
    if (m_bitmap.isNull())
        return false;
    m_bitmap.fill(kWhite);
    return true;
}

void TCSeisImager1::FreeMem() {
    m_bitmap = QImage();
}

double TCSeisImager1::BimapSizeMb(int colorBits, const QSize& size) {
    return double(colorBits) * size.width() * size.height() / double(1 << 23);
}

double TCSeisImager1::BimapSizeMb() {
    QSize size;
    CalcLayout(size);
    return BimapSizeMb(m_props->GetColorBits(), size);
}

bool TCSeisImager1::DrawImage() {
    if (m_bitmap.isNull())
        return false;
    DrawFrame();
    if (!DrawTraces())
        return false;
    DrawOverRecord();
    return true;
}

void TCSeisImager1::DrawFrame() {
    // Lines of a 2-pixel pen cover the row (column) of the line and the one above (left of) it.
    const int l = m_padLeft - 2, t = m_padTop - 1, r = m_padRight + 1, b = m_padBottom + 2;
    T_FillRect(m_bitmap, l - 1, t - 1, r + 1, t + 1, kBlack);
    T_FillRect(m_bitmap, r - 1, t - 1, r + 1, b + 1, kBlack);
    T_FillRect(m_bitmap, l - 1, b - 1, r + 1, b + 1, kBlack);
    T_FillRect(m_bitmap, l - 1, t - 1, l + 1, b + 1, kBlack);
}

bool TCSeisImager1::DrawTraces() {
    int k = 1;
    for (int trace = m_props->GetT2(); trace >= m_props->GetT1(); trace -= TStep(), ++k) {
        if (!DrawTrace(trace, k))
            return false;
    }
    return true;
}

bool TCSeisImager1::DrawTrace(int trace, int position) {
    if (!m_data || m_bitmap.isNull())
        return false;
    const float* data = m_data->ImgTrace(trace, position);
    if (!data)
        return false;
    const int tScale = TScale(), sScale = SScale(), sStep = SStep();
    const int x0 = m_padRight - position * tScale;
    const int amp = tScale - 1;
    const QRgb pen = T_ToRgb(m_options->traceColor);

    QPoint prev;
    int dx = 0;
    for (int i = 0; i < m_sampleCount; ++i) {
        dx = Deflection(data[qsizetype(i) * sStep], amp);
        const QPoint pt(x0 + dx, m_padTop + i * sScale);
        if (i > 0)
            T_LineTo(m_bitmap, prev, pt, pen);
        prev = pt;
    }
    T_LineTo(m_bitmap, prev, QPoint(x0 + dx, m_padBottom + 1), pen);

    // A helper line two pixels left of the zero line closes the white region between it and
    // the wiggle; that region is filled, then the two helper columns go back to white.
    T_LineTo(m_bitmap, QPoint(x0 - 2, m_padTop), QPoint(x0 - 2, m_padBottom + 2), pen);
    const QRect box(QPoint(x0 - 1, m_padTop), QPoint(x0 + amp, m_padBottom));
    T_FloodFill(m_bitmap, box, QPoint(x0 - 1, m_padTop), kWhite, m_fillColor);
    T_FillRect(m_bitmap, x0 - 2, m_padTop, x0, m_padBottom + 1, kWhite);
    return true;
}

void TCSeisImager1::DrawOverRecord() {
    DrawCaptions();
    DrawAxis();
}

void TCSeisImager1::DrawCaptions() {
    if (m_bitmap.isNull())
        return;
    QPainter p(&m_bitmap);
    p.setPen(Qt::black);
    p.setFont(Font(0));
    const int h0 = p.fontMetrics().height();
    for (int i = 0; i < 3; ++i)
        T_TextOut(p, m_infoX, m_infoY + i * h0, m_props->GetStrInfo(i));
    p.setFont(Font(1));
    if (!m_props->GetStrInfo(3).isEmpty())
        T_TextOut(p, m_titleX, kMargin, m_props->GetStrInfo(3));
    if (!m_props->GetStrInfo(5).isEmpty())
        T_TextOut(p, m_rightCapX, kMargin, m_props->GetStrInfo(5));
    p.setFont(Font(2));
    if (!m_props->GetStrInfo(4).isEmpty())
        T_TextOut(p, m_subtitleX, m_subtitleY, m_props->GetStrInfo(4));
}

void TCSeisImager1::DrawAxis() {
    if (m_bitmap.isNull())
        return;
    QPainter p(&m_bitmap);
    p.setFont(Font(0));
    DrawTraceAxis(p, true);
    DrawTraceAxis(p, false);
    DrawTimeAxis(p, false);
    DrawTimeAxis(p, true);
}

void TCSeisImager1::DrawTraceAxis(QPainter& p, bool upper) {
    const QColor tick = T_ToQColor(m_options->traceColor);
    p.setPen(Qt::black);
    // Every labelled slot gets its tick; its number (and offset) only where it has room.
    TLabelRow labels(upper ? m_traceRowY : m_bottomRowY, m_bitmap.width());
    TLabelRow offsetLabels(m_offRowY, m_bitmap.width());
    if (upper && m_props->OffAxis())
        offsetLabels.DrawName(p, kMargin, T_PlotText(TPlotText::ImgOffset));
    if (upper)
        labels.DrawName(p, kMargin, T_PlotText(TPlotText::ImgTrace));
    const bool offsets = upper && m_offsets && m_props->OffAxis();
    // Guards against a zero divisor or step arriving through a properties or options file.
    const int offFactor = std::max(1, m_props->OffFactor());
    const int scale = std::max(1, m_props->Scale());
    const int step = std::max<int>(1, m_options->traceLabelStep);
    const int tickFrom = upper ? m_padTop - 2 : m_padBottom + 2;
    const int tickTo = upper ? m_padTop - 12 : m_padBottom + 12;
    // Traces are drawn from T2 down, so slot 1 holds T1 only when T2 - T1 is a whole number of
    // steps; the labels follow the traces drawn.
    const int first = m_props->GetT2() - (m_traceCount - 1) * TStep();
    int label = 0;
    for (int k = 0; k <= m_traceCount; k += step, ++label) {
        const int x = std::max(k, 1) * TScale() + m_padLeft;
        const int trace = first + std::max(k - 1, 0) * TStep();
        p.setPen(Qt::black);
        labels.DrawCentred(p, x, QString::number(trace));
        if (offsets && label % offFactor == 0)
            offsetLabels.DrawCentred(p, x, QString::number(m_offsets->ImgOffset(trace) / scale));
        p.setPen(tick);
        T_PenLineTo(p, QPoint(x, tickFrom), QPoint(x, tickTo));
    }
}

void TCSeisImager1::DrawTimeAxis(QPainter& p, bool right) {
    const QColor tick = T_ToQColor(m_options->traceColor);
    const int h0 = p.fontMetrics().height();
    const int step = std::max<int>(1, m_options->timeLabelStep);
    const int tickFrom = right ? m_padRight + 2 : m_padLeft - 2;
    const int tickTo = right ? m_padRight + 12 : m_padLeft - 12;
    for (int k = 0; k < m_sampleCount; k += step) {
        const int r = std::max(k - 1, 0);
        const int y = r * SScale() + m_padTop;
        const QString label = QString::number(qint64(m_props->GetS1() + r * SStep()) * m_interval);
        const int x =
            right ? m_rightTimeLeft : m_leftTimeRight - p.fontMetrics().horizontalAdvance(label);
        p.setPen(Qt::black);
        T_TextOut(p, x, y - h0 / 2, label);
        p.setPen(tick);
        T_PenLineTo(p, QPoint(tickFrom, y), QPoint(tickTo, y));
    }
}

bool TCSeisImager1::SaveImage() const {
    return !m_bitmap.isNull() && T_WriteBmp(m_bitmap, int(m_props->GetPixFormat()), m_fileName);
}
