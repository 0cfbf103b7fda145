#include "plotcore/tcseisplotter1.h"

#include "plotcore/canvastext.h"
#include "plotcore/pixelops.h"
#include "plotcore/plotstrings.h"
#include "plotcore/tcolor.h"
#include "plotcore/tcsviewopts.h"
#include "plotcore/tctrcdelegate.h"
#include "plotcore/tlabelrow.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kButtonFace = 0xFFF0F0F0u;

// The labels are printed as unsigned 32-bit numbers, as the widest one is measured.
QString TimeLabel(qint64 value) {
    return QString::number(quint32(value));
}

// Displacement of the wiggle for one sample; NaN counts as 0 so a damaged sample cannot throw
// the line off the canvas.
int Deflection(float v, int amp) {
    if (v > 1.0f)
        return amp;
    if (v < -1.0f)
        return -amp;
    if (v != v)
        return 0;
    return int(float(amp) * v);
}

} // namespace

TCSeisPlotter1::TCSeisPlotter1() = default;
TCSeisPlotter1::~TCSeisPlotter1() = default;

void TCSeisPlotter1::Init(QImage* canvas, TCSViewOpts* options, bool russian, const QFont& font) {
    m_canvas = canvas;
    m_options = options;
    m_font = font;
    m_russian = russian;
    m_textHeight = qint16(T_FontMetrics(m_font, m_canvas).height());
}

void TCSeisPlotter1::SetFileInfo(int traces, int interval, int samples) {
    m_traceCount = traces;
    m_sampleCount = samples;
    m_timeInMs = interval % 1000 == 0;
    m_interval = m_timeInMs ? interval / 1000 : interval;
    CalcPad();
}

int TCSeisPlotter1::TScale() const {
    return std::max<int>(1, m_options->tScale);
}
int TCSeisPlotter1::SScale() const {
    return std::max<int>(1, m_options->sScale);
}
int TCSeisPlotter1::TStep() const {
    return std::max<int>(1, m_options->tStep);
}
int TCSeisPlotter1::SStep() const {
    return std::max<int>(1, m_options->sStep);
}
int TCSeisPlotter1::CanvasWidth() const {
    return m_canvas ? m_canvas->width() : 0;
}
int TCSeisPlotter1::CanvasHeight() const {
    return m_canvas ? m_canvas->height() : 0;
}

void TCSeisPlotter1::CalcPad() {
    const QString widest = TimeLabel(qint64(m_interval) * m_sampleCount);
    const int w = T_FontMetrics(m_font, m_canvas).horizontalAdvance(widest);
    m_padLeft = w + m_textHeight + 8;
    m_padTop = 2 * m_textHeight + 6;
    m_padRight = CanvasWidth() - 5;
    m_padBottom = CanvasHeight() - 5;
}

void TCSeisPlotter1::CalcFrame(const QPoint& vertex) {
    const int tScale = TScale(), sScale = SScale(), tStep = TStep(), sStep = SStep();

    const int x = m_options->TRound(vertex.x());
    const int tFit = (m_padRight - m_padLeft + 1) / tScale - 1;
    const int tSpan = (tFit - 1) * tStep;
    int tLast = m_options->TRound(m_traceCount);
    if (tLast > m_traceCount)
        tLast -= tStep;
    // 64 bits: a frame from a vertex near trace 2147483647 would end beyond the int range.
    m_x0 = x;
    if (int64_t(x) + tSpan > tLast) {
        m_x0 = std::max(tLast - tSpan, tStep);
        m_x1 = std::min(m_x0 + tSpan, tLast);
    } else {
        m_x1 = x + tSpan;
    }
    m_frameTraces = (m_x1 - m_x0) / tStep + 1;
    m_padRight = (m_frameTraces + 1) * tScale + m_padLeft + 2;

    const int y = m_options->SRound(vertex.y());
    const int sFit = (m_padBottom - m_padTop + 1) / sScale;
    const int sSpan = (sFit - 1) * sStep;
    int sLast = m_options->SRound(m_sampleCount);
    if (sLast > m_sampleCount)
        sLast -= sStep;
    m_y0 = y;
    m_y1 = y + sSpan;
    if (m_y1 > sLast) {
        m_y0 = std::max(sLast - sSpan, 1);
        m_y1 = std::min(m_y0 + sSpan, sLast);
    }
    m_frameSamples = (m_y1 - m_y0) / sStep + 1;
    m_padBottom = m_frameSamples * sScale + m_padTop - 1;
}

