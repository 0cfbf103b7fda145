#include "pictures.h"
#include "plotcore/canvastext.h"
#include "plotcore/tcolor.h"
#include "plotcore/tcseisplotter1.h"
#include "plotcore/tcsviewopts.h"
#include "plotcore/tctrcdelegate.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Feeds synthetic traces: value(trace, sample) for the frame's samples Y0..Y1.
class SynthDelegate : public TCTrcDelegate {
public:
    std::function<float(int, int)> value = [](int, int) { return 0.0f; };
    int failAt = 0; // trace that gets no data
    std::vector<int> asked;

    const float* ProvideTrace(const TCSeisPlotter1& plotter, int trace) override {
        asked.push_back(trace);
        if (trace == failAt)
            return nullptr;
        const QRect f = plotter.GetFrameRect();
        buf.clear();
        for (int s = f.top(); s <= f.bottom(); ++s)
            buf.push_back(value(trace, s));
        return buf.data();
    }

private:
    std::vector<float> buf;
};

class Plotter : public ::testing::Test {
protected:
    // A plotter over a file of `traces` x `samples` whose pad before fitting is padW x padH.
    void Open(int traces, int samples, int padW = 700, int padH = 500, int intervalUs = 2000) {
        canvas = QImage(10, 10, QImage::Format_RGB32);
        plotter.Init(&canvas, &opts, true);
        plotter.SetFileInfo(traces, intervalUs, samples);
        const QPoint m = plotter.GetPadMargins();
        canvas = QImage(m.x() + padW + 4, m.y() + padH + 4, QImage::Format_RGB32);
        plotter.SetDelegate(&source);
    }

    QRgb Px(int x, int y) const { return canvas.pixel(x, y) & 0xFFFFFF; }

    TCSViewOpts opts;
    QImage canvas;
    TCSeisPlotter1 plotter;
    SynthDelegate source;
};

struct TraceFrameCase {
    int traces, tStep, tScale, padW, vertexX;
    int x0, x1, frameTraces, padSpan; // padSpan: pad right - pad left after fitting
};

TEST_F(Plotter, TraceFrameFitsThePadAndStopsAtTheLastWholeStep) {
    const TraceFrameCase cases[] = {
        {1000, 1, 7, 700, 1, 1, 99, 99, 702},       // fit 99, one empty slot + 2 pixels
        {1000, 1, 7, 700, 950, 902, 1000, 99, 702}, // pulled back from the end
        {1000, 3, 7, 700, 5000, 705, 999, 99, 702}, // ends at the last multiple of 3
        {10, 3, 7, 700, 1, 3, 9, 3, 30},            // 9 is the last trace reachable
        {10, 3, 7, 700, 10, 3, 9, 3, 30},           // so is it from a vertex on trace 10
        {10, 1, 7, 700, 4, 1, 10, 10, 79},          // the whole file fits
        {1000, 4, 10, 300, 7, 4, 116, 29, 302},     // vertex snapped down to the grid
        // The last traces of a file at the trace limit.
        {2147483647, 1, 7, 700, 2147483647, 2147483549, 2147483647, 99, 702},
        {2147483647, 3, 7, 700, 2147483600, 2147483352, 2147483646, 99, 702},
    };
    for (const TraceFrameCase& c : cases) {
        opts.tStep = qint16(c.tStep);
        opts.tScale = qint16(c.tScale);
        Open(c.traces, 100, c.padW);
        plotter.CalculateFrame(QPoint(c.vertexX, 1));
        const QRect f = plotter.GetFrameRect();
        EXPECT_EQ(f.left(), c.x0) << c.traces << " traces, vertex " << c.vertexX;
        EXPECT_EQ(f.right(), c.x1) << c.traces << " traces, vertex " << c.vertexX;
        EXPECT_EQ(plotter.FrameTraces(), c.frameTraces);
        const QRect pad = plotter.GetPad();
        EXPECT_EQ(pad.right() - pad.left(), c.padSpan);
    }
}

