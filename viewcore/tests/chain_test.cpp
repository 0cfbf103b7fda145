// The viewer's per-trace chain (context window, filter, amplitude mode, Amplify) feeding the
// screen plotter, on a synthetic shot record with noise. With GRAVIK_PICTURES=DIR set, each case
// also writes the frame as the viewer draws it, with the default view options, to DIR/<name>.png.

#include "viewcore/tcsignal.h"

#include "plotcore/tcseisplotter1.h"
#include "plotcore/tcsviewopts.h"
#include "plotcore/tctrcdelegate.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kTraces = 96;
constexpr int kSamples = 1000;
constexpr int kIntervalUs = 2000;
constexpr double kDt = kIntervalUs * 1e-6;

using Record = std::vector<std::vector<float>>;

// Normal deviates by Box-Muller over mt19937, whose sequence the standard fixes, so the record
// is the same with every standard library.
class Noise {
public:
    double Next() {
        const double u1 = (double(m_gen()) + 1.0) / 4294967297.0;
        const double u2 = double(m_gen()) / 4294967296.0;
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * kPi * u2);
    }

private:
    std::mt19937 m_gen{12};
};

double ricker(double t, double freq) {
    const double a = (kPi * freq * t) * (kPi * freq * t);
    return (1.0 - 2.0 * a) * std::exp(-a);
}

// An end-on shot record, receivers 25 m apart: a direct arrival and three reflections (25 Hz
// Ricker wavelets on hyperbolic moveout) that fade with time as their wavefronts spread, over
// Gaussian noise of RMS `noise`, plus `offset`.
Record shotRecord(double noise, double offset) {
    struct Event {
        double t0, velocity, amp;
    } events[] = {{0.0, 1800, 2.0}, {0.5, 2000, 1.6}, {1.0, 2500, 1.6}, {1.6, 3000, 1.6}};
    Noise gauss;
    Record record(kTraces, std::vector<float>(kSamples));
    for (int t = 0; t < kTraces; ++t) {
        const double x = 25.0 * (t + 1);
        for (int i = 0; i < kSamples; ++i) {
            const double time = i * kDt;
            double v = offset + noise * gauss.Next();
            for (const Event& e : events) {
                const double arrival = std::sqrt(e.t0 * e.t0 + (x / e.velocity) * (x / e.velocity));
                v += e.amp / (1.0 + 2.0 * arrival) * ricker(time - arrival, 25.0);
            }
            record[size_t(t)][size_t(i)] = float(v);
        }
    }
    return record;
}

// Processed samples of one trace of the plotter's frame, as the viewer produces them: the
// frame's sample range widened by the filter and AGC context and clipped to the trace, read from
// the sample plus the trace's total delay, processed, and the frame's part handed over. Every
// sample handed over is also kept in `drawn`.
class ViewerChain : public TCTrcDelegate {
public:
    ViewerChain(const Record& record, const TCSignal& signal)
        : m_record(record), m_signal(signal) {}

    const float* ProvideTrace(const TCSeisPlotter1& plotter, int trace) override {
        const QRect frame = plotter.GetFrameRect();
        const int context = m_signal.GetContextSmp();
        const int first = std::max(0, frame.top() - 1 - context);
        const int last = std::min(kSamples - 1, frame.bottom() - 1 + context);
        const int n = last - first + 1;
        const int delay = m_signal.GetTotalDelaySmp(trace, float(kDt));
        const std::vector<float>& src = m_record[size_t(trace - 1)];
        m_buffer.assign(size_t(n), 0.0f);
        m_work.resize(size_t(n));
        float maxAbs = 0.0f;
        for (int i = 0; i < n; ++i) {
            const int s = first + i + delay;
            if (s >= 0 && s < kSamples)
                m_buffer[size_t(i)] = src[size_t(s)];
            maxAbs = std::max(maxAbs, std::fabs(m_buffer[size_t(i)]));
        }
        m_signal.ProcessTraceSegment(m_buffer.data(), n, maxAbs, m_work.data());
        const float* frameData = m_buffer.data() + (frame.top() - 1 - first);
        drawn.insert(drawn.end(), frameData, frameData + frame.height());
        return frameData;
    }