void TCSeisPlotter1::CalculateFrame(const QPoint& vertex) {
    CalcPad();
    CalcFrame(vertex);
}

void TCSeisPlotter1::CalculateFrameSize() {
    CalculateFrame(QPoint(1, 1));
}

void TCSeisPlotter1::Update(const QPoint& vertex) {
    if (m_canvas && !m_canvas->isNull() && !T_IsPixelFormat(*m_canvas))
        *m_canvas = m_canvas->convertToFormat(QImage::Format_RGB32);
    CalcPad();
    CalcFrame(vertex);
    Clear(true);
    DrawPadRect();
    DrawTraces();
    if (!m_canvas || m_canvas->isNull())
        return;
    QPainter p(m_canvas);
    DrawOverRecord(p);
}

void TCSeisPlotter1::Clear(bool white) {
    if (m_canvas)
        T_FillRect(*m_canvas, 0, 0, m_canvas->width(), m_canvas->height(),
                   white ? kWhite : kButtonFace);
}

void TCSeisPlotter1::DrawPadRect() {
    if (!m_canvas)
        return;
    // Outline of the rectangle (pad left - 1, pad top - 1) to (pad right + 1, pad bottom + 1),
    // right and bottom exclusive.
    const int l = m_padLeft - 1, t = m_padTop - 1, r = m_padRight + 1, b = m_padBottom + 1;
    const QRgb c = T_ToRgb(m_options->frameColor);
    T_FillRect(*m_canvas, l, t, r, t + 1, c);
    T_FillRect(*m_canvas, l, b - 1, r, b, c);
    T_FillRect(*m_canvas, l, t, l + 1, b, c);
    T_FillRect(*m_canvas, r - 1, t, r, b, c);
}

bool TCSeisPlotter1::DrawTraces() {
    // In 64 bits: the frame may end at trace 2147483647.
    for (int64_t trace = m_x0; trace <= m_x1; trace += TStep()) {
        if (!DrawTrace(int(trace)))
            return false;
    }
    return true;
}

bool TCSeisPlotter1::DrawTrace(int trace) {
    if (!m_delegate || !m_canvas)
        return false;
    const float* data = m_delegate->ProvideTrace(*this, trace);
    if (!data)
        return false;
    const int tScale = TScale(), sScale = SScale(), sStep = SStep();
    const int amp = tScale - 1;
    const int x0 = tScale * ((trace - m_x0) / TStep() + 1) + m_padLeft;
    const QRgb fill = T_ToRgb(m_options->fillColor);
    const QRgb pen = T_ToRgb(m_options->traceColor);

    // The strip right of the zero line is filled first; the wiggle then splits it, and
    // everything right of the wiggle goes back to white, leaving the positive lobes filled.
    const int stripRight = x0 + amp + 2;
    T_FillRect(*m_canvas, x0 + 1, m_padTop, stripRight, m_padBottom, fill);

    QPoint prev;
    int dx = 0;
    for (int i = 0; i < m_frameSamples; ++i) {
        dx = Deflection(data[qsizetype(i) * sStep], amp);
        const QPoint pt(x0 + dx, m_padTop + i * sScale);
        if (i > 0)
            T_LineTo(*m_canvas, prev, pt, pen);
        prev = pt;
    }
    if (sScale > 1 && m_frameSamples > 0)
        T_LineTo(*m_canvas, prev, QPoint(x0 + dx, prev.y() + sScale - 1), pen);

    const QRect strip(QPoint(x0 + 1, m_padTop), QPoint(stripRight - 1, m_padBottom - 1));
    T_FloodFill(*m_canvas, strip, QPoint(x0 + amp + 1, m_padTop), fill, kWhite);
    return true;
}

