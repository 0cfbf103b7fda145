#pragma once
// Draws a frame of a seismic section (wiggle traces with variable-area fill of the positive
// phases, a trace-number axis above and a time axis on the left) onto a 32-bit QImage, and owns
// the geometry of the display: which traces and samples form the frame for a wanted top-left
// (trace, sample) vertex, screen <-> (trace, sample) mapping, moves and scroll-bar set-up.
//
// Traces and samples count from 1. The pad is kept as four numbers (left, top, right, bottom)
// in canvas pixels; GetPad returns them as QRect(QPoint(left, top), QPoint(right, bottom)), so
// its left(), top(), right() and bottom() are the pad numbers themselves.
//
// Usable for geometry after Init and SetFileInfo; draws after SetDelegate. The canvas, the
// options and the delegate are not owned and must outlive the plotter; the options may change
// between updates, and each Update recomputes pad and frame from the canvas size.

#include "plotcore/tscrollstate.h"

#include <QFont>
#include <QPoint>
#include <QRect>

class QImage;
class QPainter;
class TCSViewOpts;
class TCTrcDelegate;

class TCSeisPlotter1 {
public:
    TCSeisPlotter1();
    virtual ~TCSeisPlotter1();
    TCSeisPlotter1(const TCSeisPlotter1&) = delete;
    TCSeisPlotter1& operator=(const TCSeisPlotter1&) = delete;

    // Stores canvas and options, measures the text height of "0" in `font` and sets the
    // caption language. A canvas of another format than 32-bit RGB is converted on Update.
    void Init(QImage* canvas, TCSViewOpts* options, bool russian,
              const QFont& font = QFont(QStringLiteral("Tahoma"), 8));
    // `interval` in microseconds; whole milliseconds are kept in milliseconds. Then CalcPad.
    void SetFileInfo(int traces, int interval, int samples);
    void SetDelegate(TCTrcDelegate* delegate) { m_delegate = delegate; }

    void CalcPad();
    void CalcFrame(const QPoint& vertex);
    void CalculateFrame(const QPoint& vertex);
    void CalculateFrameSize();
    // CalcPad, CalcFrame, Clear(true), DrawPadRect, DrawTraces, DrawOverRecord.
    void Update(const QPoint& vertex);

    // White, or the button-face grey when `white` is false, over the whole canvas.
    void Clear(bool white);
    void DrawPadRect();
    // False when a trace had no data; the traces drawn so far stay.
    bool DrawTraces();
    bool DrawTrace(int trace);
    void DrawTraceAxis(QPainter& p);
    void DrawTimeAxis(QPainter& p);

    QPoint GetPadMargins() const { return QPoint(m_padLeft, m_padTop); }
    QRect GetPad() const {
        return QRect(QPoint(m_padLeft, m_padTop), QPoint(m_padRight, m_padBottom));
    }
    QPoint GetFrameVertex() const { return QPoint(m_x0, m_y0); }
    // QRect(QPoint(X0, Y0), QPoint(X1, Y1)).
    QRect GetFrameRect() const { return QRect(QPoint(m_x0, m_y0), QPoint(m_x1, m_y1)); }
    bool InsideFrame(const QPoint& p) const;
    bool InsidePad(const QPoint& p) const;
    int FrameTraces() const { return m_frameTraces; }
    int FrameSamples() const { return m_frameSamples; }
    int TraceCount() const { return m_traceCount; }
    int SampleCount() const { return m_sampleCount; }
    // The interval in milliseconds when TimeInMs, else in microseconds.
    int Interval() const { return m_interval; }
    bool TimeInMs() const { return m_timeInMs; }
    int TextHeight() const { return m_textHeight; }
    const TCSViewOpts* Options() const { return m_options; }
    // The axis captions for the language and the time unit in use.
    QString TraceAxisCaption() const;
    QString TimeAxisCaption() const;

    // (trace, sample) under a canvas point, (0, 0) outside the pad (edges inclusive).
    QPoint ScreenToReal(const QPoint& p) const;
    // Canvas point of a (trace, sample) pair, (0, 0) outside the frame.
    QPoint RealToScreen(const QPoint& p) const;
    // dir: tens digit horizontal (1 right, 2 left), units digit vertical (1 down, 2 up).
    QPoint GetMovedVertex(int dir, int xPercent, int yPercent) const;
    bool CanMove(int dir) const;

    void InitScrollBar(TScrollState& bar) const;
    void AdjustScrollBar(TScrollState& bar, int percent) const;
    // The vertex for a bar moved to `position`; a position past the last reachable start is
    // pulled back and written to `position`.
    QPoint GetScVertex(const TScrollState& bar, int& position) const;

protected:
    // Draws over the finished section; the base draws the trace and time axes.
    virtual void DrawOverRecord(QPainter& p);

private:
    int TScale() const;
    int SScale() const;
    int TStep() const;
    int SStep() const;
    int CanvasWidth() const;
    int CanvasHeight() const;

    QImage* m_canvas = nullptr;
    TCSViewOpts* m_options = nullptr;
    QFont m_font;
    bool m_russian = true;
    bool m_timeInMs = false;
    int m_interval = 0;
    int m_traceCount = 0;
    int m_sampleCount = 0;
    int m_x0 = 0, m_x1 = 0;
    int m_y0 = 0, m_y1 = 0;
    int m_frameTraces = 0;
    int m_frameSamples = 0;
    int m_padLeft = 0, m_padTop = 0, m_padRight = 0, m_padBottom = 0;
    qint16 m_textHeight = 0;
    TCTrcDelegate* m_delegate = nullptr;
};