struct SampleFrameCase {
    int samples, sStep, sScale, padH, vertexY;
    int y0, y1, frameSamples;
};

TEST_F(Plotter, SampleFrameFitsThePadAndStopsAtTheLastWholeStep) {
    const SampleFrameCase cases[] = {
        {3000, 1, 1, 500, 1, 1, 500, 500},
        {3000, 1, 1, 500, 2800, 2501, 3000, 500}, // pulled back from the end
        {3000, 2, 3, 500, 1, 2, 332, 166},        // vertex 1 snaps to the step
        {3001, 2, 3, 500, 9999, 2670, 3000, 166}, // ends at the last multiple of 2
        {40, 1, 2, 500, 7, 1, 40, 40},            // the whole trace fits
    };
    for (const SampleFrameCase& c : cases) {
        opts.sStep = qint16(c.sStep);
        opts.sScale = qint16(c.sScale);
        Open(10, c.samples, 700, c.padH);
        plotter.CalculateFrame(QPoint(1, c.vertexY));
        const QRect f = plotter.GetFrameRect();
        EXPECT_EQ(f.top(), c.y0) << c.samples << " samples, vertex " << c.vertexY;
        EXPECT_EQ(f.bottom(), c.y1) << c.samples << " samples, vertex " << c.vertexY;
        EXPECT_EQ(plotter.FrameSamples(), c.frameSamples);
        const QRect pad = plotter.GetPad();
        EXPECT_EQ(pad.bottom(), c.frameSamples * c.sScale + pad.top() - 1);
    }
}

TEST_F(Plotter, IntervalUnitAndWidestTimeLabelSetThePad) {
    struct Case {
        int intervalUs, samples, stored;
        bool ms;
        const char* widest;
        const char* caption;
    } const cases[] = {
        {2000, 3000, 2, true, "6000", "Время в миллисекундах (T)"},
        {1500, 100, 1500, false, "150000", "Время в микросекундах (Т)"},
    };
    for (const Case& c : cases) {
        Open(10, c.samples, 700, 500, c.intervalUs);
        EXPECT_EQ(plotter.Interval(), c.stored);
        EXPECT_EQ(plotter.TimeInMs(), c.ms);
        EXPECT_EQ(plotter.TimeAxisCaption(), QString::fromUtf8(c.caption));
        const int h = plotter.TextHeight();
        const int w = T_FontMetrics(QFont(QStringLiteral("Tahoma"), 8), &canvas)
                          .horizontalAdvance(QString::fromLatin1(c.widest));
        EXPECT_GT(h, 0);
        EXPECT_EQ(plotter.GetPadMargins(), QPoint(w + h + 8, 2 * h + 6));
    }
    EXPECT_EQ(plotter.TraceAxisCaption(), QStringLiteral("Номер трассы в файле (N)"));
    TCSeisPlotter1 english;
    english.Init(&canvas, &opts, false);
    english.SetFileInfo(10, 1500, 100);
    EXPECT_EQ(english.TimeAxisCaption(), QStringLiteral("Time in microseconds (T)"));
    EXPECT_EQ(english.TraceAxisCaption(), QStringLiteral("Trace number within file (N)"));
    english.SetFileInfo(10, 4000, 100);
    EXPECT_EQ(english.TimeAxisCaption(), QStringLiteral("Time in milliseconds (T)"));
}

