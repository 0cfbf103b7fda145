#include "viewcore/tctracesupplier.h"

#include "plotcore/tcseisplotter1.h"
#include "plotcore/tcsviewopts.h"
#include "segygen/segygen.h"
#include "sigproc/sigproc.h"
#include "trcfile/tcsegyreaderex.h"
#include "trcfile/trcerrors.h"
#include "viewcore/tcframecasheb.h"
#include "viewcore/tcviewerparams.h"

#include <gtest/gtest.h>

#include <QDir>

#include <QImage>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

// A record of 2 shots x 24 receivers, 500 samples of 2 ms, IEEE floats so samples read back
// exactly as SynthTrace gives them.
class Supplier : public ::testing::Test {
protected:
    void SetUp() override {
        synth.sources = 2;
        synth.receivers = 24;
        synth.samples = 500;
        synth.format = 5;
        synth.amplitude = 3.0;
        path = (QDir::tempPath() + "/supplier.sgy").toStdString();
        if (const char* home = std::getenv("GRAVIK_HOME"))
            path = std::string(home) + "/supplier.sgy";
        ASSERT_EQ(WriteSynthSegy(path, synth), 0);
        ASSERT_EQ(reader.Open(path), 0);
        params.signal.maxDelay = synth.samples;
        supplier.Bind(&reader, &params, &cache);
        supplier.SetInterval(0.002);
    }

    // Raw samples of trace t (from 1), zero outside the trace.
    float Raw(int t, int i) const {
        if (i < 0 || i >= synth.samples)
            return 0.0f;
        const int k = t - 1;
        return SynthTrace(synth, k / synth.receivers, k % synth.receivers)[size_t(i)];
    }

    // Asks for the traces first..last (step 1) of a frame over samples s0..s1 (from 0) and
    // returns each trace's output.
    std::vector<std::vector<float>> Frame(int first, int last, int s0, int s1) {
        std::vector<std::vector<float>> out;
        for (int t = first; t <= last; ++t) {
            const float* p = supplier.Provide(t, first, 1, s0, s1);
            out.emplace_back(p ? std::vector<float>(p, p + (s1 - s0 + 1)) : std::vector<float>());
        }
        return out;
    }

    SynthSpec synth;
    std::string path;
    TCSegyReaderEx reader;
    TCViewerParams params;
    TCFrameCasheB cache;
    TCTraceSupplier supplier;
};

TEST_F(Supplier, FixedGainGivesTheFrameSamplesTimesTheGain) {
    params.signal.gain[0] = 2.5f;
    params.signal.cutNegative = false;
    supplier.SetInputScale(0.5f);
    const auto out = Frame(3, 6, 100, 199);
    for (int t = 3; t <= 6; ++t)
        for (int i = 0; i < 100; ++i)
            ASSERT_FLOAT_EQ(out[size_t(t - 3)][size_t(i)], 1.25f * Raw(t, 100 + i))
                << t << " " << i;
    // Context of max(halfLen 15, AGC window 20) on both sides.
    EXPECT_EQ(supplier.WindowStart(), 80);
    EXPECT_EQ(supplier.WindowEnd(), 219);
    EXPECT_EQ(cache.Count(), 4);
    EXPECT_EQ(cache.firstTrace, 3);
}

TEST_F(Supplier, ReadWindowIsClippedToTheTrace) {
    params.signal.agcWindow = 40;
    Frame(1, 1, 0, 99);
    EXPECT_EQ(supplier.WindowStart(), 0);
    EXPECT_EQ(supplier.WindowEnd(), 139);
    Frame(1, 1, 450, 499);
    EXPECT_EQ(supplier.WindowStart(), 410);
    EXPECT_EQ(supplier.WindowEnd(), 499);
}

// The band-pass filter runs over the widened window, so the frame's samples are those of the
// window filtered as a whole (its mirrored ends lie outside the frame).
TEST_F(Supplier, FilterSeesTheContextAroundTheFrame) {
    TCSignal& s = params.signal;
    s.filtOn = true;
    s.lowFreq = 10;
    s.highFreq = 40;
    s.halfLen = 20;
    s.agcWindow = 10;
    s.cutNegative = false;
    const auto out = Frame(7, 7, 200, 299);
    double coeff[SP_MAX_COEFFS];
    ASSERT_EQ(SP_PotterBPFilter(20, 10, 40, 0.002, coeff), 41);
    std::vector<float> win(140), work(140);
    for (int i = 0; i < 140; ++i)
        win[size_t(i)] = Raw(7, 180 + i);
    SP_FilterFloat(win.data(), 140, 20, coeff, work.data());
    for (int i = 0; i < 100; ++i)
        ASSERT_NEAR(out[0][size_t(i)], win[size_t(20 + i)], 1e-5) << i;
}

// AGC levels each sample by the RMS of a centred window; with that much context the frame
// reads the same as the whole trace processed at once.
TEST_F(Supplier, AgcInsideTheFrameMatchesTheWholeTrace) {
    TCSignal& s = params.signal;
    s.mode = 2;
    s.agcWindow = 30;
    s.cutNegative = false;
    const auto out = Frame(10, 10, 150, 249);
    std::vector<float> whole(500), work(500);
    for (int i = 0; i < 500; ++i)
        whole[size_t(i)] = Raw(10, i);
    s.ProcessTraceSegment(whole.data(), 500, SP_MaxAbs(whole.data(), 500), work.data());
    for (int i = 0; i < 100; ++i)
        ASSERT_NEAR(out[0][size_t(i)], whole[size_t(150 + i)], 1e-4) << i;
}

