// tva3 end to end: the real procrunner, started with the batch editor's command line, against a
// test owner of the channel; output compared byte for byte with the input outside the windows.

#include "procbase/resultcodes.h"
#include "procrunner/testkit/proctestkit.h"
#include "trcfile/tcsegyreaderex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace {

using proctest::Bytes;
using proctest::Home;

// The input's bytes with samples first..last (from 1) of trace t zeroed where window(t) says.
using WindowFn = std::function<bool(int t, int& first, int& last)>;
std::string Expected(const std::string& path, const WindowFn& window) {
    std::string bytes = Bytes(path);
    TCSegyReaderEx r;
    EXPECT_EQ(0, r.Open(path));
    const int w = r.SampleSize();
    for (int t = 1; t <= r.Traces(); ++t) {
        int a = 0, b = 0;
        if (!window(t, a, b))
            continue;
        const int64_t at = r.DataStart() + (t - 1) * r.TraceBytes() + 240 + int64_t(a - 1) * w;
        bytes.replace(static_cast<size_t>(at), size_t(b - a + 1) * w, size_t(b - a + 1) * w, '\0');
    }
    return bytes;
}

} // namespace

TEST(Tva3Run, ZeroesTheWindowsInEveryFormatAndByteOrder) {
    TCWorkerHarness owner;
    ASSERT_TRUE(owner.IsOpen());
    // Worked example: A = 2t - 1, B = 10t + 90 on traces 1..11, nothing beyond.
    ASSERT_TRUE(owner.SetJob("1:1-100;11:21-200"));
    const WindowFn worked = [](int t, int& a, int& b) {
        if (t > 11)
            return false;
        a = 2 * t - 1;
        b = 10 * t + 90;
        return true;
    };
    unsigned index = 0;
    for (TCFileFmt order : {fmtWindows, fmtUnix})
        for (int format : {1, 2, 3, 5, 8}) {
            SCOPED_TRACE("order " + std::to_string(order) + " format " + std::to_string(format));
            SynthSpec synth;
            synth.sources = 2;
            synth.receivers = 12;
            synth.samples = 250;
            synth.format = format;
            synth.order = order;
            synth.extBlocks = 1;
            const std::string in = Home() + "/in" + std::to_string(index) + ".sgy";
            const std::string out = Home() + "/out" + std::to_string(index) + ".sgy";
            ASSERT_EQ(0, WriteSynthSegy(in, synth));
            EXPECT_TRUE(proctest::CleanRun(
                owner.Run("tva3", index, QString::fromStdString(in), QString::fromStdString(out))));
            EXPECT_TRUE(Bytes(out) == Expected(in, worked)) << "output differs";
            EXPECT_FALSE(Bytes(out) == Bytes(in)) << "the windows held no signal";
            ++index;
        }
}

// An output of many 2 MiB blocks of the double-buffered writer, whose trace size does not
// divide a block, compared whole with the expected bytes; the windows move to earlier samples
// and back, so a block written twice or out of order shows.
TEST(Tva3Run, MultiBlockOutputIsByteExact) {
    TCWorkerHarness owner;
    ASSERT_TRUE(owner.SetJob("1:900-1500;600:1-40;1200:700-*"));
    SynthSpec synth;
    synth.sources = 12;
    synth.receivers = 100; // 1200 traces of 240 + 4 x 1500 bytes: about 7.5 MB
    synth.samples = 1500;
    synth.order = fmtWindows;
    const std::string in = Home() + "/many-blocks.sgy", out = Home() + "/many-blocks-out.sgy";
    ASSERT_EQ(0, WriteSynthSegy(in, synth));
    ASSERT_GT(Bytes(in).size(), 3u * 2 * 1024 * 1024);
    EXPECT_TRUE(proctest::CleanRun(
        owner.Run("tva3", 0, QString::fromStdString(in), QString::fromStdString(out))));
    // Between control traces n1 and n2 an end moves from v1 to v2 by a slope per trace,
    // halves rounded up.
    const auto at = [](int t, int n1, int v1, int n2, int v2) {
        const double slope = double(v2 - v1) / (n2 - n1);
        return int(v1 + 0.5 + (t - n1) * slope);
    };
    const std::string expected = Expected(in, [&](int t, int& a, int& b) {
        if (t <= 600) {
            a = at(t, 1, 900, 600, 1);
            b = at(t, 1, 1500, 600, 40);
        } else {
            a = at(t, 600, 1, 1200, 700);
            b = at(t, 600, 40, 1200, 1500);
        }
        return true;
    });
    const std::string got = Bytes(out);
    ASSERT_EQ(expected.size(), got.size());
    // The first differing byte, rather than a dump of megabytes.
    const auto diff = std::mismatch(expected.begin(), expected.end(), got.begin());
    EXPECT_TRUE(diff.first == expected.end())
        << "first difference at byte " << (diff.first - expected.begin());
}