TEST_F(Plotter, ScreenToRealPicksTheNearerSlotAndTiesGoLeft) {
    opts.tScale = 8;
    opts.tStep = 2;
    opts.sScale = 3;
    Open(1000, 3000, 400, 300);
    plotter.CalculateFrame(QPoint(100, 50));
    const QRect f = plotter.GetFrameRect();
    const QRect pad = plotter.GetPad();
    const int l = pad.left(), t = pad.top();
    ASSERT_EQ(f.left(), 100);
    ASSERT_EQ(f.top(), 50);
    struct Case {
        QPoint screen, real;
    } const cases[] = {
        {{l + 19, t}, {102, 50}}, // e = 20: midway between slots 2 and 3, goes to slot 2
        {{l + 20, t}, {104, 50}}, // one pixel right of the middle: slot 3
        {{l, t}, {100, 50}},      // g = 0
        {{pad.right(), t}, {f.right(), 50}},
        {{l, t + 2}, {100, 50}}, // rows of one sample are sScale pixels high
        {{l, t + 3}, {100, 51}},
        {{l - 1, t}, {0, 0}},
        {{l, t - 1}, {0, 0}},
        {{pad.right() + 1, t}, {0, 0}},
        {{l, pad.bottom() + 1}, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plotter.ScreenToReal(c.screen), c.real) << c.screen.x() << "," << c.screen.y();
}

TEST_F(Plotter, RealToScreenAndBackIsTheSamePointOverTheFrame) {
    opts.tScale = 5;
    opts.tStep = 3;
    opts.sScale = 2;
    opts.sStep = 2;
    Open(500, 900, 300, 200);
    plotter.CalculateFrame(QPoint(31, 41));
    const QRect f = plotter.GetFrameRect();
    for (int t = f.left(); t <= f.right(); t += 3) {
        for (int s = f.top(); s <= f.bottom(); s += 2) {
            const QPoint screen = plotter.RealToScreen(QPoint(t, s));
            ASSERT_TRUE(plotter.InsidePad(screen)) << t << "," << s;
            ASSERT_EQ(plotter.ScreenToReal(screen), QPoint(t, s));
        }
    }
    EXPECT_EQ(plotter.RealToScreen(QPoint(f.left() - 1, f.top())), QPoint(0, 0));
    EXPECT_EQ(plotter.RealToScreen(QPoint(f.left(), f.bottom() + 1)), QPoint(0, 0));
}

TEST_F(Plotter, CanMoveFollowsTheFrameEdges) {
    Open(1000, 3000, 700, 500);
    struct Case {
        QPoint vertex;
        std::vector<int> allowed;
    } const cases[] = {
        {{1, 1}, {1, 10, 11}},
        {{1, 500}, {1, 2, 10, 11, 12}}, // 22 stays false at X0 = 1 although Y0 > 1
        {{400, 500}, {1, 2, 10, 11, 12, 20, 21, 22}},
        {{2000, 9000}, {2, 20, 22}},
    };
    const int codes[] = {0, 1, 2, 3, 10, 11, 12, 13, 20, 21, 22, 23, 30, 33};
    for (const Case& c : cases) {
        plotter.CalculateFrame(c.vertex);
        for (int code : codes) {
            const bool want =
                std::find(c.allowed.begin(), c.allowed.end(), code) != c.allowed.end();
            EXPECT_EQ(plotter.CanMove(code), want)
                << "vertex " << c.vertex.x() << "," << c.vertex.y() << " code " << code;
        }
    }
}

TEST_F(Plotter, MovedVertexStaysInsideTheFile) {
    opts.sStep = 2;
    Open(1000, 3000, 700, 500);
    struct Case {
        QPoint vertex;
        int dir, xp, yp;
        QPoint moved;
    } const cases[] = {
        {{1, 2}, 10, 50, 50, {50, 2}},     // 1 + 0.5 * 98 + 0.5
        {{1, 2}, 20, 50, 50, {1, 2}},      // left of trace 1
        {{902, 2}, 10, 200, 0, {999, 2}},  // above the trace count
        {{1, 2}, 1, 0, 50, {1, 501}},      // 2 + 0.5 x 998 + 0.5, truncated
        {{1, 2000}, 1, 0, 200, {1, 2996}}, // above the sample count: count - 2 x sStep
        {{1, 2000}, 12, 10, 10, {11, 1900}},
    };
    for (const Case& c : cases) {
        plotter.CalculateFrame(c.vertex);
        EXPECT_EQ(plotter.GetMovedVertex(c.dir, c.xp, c.yp), c.moved) << "dir " << c.dir;
    }
}

TEST_F(Plotter, ScrollBarsFollowTheFrame) {
    Open(1000, 3000, 700, 500);
    TScrollState h, v;
    v.vertical = true;
    plotter.InitScrollBar(h);
    plotter.InitScrollBar(v);
    EXPECT_EQ(h.min, 1);
    EXPECT_EQ(h.max, 1000);
    EXPECT_EQ(v.max, 3000);

    struct Case {
        QPoint vertex;
        int hPos, vPos;
    } const cases[] = {
        {{1, 1}, 1, 1},
        {{500, 1200}, 500, 1200},
        {{2000, 9000}, 1000, 3000}, // at the end the bars sit at their maximum
    };
    for (const Case& c : cases) {
        plotter.CalculateFrame(c.vertex);
        plotter.AdjustScrollBar(h, 10);
        plotter.AdjustScrollBar(v, 25);
        EXPECT_TRUE(h.enabled);
        EXPECT_EQ(h.pageSize, 99);
        EXPECT_EQ(h.smallChange, 10); // 9.9 + 0.5
        EXPECT_EQ(h.largeChange, 96); // 96.03 + 0.5
        EXPECT_EQ(h.position, c.hPos);
        EXPECT_EQ(v.pageSize, 500);
        EXPECT_EQ(v.smallChange, 125);
        EXPECT_EQ(v.largeChange, 485);
        EXPECT_EQ(v.position, c.vPos);
    }

    plotter.CalculateFrame(QPoint(1, 1));
    int pos = 950;
    EXPECT_EQ(plotter.GetScVertex(h, pos), QPoint(902, 1));
    EXPECT_EQ(pos, 902);
    pos = 40;
    EXPECT_EQ(plotter.GetScVertex(v, pos), QPoint(1, 40));
    EXPECT_EQ(pos, 40);

    // A file that fits disables the bar and leaves the rest as it was.
    Open(10, 3000, 700, 500);
    plotter.CalculateFrame(QPoint(1, 1));
    TScrollState small;
    small.pageSize = 77;
    plotter.AdjustScrollBar(small, 10);
    EXPECT_FALSE(small.enabled);
    EXPECT_EQ(small.pageSize, 77);
}

// Pixel tests on one trace with the default colours.
class PlotterPixels : public Plotter {
protected:
    void DrawOne(int samples, std::function<float(int)> f) {
        Open(1, samples, 60, samples * opts.sScale);
        source.value = [f](int, int s) { return f(s); };
        plotter.Update(QPoint(1, 1));
        pad = plotter.GetPad();
        x0 = pad.left() + opts.tScale;
        amp = opts.tScale - 1;
    }
    int CountOutside(QRgb c, int left, int right) const {
        int n = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if ((x < left || x > right || y < pad.top() || y >= pad.bottom()) && Px(x, y) == c)
                    ++n;
        return n;
    }
    QRect pad;
    int x0 = 0, amp = 0;
    const QRgb fill = T_ToRgb(0x969696) & 0xFFFFFF;
    const QRgb line = 0x000000;
    const QRgb white = 0xFFFFFF;
};

TEST_F(PlotterPixels, ZeroTraceIsAStraightLineWithoutFill) {
    opts.tScale = 9;
    DrawOne(40, [](int) { return 0.0f; });
    ASSERT_EQ(plotter.FrameSamples(), 40);
    for (int y = pad.top(); y < pad.bottom(); ++y) {
        EXPECT_EQ(Px(x0, y), line) << "row " << y;
        for (int x = x0 + 1; x <= x0 + amp + 1; ++x)
            EXPECT_EQ(Px(x, y), white) << x << "," << y;
    }
    EXPECT_EQ(CountOutside(fill, 0, canvas.width()), 0);
    EXPECT_EQ(CountOutside(fill, -1, -1), 0);
}

TEST_F(PlotterPixels, PositiveHalfSineFillsBetweenZeroLineAndWiggle) {
    opts.tScale = 12;
    opts.sScale = 2;
    const int n = 41;
    DrawOne(n, [n](int s) { return float(std::sin(M_PI * (s - 1) / (n - 1))); });
    int filled = 0;
    for (int y = pad.top(); y < pad.bottom(); ++y) {
        // Each row of the strip reads: fill, then the wiggle, then white.
        int state = 0; // 0 fill, 1 line, 2 white
        for (int x = x0 + 1; x <= x0 + amp + 1; ++x) {
            const QRgb c = Px(x, y);
            const int kind = c == fill ? 0 : c == line ? 1 : c == white ? 2 : -1;
            ASSERT_NE(kind, -1) << "stray colour at " << x << "," << y;
            ASSERT_GE(kind, state) << "out of order at " << x << "," << y;
            state = kind;
            filled += kind == 0;
        }
        EXPECT_EQ(Px(x0 + amp + 1, y), white) << "row " << y;
    }
    // The peak row (sample 21) fills the whole lobe up to the full deflection.
    const int peak = pad.top() + 20 * opts.sScale;
    for (int x = x0 + 1; x < x0 + amp; ++x)
        EXPECT_EQ(Px(x, peak), fill) << x;
    EXPECT_EQ(Px(x0 + amp, peak), line);
    EXPECT_GT(filled, 100);
    // No fill escapes the strip.
    EXPECT_EQ(CountOutside(fill, x0 + 1, x0 + amp + 1), 0);
}

TEST_F(PlotterPixels, ValuesBeyondOneAreClippedToTheSlot) {
    opts.tScale = 7;
    DrawOne(40, [](int s) { return s <= 20 ? 5.0f : -5.0f; });
    const int inPositive = pad.top() + 5, inNegative = pad.top() + 30;
    EXPECT_EQ(Px(x0 + amp, inPositive), line);
    EXPECT_EQ(Px(x0 + 1, inPositive), fill);
    EXPECT_EQ(Px(x0 + amp - 1, inPositive), fill);
    EXPECT_EQ(Px(x0 + amp + 1, inPositive), white);
    EXPECT_EQ(Px(x0 - amp, inNegative), line);
    EXPECT_EQ(Px(x0 - amp - 1, inNegative), white);
    for (int x = x0 - amp + 1; x <= x0 + amp + 1; ++x)
        EXPECT_EQ(Px(x, inNegative), white) << x;
}

TEST_F(PlotterPixels, LastRowReachesThePadBottomWhichTheOutlineKeeps) {
    // With rows taller than a pixel the wiggle is extended to the bottom of its last row; the
    // pad's bottom row itself belongs to the outline in either case.
    for (int sScale : {1, 3}) {
        opts.tScale = 9;
        opts.sScale = qint16(sScale);
        DrawOne(20, [](int) { return 0.5f; });
        const int dx = 4; // 8 x 0.5
        const QRgb frame = T_ToRgb(opts.frameColor) & 0xFFFFFF;
        ASSERT_EQ(pad.bottom(), pad.top() + 20 * sScale - 1);
        for (int y = pad.top(); y < pad.bottom(); ++y) {
            EXPECT_EQ(Px(x0, y), white) << "sScale " << sScale << " row " << y;
            for (int x = x0 + 1; x < x0 + dx; ++x)
                EXPECT_EQ(Px(x, y), fill) << "sScale " << sScale << " at " << x << "," << y;
            EXPECT_EQ(Px(x0 + dx, y), line) << "sScale " << sScale << " row " << y;
            for (int x = x0 + dx + 1; x <= x0 + amp + 1; ++x)
                EXPECT_EQ(Px(x, y), white) << "sScale " << sScale << " at " << x << "," << y;
        }
        for (int x = pad.left() - 1; x <= pad.right(); ++x) {
            EXPECT_EQ(Px(x, pad.bottom()), frame) << "sScale " << sScale << " column " << x;
            EXPECT_EQ(Px(x, pad.bottom() + 1), white) << "sScale " << sScale << " column " << x;
        }
    }
}

TEST_F(PlotterPixels, NanSamplesDrawOnTheZeroLine) {
    DrawOne(20, [](int) { return std::nanf(""); });
    for (int y = pad.top(); y < pad.bottom(); ++y)
        EXPECT_EQ(Px(x0, y), line);
}

TEST_F(Plotter, MissingDataStopsTheFrameAndKeepsTheTracesDrawn) {
    Open(6, 30, 200, 30);
    source.value = [](int, int) { return 0.5f; };
    source.failAt = 3;
    plotter.Update(QPoint(1, 1));
    EXPECT_EQ(source.asked, (std::vector<int>{1, 2, 3}));
    const QRect pad = plotter.GetPad();
    const int row = pad.top() + 10;
    const QRgb fill = T_ToRgb(opts.fillColor) & 0xFFFFFF;
    for (int trace : {1, 2})
        EXPECT_EQ(Px(pad.left() + trace * opts.tScale + 1, row), fill) << trace;
    for (int trace : {3, 4})
        EXPECT_NE(Px(pad.left() + trace * opts.tScale + 1, row), fill) << trace;

    TCSeisPlotter1 bare;
    bare.Init(&canvas, &opts, true);
    bare.SetFileInfo(6, 1000, 30);
    bare.CalculateFrame(QPoint(1, 1));
    EXPECT_FALSE(bare.DrawTrace(1));
    EXPECT_FALSE(bare.DrawTraces());
}

TEST_F(Plotter, FramesAndDrawsTheLastTracesOfAFileAtTheTraceLimit) {
    Open(2147483647, 30, 200, 30);
    plotter.CalculateFrame(QPoint(2147483647, 1));
    ASSERT_EQ(plotter.GetFrameRect().right(), 2147483647);
    // A move to the right beyond the last trace stops one short of it, as in smaller files.
    EXPECT_EQ(plotter.GetMovedVertex(10, 200, 0), QPoint(2147483646, 1));
    EXPECT_TRUE(plotter.DrawTraces());
    ASSERT_EQ(int(source.asked.size()), plotter.FrameTraces());
    EXPECT_EQ(source.asked.front(), plotter.GetFrameRect().left());
    EXPECT_EQ(source.asked.back(), 2147483647);
}

TEST_F(Plotter, TinyCanvasesAndZeroOptionsDrawWithoutFault) {
    source.value = [](int, int) { return 0.7f; };
    const QSize sizes[] = {QSize(0, 0), QSize(1, 1), QSize(30, 20), QSize(200, 9)};
    for (const QSize& size : sizes) {
        canvas = size.isEmpty() ? QImage() : QImage(size, QImage::Format_RGB32);
        plotter.Init(&canvas, &opts, true);
        plotter.SetFileInfo(100, 1000, 300);
        plotter.SetDelegate(&source);
        plotter.Update(QPoint(1, 1));
        EXPECT_LE(plotter.FrameTraces(), 100);
    }
    // Options as a damaged stored set may hold them: zero scales, steps and label steps.
    opts.tScale = 0;
    opts.sScale = 0;
    opts.tStep = 0;
    opts.sStep = 0;
    opts.traceLabelStep = 0;
    opts.timeLabelStep = 0;
    canvas = QImage(300, 200, QImage::Format_ARGB32_Premultiplied);
    plotter.Init(&canvas, &opts, false);
    plotter.SetFileInfo(100, 1000, 300);
    plotter.Update(QPoint(1, 1));
    EXPECT_GT(plotter.FrameTraces(), 0);
    EXPECT_GT(plotter.FrameSamples(), 0);
    // Another pixel format is taken over as 32-bit colour.
    canvas = QImage(300, 200, QImage::Format_RGB888);
    opts.SetDefaults();
    plotter.Update(QPoint(1, 1));
    EXPECT_EQ(canvas.format(), QImage::Format_RGB32);
}

TEST_F(Plotter, AxisTicksStandAtTheLabelledSlotsAndRows) {
    Open(100, 300, 400, 300);
    plotter.Update(QPoint(1, 1));
    const QRect pad = plotter.GetPad();
    const int tickRow = pad.top() - 3;
    for (int slot = 1; slot <= 20; ++slot) {
        const bool labelled = slot == 1 || slot % 5 == 0;
        const int x = pad.left() + slot * opts.tScale;
        EXPECT_EQ(Px(x, tickRow) == 0, labelled) << "slot " << slot;
    }
    const int tickCol = pad.left() - 3;
    for (int r : {0, 49, 99, 149})
        EXPECT_EQ(Px(tickCol, pad.top() + r), 0u) << "row " << r;
    for (int r : {1, 48, 50, 100})
        EXPECT_EQ(Px(tickCol, pad.top() + r), 0xFFFFFFu) << "row " << r;
    // The time caption reads upward: pixel (i, j) of the caption drawn flat lands at
    // (1 + j, pad top + width - i), so its first letter stands lowest.
    const QImage flat = T_RenderText(plotter.TimeAxisCaption(), QFont(QStringLiteral("Tahoma"), 8),
                                     T_ToQColor(opts.frameColor), Qt::white, &canvas);
    ASSERT_LT(pad.top() + flat.width(), canvas.height());
    int inked = 0;
    for (int j = 0; j < flat.height(); ++j) {
        for (int i = 0; i < flat.width(); ++i) {
            const QRgb want = flat.pixel(i, j) & 0xFFFFFF;
            ASSERT_EQ(Px(1 + j, pad.top() + flat.width() - i), want) << i << "," << j;
            inked += want != 0xFFFFFF;
        }
    }
    EXPECT_GT(inked, 50);
    // Time labels end 7 pixels left of the pad, right of the upward caption.
    QRect labels;
    for (int y = pad.top() - plotter.TextHeight(); y < pad.bottom(); ++y)
        for (int x = flat.height() + 1; x < pad.left() - 5; ++x)
            if (Px(x, y) != 0xFFFFFF)
                labels |= QRect(x, y, 1, 1);
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_NEAR(labels.right(), pad.left() - 8, 2);
    // The pad outline is in the frame colour, one pixel outside the pad.
    EXPECT_EQ(Px(pad.left() - 1, pad.top() + 20), T_ToRgb(opts.frameColor) & 0xFFFFFF);
    EXPECT_EQ(Px(pad.right(), pad.top() + 20), T_ToRgb(opts.frameColor) & 0xFFFFFF);
}

TEST_F(Plotter, OutlineAndTicksStandOnTheirPixels) {
    Open(100, 300, 400, 300);
    plotter.Update(QPoint(1, 1));
    const QRect pad = plotter.GetPad();
    const int l = pad.left(), t = pad.top(), r = pad.right(), b = pad.bottom();
    const int h = plotter.TextHeight();
    const QRgb frame = 0x008080; // 0x808000 stored as blue-green-red: teal
    const QRgb tick = 0x000000, white = 0xFFFFFF;
    ASSERT_EQ(t, 2 * h + 6);

    // The outline runs from (l - 1, t - 1) to (r, b); an unlabelled slot keeps it on top.
    const int quiet = l + 2 * opts.tScale + 3;
    EXPECT_EQ(Px(quiet, t - 1), frame);
    EXPECT_EQ(Px(quiet, t - 2), white);
    for (int y : {t - 1, t + 1, b - 1, b})
        EXPECT_EQ(Px(r, y), frame) << "row " << y;
    for (int y : {t + 1, b})
        EXPECT_EQ(Px(l - 1, y), frame) << "row " << y;
    for (int y : {t + 1, b - 1})
        EXPECT_EQ(Px(r + 1, y), white) << "row " << y;

    // A trace tick runs from the bottom of its label's cell down to the outline, over which
    // it is drawn.
    const int labelled = l + 5 * opts.tScale, unlabelled = l + 6 * opts.tScale;
    for (int y = 1 + 2 * h; y < t; ++y) {
        EXPECT_EQ(Px(labelled, y), tick) << "row " << y;
        EXPECT_EQ(Px(unlabelled, y), y == t - 1 ? frame : white) << "row " << y;
    }

    // A time tick covers the five columns left of the pad, the outline's included.
    for (int x = l - 5; x < l; ++x)
        EXPECT_EQ(Px(x, t + 49), tick) << "column " << x;
    EXPECT_EQ(Px(l - 6, t + 49), white);
    EXPECT_EQ(Px(l - 1, t + 50), frame);
}

TEST_F(Plotter, TraceLabelsThatWouldTouchOrLeaveTheCanvasAreLeftOut) {
    // A label every 5 slots stands 5 x tScale pixels from the next: with 3-pixel slots and
    // six-digit trace numbers that is far less than a label's width.
    struct Case {
        int tScale, traces, vertex;
        bool all; // every labelled slot has room for its number
        const char* picture;
    } const cases[] = {
        {3, 250000, 123456, false, "screen-trace-labels-3px-six-digits"},
        {3, 1000, 1, false, nullptr},
        {7, 1000, 1, true, nullptr},
    };
    for (const Case& c : cases) {
        opts.tScale = qint16(c.tScale);
        Open(c.traces, 300, 400, 150);
        source.value = [](int t, int s) { return float(std::sin(0.15 * s + 0.7 * t)); };
        plotter.Update(QPoint(c.vertex, 1));
        if (c.picture)
            T_SavePicture(canvas, c.picture);
        const QRect pad = plotter.GetPad();
        const QRect f = plotter.GetFrameRect();
        const int h = plotter.TextHeight();
        const QFontMetrics fm = T_FontMetrics(QFont(QStringLiteral("Tahoma"), 8), &canvas);
        const int widest = fm.horizontalAdvance(QString::number(f.right()));
        std::vector<int> centres; // of the labelled slots
        for (int k = 0; k <= plotter.FrameTraces(); k += opts.traceLabelStep)
            centres.push_back(std::max(k, 1) * opts.tScale + pad.left());

        const auto runs = T_InkRuns(canvas, 1 + h, h);
        ASSERT_FALSE(runs.empty()) << c.vertex;
        int last = -1;
        for (const auto& run : runs) {
            const int centre2 = run.first + run.second + 1; // twice the centre
            SCOPED_TRACE(testing::Message() << "tScale " << c.tScale << " vertex " << c.vertex
                                            << " label at " << run.first << "-" << run.second);
            // One whole number, not two run together and not cut at an edge of the canvas.
            EXPECT_LE(run.second - run.first + 1, widest);
            EXPECT_GT(run.first, 0);
            EXPECT_LT(run.second, canvas.width() - 1);
            const auto slot = std::find_if(centres.begin(), centres.end(),
                                           [&](int x) { return std::abs(centre2 - 2 * x) <= 4; });
            ASSERT_NE(slot, centres.end());
            // A label is left out only when it would touch the one before.
            if (last >= 0) {
                EXPECT_LE(*slot - last, widest + fm.horizontalAdvance(QLatin1Char('0')) +
                                            opts.traceLabelStep * c.tScale);
            }
            last = *slot;
        }
        EXPECT_LE(std::abs(runs.front().first + runs.front().second + 1 - 2 * centres.front()), 4);
        if (c.all)
            EXPECT_EQ(runs.size(), centres.size());
        else
            EXPECT_LT(runs.size(), centres.size());
    }
}

} // namespace