void TCSeisPlotter1::DrawOverRecord(QPainter& p) {
    DrawTraceAxis(p);
    DrawTimeAxis(p);
}

QString TCSeisPlotter1::TraceAxisCaption() const {
    return T_PlotText(m_russian ? TPlotText::TraceAxisRu : TPlotText::TraceAxisEn);
}

QString TCSeisPlotter1::TimeAxisCaption() const {
    if (m_russian)
        return T_PlotText(m_timeInMs ? TPlotText::TimeMsRu : TPlotText::TimeMcsRu);
    return T_PlotText(m_timeInMs ? TPlotText::TimeMsEn : TPlotText::TimeMcsEn);
}

void TCSeisPlotter1::DrawTraceAxis(QPainter& p) {
    const int h = m_textHeight;
    const int tScale = TScale();
    const QColor text = T_ToQColor(m_options->frameColor);
    const QColor tick = T_ToQColor(m_options->traceColor);
    p.setFont(m_font);
    p.setPen(text);
    T_TextOut(p, m_padLeft, 1, TraceAxisCaption());

    const int y = 1 + h;
    const int step = std::max<int>(1, m_options->traceLabelStep);
    // Every labelled slot gets its tick; its number only where it has room.
    TLabelRow labels(y, CanvasWidth());
    for (int k = 0; k <= m_frameTraces; k += step) {
        const int x = std::max(k, 1) * tScale + m_padLeft;
        p.setPen(text);
        labels.DrawCentred(p, x, QString::number(m_x0 + std::max(k - 1, 0) * TStep()));
        p.setPen(tick);
        T_PenLineTo(p, QPoint(x, y + h), QPoint(x, m_padTop));
    }
}

void TCSeisPlotter1::DrawTimeAxis(QPainter& p) {
    const int h = m_textHeight;
    const QColor text = T_ToQColor(m_options->frameColor);
    const QColor tick = T_ToQColor(m_options->traceColor);
    p.setFont(m_font);

    // Rendered flat, then turned to read upward: flat pixel (i, j) lands on the canvas at
    // (1 + j, pad top + width - i).
    const QImage flat = T_RenderText(TimeAxisCaption(), m_font, text, QColor(Qt::white), m_canvas);
    const int w = flat.width();
    QImage turned(flat.height(), w, QImage::Format_RGB32);
    for (int j = 0; j < flat.height(); ++j) {
        const QRgb* row = reinterpret_cast<const QRgb*>(flat.constScanLine(j));
        for (int i = 0; i < w; ++i)
            turned.setPixel(j, w - 1 - i, row[i]);
    }
    p.drawImage(1, m_padTop + 1, turned);

    const int step = std::max<int>(1, m_options->timeLabelStep);
    for (int k = 0; k < m_frameSamples; k += step) {
        const int r = std::max(k - 1, 0);
        const int y = r * SScale() + m_padTop;
        const QString label = TimeLabel(qint64(m_y0 + r * SStep()) * m_interval);
        p.setPen(text);
        T_TextOut(p, m_padLeft - 7 - p.fontMetrics().horizontalAdvance(label), y - h / 2, label);
        p.setPen(tick);
        T_PenLineTo(p, QPoint(m_padLeft - 5, y), QPoint(m_padLeft, y));
    }
}

bool TCSeisPlotter1::InsideFrame(const QPoint& p) const {
    return m_x0 <= p.x() && p.x() <= m_x1 && m_y0 <= p.y() && p.y() <= m_y1;
}

bool TCSeisPlotter1::InsidePad(const QPoint& p) const {
    return m_padLeft <= p.x() && p.x() < m_padRight && m_padTop <= p.y() && p.y() < m_padBottom;
}