    std::vector<float> drawn;

private:
    const Record& m_record;
    const TCSignal& m_signal;
    std::vector<float> m_buffer, m_work;
};

// Draws the whole record as the viewer does (default view options, Russian captions), builds the
// filter first while it is on, and writes the picture when pictures are asked for. Returns the
// samples handed to the plotter, trace after trace.
std::vector<float> drawRecord(const Record& record, TCSignal& signal, const char* picture) {
    if (signal.filtOn)
        signal.BuildBandPassFilter(kDt);
    TCSViewOpts opts;
    QImage canvas(10, 10, QImage::Format_RGB32);
    TCSeisPlotter1 plotter;
    plotter.Init(&canvas, &opts, true);
    plotter.SetFileInfo(kTraces, kIntervalUs, kSamples);
    const QPoint margins = plotter.GetPadMargins();
    canvas = QImage(margins.x() + (kTraces + 2) * opts.tScale + 6,
                    margins.y() + kSamples * opts.sScale + 6, QImage::Format_RGB32);
    ViewerChain chain(record, signal);
    plotter.SetDelegate(&chain);
    plotter.Update(QPoint(1, 1));
    EXPECT_EQ(plotter.GetFrameRect(), QRect(QPoint(1, 1), QPoint(kTraces, kSamples)));
    const QString dir = qEnvironmentVariable("GRAVIK_PICTURES");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        EXPECT_TRUE(canvas.save(dir + QStringLiteral("/%1.png").arg(QLatin1String(picture))));
    }
    return chain.drawn;
}

double rmsOfRows(const std::vector<float>& drawn, int from, int to) {
    double sum = 0.0;
    for (int t = 0; t < kTraces; ++t)
        for (int i = from; i < to; ++i) {
            const double v = drawn[size_t(t) * kSamples + size_t(i)];
            sum += v * v;
        }
    return std::sqrt(sum / (double(kTraces) * (to - from)));
}

TEST(ViewerChain, AgcAtItsDefaultsKeepsANoisyShotRecordInsideTheSlots) {
    const Record record = shotRecord(0.002, 0.0);
    TCSignal signal;
    signal.mode = 2;
    const std::vector<float> drawn = drawRecord(record, signal, "agc-default");
    ASSERT_EQ(drawn.size(), size_t(kTraces) * kSamples);
    const auto clipped =
        std::count_if(drawn.begin(), drawn.end(), [](float v) { return v > 1.0f; });
    EXPECT_LE(double(clipped) / double(drawn.size()), 0.03) << clipped << " samples clipped";
    // Still levelled: the early rows and the late ones, 8 dB weaker as recorded, come out alike.
    const double early = rmsOfRows(drawn, 50, 350), late = rmsOfRows(drawn, 700, 1000);
    EXPECT_GT(early / late, 0.8);
    EXPECT_LT(early / late, 1.25);
}

TEST(ViewerChain, BandPassTakesADcOffsetOutOfTheDrawnTraces) {
    const Record record = shotRecord(0.05, 0.5);
    TCSignal signal;
    signal.filtOn = true;
    drawRecord(record, signal, "bandpass-dc");
    // The same traces with their negative phases kept: what the band-pass left averages out.
    signal.cutNegative = false;
    const std::vector<float> drawn = drawRecord(record, signal, "bandpass-dc-wiggle");
    for (int t = 0; t < kTraces; ++t) {
        double sum = 0.0;
        for (int i = 0; i < kSamples; ++i)
            sum += drawn[size_t(t) * kSamples + size_t(i)];
        ASSERT_LT(std::fabs(sum / kSamples), 0.01) << "trace " << t + 1;
    }
}

} // namespace