// Reduction by trace number: refTrace 1, 250 m apart, 8000 m/s at 2 ms gives trace 11 a delay
// of 156 samples, so display row i shows recorded sample i + 156; past the end rows are zero.
TEST_F(Supplier, DelayShiftsTheReadWindow) {
    TCSignal& s = params.signal;
    s.reduOn = true;
    s.delayOn = true;
    s.delay = 4;
    s.cutNegative = false;
    const auto out = Frame(11, 11, 300, 399);
    for (int i = 0; i < 100; ++i)
        ASSERT_FLOAT_EQ(out[0][size_t(i)], Raw(11, 300 + i + 160)) << i;
    EXPECT_EQ(cache.GetDelay(11), 160);
    QPoint p(11, 300);
    cache.AddDelay(p);
    EXPECT_EQ(p.y(), 460);
}

// With offsets from the headers the delay follows |offset| (receiver X - source X).
TEST_F(Supplier, DistanceFromTheHeaderOffset) {
    TCSignal& s = params.signal;
    s.reduOn = true;
    s.offsetByTrace = false;
    s.rVel = 2500;
    Frame(26, 28, 0, 49);
    for (int t = 26; t <= 28; ++t) {
        reader.SetTrace(t);
        const double x = std::fabs(double(reader.HdrWord('T', 11)));
        EXPECT_EQ(cache.GetDelay(t), int(x / (2500 * 0.002) + 0.5)) << t;
    }
    EXPECT_DOUBLE_EQ(cache.GetShotTime(27), reader.TraceTime());
}

TEST_F(Supplier, GainTableModeUsesTheTableGain) {
    params.gainTable.Add(1, 2.0f);
    params.gainTable.Add(9, 6.0f);
    params.SetAgaMode(true);
    params.signal.mode = 1; // ignored in the table mode
    params.signal.cutNegative = false;
    const auto out = Frame(5, 5, 0, 99);
    for (int i = 0; i < 100; ++i)
        ASSERT_FLOAT_EQ(out[0][size_t(i)], 4.0f * Raw(5, i)) << i;
}

TEST_F(Supplier, UnreadableTraceIsRemembered) {
    const int last = synth.sources * synth.receivers;
    EXPECT_NE(supplier.Provide(last, last, 1, 0, 9), nullptr);
    EXPECT_FALSE(supplier.Failed());
    EXPECT_EQ(supplier.Provide(last + 1, last, 1, 0, 9), nullptr);
    EXPECT_TRUE(supplier.Failed());
    EXPECT_EQ(supplier.FailedTrace(), last + 1);
    EXPECT_EQ(supplier.FailedCode(), trc::kErrTraceRange);
    supplier.ClearFailure();
    EXPECT_FALSE(supplier.Failed());
}

} // namespace

namespace {

// The plotter's path reads the whole frame at its first trace and processes it on all cores;
// every trace must come out as the one-by-one path gives it, and a trace that fails ends the
// frame there.
TEST_F(Supplier, WholeFrameMatchesTraceByTrace) {
    TCSignal& s = params.signal;
    s.filtOn = true;
    s.mode = 2;
    s.reduOn = true;
    s.cutNegative = false;
    QImage canvas(500, 600, QImage::Format_RGB32);
    TCSViewOpts& opts = params.viewOpts;
    opts.tScale = 30; // about 14 slots of two traces: a frame inside the record
    opts.tStep = 2;
    TCSeisPlotter1 plotter;
    plotter.Init(&canvas, &opts, true);
    plotter.SetFileInfo(48, 2000, 500);
    plotter.CalcPad();
    plotter.CalcFrame(QPoint(4, 40));
    const QRect f = plotter.GetFrameRect();
    ASSERT_EQ(f.left(), 4);
    ASSERT_GT(f.right(), 20);
    ASSERT_LT(f.right(), 48);

    TCViewerParams same = params;
    TCFrameCasheB otherCache;
    TCTraceSupplier single;
    single.Bind(&reader, &same, &otherCache);
    single.SetInterval(0.002);
    const int n = f.bottom() - f.top() + 1;
    for (int t = f.left(); t <= f.right(); t += 2) {
        const float* a = supplier.ProvideTrace(plotter, t);
        const float* b = single.Provide(t, f.left(), 2, f.top() - 1, f.bottom() - 1);
        ASSERT_NE(a, nullptr);
        ASSERT_NE(b, nullptr);
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(a[i], b[i]) << t << " " << i;
    }
    EXPECT_EQ(cache.Count(), otherCache.Count());
    EXPECT_EQ(cache.GetDelay(f.left() + 10), otherCache.GetDelay(f.left() + 10));

    // The file cut inside trace 20 while open: the frame ends at the first trace that cannot be
    // read (or later, where the reader had read ahead), and every trace after it gives nothing.
    std::filesystem::resize_file(path, 3600 + 19 * (240 + 4 * 500) + 50);
    plotter.CalcFrame(QPoint(2, 1));
    const QRect g = plotter.GetFrameRect();
    ASSERT_GT(g.right(), 20);
    supplier.ClearFailure();
    bool ended = false;
    for (int t = g.left(); t <= g.right(); t += 2) {
        const float* p = supplier.ProvideTrace(plotter, t);
        if (t < 20) {
            EXPECT_NE(p, nullptr) << t;
        }
        if (ended) {
            EXPECT_EQ(p, nullptr) << t;
        }
        ended = ended || p == nullptr;
    }
    EXPECT_TRUE(ended);
    EXPECT_TRUE(supplier.Failed());
    EXPECT_GE(supplier.FailedTrace(), 20);
}

} // namespace