TEST(Tva3Run, StarReachesTheLastTraceAndTheEndOfTrace) {
    TCWorkerHarness owner;
    ASSERT_TRUE(owner.SetJob("5:10-*;*:10-*"));
    SynthSpec synth;
    synth.sources = 3;
    synth.receivers = 10;
    synth.samples = 64;
    const std::string in = Home() + "/star.sgy";
    ASSERT_EQ(0, WriteSynthSegy(in, synth));
    // A path with a blank and Cyrillic letters goes through the quoted command line.
    const std::string outOdd = Home() + "/выход 1.sgy";
    EXPECT_TRUE(proctest::CleanRun(
        owner.Run("tva3", 3, QString::fromStdString(in), QString::fromUtf8(outOdd))));
    EXPECT_TRUE(Bytes(outOdd) == Expected(in, [](int t, int& a, int& b) {
                    a = 10;
                    b = 64;
                    return t >= 5;
                }));
    EXPECT_FALSE(Bytes(outOdd) == Bytes(in));
}

TEST(Tva3Run, RunTimeFailuresAreFinalStatuses) {
    TCWorkerHarness owner;
    SynthSpec synth;
    synth.sources = 1;
    synth.receivers = 10;
    synth.samples = 100;
    const std::string in = Home() + "/small.sgy", out = Home() + "/small-out.sgy";
    ASSERT_EQ(0, WriteSynthSegy(in, synth));
    const struct {
        const char* job;
        std::string input;
        int result;
    } cases[] = {
        {"11:1-5", in, prc::kJobDoesNotFit},    // first control trace beyond the file
        {"1:101-200", in, prc::kJobDoesNotFit}, // every window beyond the trace
        {"1:1-", in, prc::kValueError},
        {"", in, prc::kFormatError},
        {"1:1-5", Home() + "/missing.sgy", prc::kInputOpen},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.job);
        EXPECT_TRUE(proctest::EndedWith(proctest::RunJob(owner, "tva3", c.job, 1,
                                                         QString::fromStdString(c.input),
                                                         QString::fromStdString(out)),
                                        c.result));
    }
}

TEST(Tva3Run, SoftStopMidFileLeavesAClosedReadableOutput) {
    TCWorkerHarness owner;
    ASSERT_TRUE(owner.SetJob("1:1-10;*:1-10"));
    SynthSpec synth;
    synth.sources = 20;
    synth.receivers = 100; // 2000 traces, a stop query every 256
    synth.samples = 100;
    const std::string in = Home() + "/long.sgy", out = Home() + "/long-out.sgy";
    ASSERT_EQ(0, WriteSynthSegy(in, synth));
    owner.SetStopWhen([](const TWorkerRun& run) { return run.stopQueries >= 3; });
    const TWorkerRun run =
        owner.Run("tva3", 2, QString::fromStdString(in), QString::fromStdString(out));
    EXPECT_TRUE(proctest::EndedWith(run, prc::kStopped));
    EXPECT_EQ(3, run.stopQueries);
    TCSegyReaderEx r;
    ASSERT_EQ(0, r.Open(out));
    EXPECT_GT(r.Traces(), 0);
    EXPECT_LT(r.Traces(), 2000);
    // What was written is the processed start of the file.
    const std::string whole = Expected(in, [](int, int& a, int& b) {
        a = 1;
        b = 10;
        return true;
    });
    EXPECT_TRUE(Bytes(out) == whole.substr(0, static_cast<size_t>(r.FileSize())));
}