QPoint TCSeisPlotter1::ScreenToReal(const QPoint& p) const {
    if (p.x() < m_padLeft || p.x() > m_padRight || p.y() < m_padTop || p.y() > m_padBottom)
        return QPoint(0, 0);
    const int tScale = TScale(), sScale = SScale();
    const int e = p.x() - m_padLeft + 1;
    const int g = e / tScale;
    int trace;
    if (g == 0)
        trace = m_x0;
    else if (g >= m_frameTraces)
        trace = m_x1;
    else if (tScale * (g + 1) - e < e - g * tScale)
        trace = m_x0 + g * TStep();
    else
        trace = m_x0 + (g - 1) * TStep();

    const int m = p.y() - m_padTop + 1;
    int o = m / sScale;
    if (sScale >= 2 && m % sScale != 0)
        ++o;
    return QPoint(trace, m_options->SRound(SStep() * (o - 1) + m_y0));
}

QPoint TCSeisPlotter1::RealToScreen(const QPoint& p) const {
    if (!InsideFrame(p))
        return QPoint(0, 0);
    return QPoint(TScale() * ((p.x() - m_x0) / TStep() + 1) + m_padLeft,
                  ((p.y() - m_y0) / SStep()) * SScale() + m_padTop);
}

QPoint TCSeisPlotter1::GetMovedVertex(int dir, int xPercent, int yPercent) const {
    auto digit = [](int d) { return d == 2 ? -1 : d; };
    const int dx = digit((dir / 10) % 10), dy = digit(dir % 10);
    int x = m_x0, y = m_y0;
    if (dx != 0) {
        // Compared before the conversion: a move beyond trace 2147483647 leaves the int range.
        const double to = m_x0 + dx * xPercent * 0.01 * (m_x1 - m_x0) + 0.5;
        x = to < 1 ? 1 : to >= m_traceCount + 1.0 ? m_traceCount - 1 : int(to);
    }
    if (dy != 0) {
        y = int(m_y0 + dy * yPercent * 0.01 * (m_y1 - m_y0) + 0.5);
        y = std::max(y, 1);
        if (y > m_sampleCount)
            y = m_sampleCount - 2 * SStep();
    }
    return QPoint(x, y);
}

bool TCSeisPlotter1::CanMove(int dir) const {
    const bool down = m_y1<m_sampleCount, up = m_y0> 1;
    const bool right = m_x1<m_traceCount, left = m_x0> 1;
    switch (dir) {
    case 1:
        return down;
    case 2:
        return up;
    case 10:
        return right;
    case 11:
        return right && down;
    case 12:
        return right && up;
    case 20:
        return left;
    case 21:
        return left && down;
    case 22:
        return m_x0 >= 2 && m_y0 >= 2;
    default:
        return false;
    }
}

void TCSeisPlotter1::InitScrollBar(TScrollState& bar) const {
    bar.min = 1;
    bar.max = bar.vertical ? m_sampleCount : m_traceCount;
}

void TCSeisPlotter1::AdjustScrollBar(TScrollState& bar, int percent) const {
    const int total = bar.vertical ? m_sampleCount : m_traceCount;
    const int page = bar.vertical ? m_frameSamples : m_frameTraces;
    const int start = bar.vertical ? m_y0 : m_x0;
    bar.enabled = page < total;
    if (!bar.enabled)
        return;
    bar.smallChange = int(percent * 0.01 * page + 0.5);
    bar.largeChange = int(page * 0.97 + 0.5);
    bar.pageSize = page;
    if (start == 1)
        bar.position = 1;
    else if (start >= total - page)
        bar.position = bar.max;
    else
        bar.position = start;
}

QPoint TCSeisPlotter1::GetScVertex(const TScrollState& bar, int& position) const {
    const int last =
        bar.vertical ? m_sampleCount - m_frameSamples + 1 : m_traceCount - m_frameTraces + 1;
    if (position > last)
        position = last;
    return bar.vertical ? QPoint(m_x0, position) : QPoint(position, m_y0);
}
