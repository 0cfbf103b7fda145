// qos5 end to end: the real procrunner, started with the batch editor's command line, against a
// test owner of the channel, with the run-time job text the editor publishes
// ("<job>|<folder>|<name>|<name>..."). Outputs are compared byte for byte with an output built
// here from the inputs.

#include "procbase/resultcodes.h"
#include "procrunner/testkit/proctestkit.h"
#include "segygen/segygen.h"
#include "trcfile/tcsegyreaderex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using proctest::Bytes;
using proctest::CleanRun;
using proctest::Home;

namespace {

struct Piece {
    std::string path;
    int first, last;
};

// The merged file: the first piece's file headers with binary word 7 = samples, then each
// piece's traces with word 1 numbered on, word 38 = samples ("+": word 3 = old word 1), samples
// cut or padded with zero bytes.
std::string Expected(const std::vector<Piece>& pieces, int samples, bool keep) {
    std::string out;
    int64_t running = 0;
    for (size_t k = 0; k < pieces.size(); ++k) {
        const Piece& p = pieces[k];
        TCSegyReaderEx r;
        EXPECT_EQ(0, r.Open(p.path));
        const std::string in = Bytes(p.path);
        const bool big = r.BigEndian();
        const size_t w = size_t(r.SampleSize());
        if (k == 0) {
            out = in.substr(0, size_t(r.DataStart()));
            TCSegyReaderEx::SetWord(&out[3200], 'B', 7, samples, big);
        }
        for (int t = p.first; t <= p.last; ++t) {
            std::string trace =
                in.substr(size_t(r.DataStart() + (t - 1) * r.TraceBytes()), size_t(r.TraceBytes()));
            trace.resize(240 + size_t(samples) * w, '\0');
            char* h = &trace[0];
            if (keep)
                TCSegyReaderEx::SetWord(h, 'T', 3, TCSegyReaderEx::GetWord(h, 'T', 1, big), big);
            TCSegyReaderEx::SetWord(h, 'T', 1, ++running, big);
            TCSegyReaderEx::SetWord(h, 'T', 38, samples, big);
            out += trace;
        }
    }
    return out;
}

std::string Write(const std::string& name, int sources, int receivers, int samples,
                  TCFileFmt order = fmtUnix, int format = 1, int intervalUs = 2000) {
    SynthSpec synth;
    synth.sources = sources;
    synth.receivers = receivers;
    synth.samples = samples;
    synth.order = order;
    synth.format = format;
    synth.intervalUs = intervalUs;
    synth.extBlocks = name == "a.sgy" ? 1 : 0;
    synth.seed = unsigned(samples);
    const std::string path = Home() + "/in/" + name;
    EXPECT_EQ(0, WriteSynthSegy(path, synth));
    return path;
}

QString RuntimeJob(const std::string& job, const std::vector<std::string>& names) {
    std::string text = job + "|" + Home() + "/in";
    for (const std::string& n : names)
        text += "|" + n;
    return QString::fromStdString(text);
}

class Qos5Run : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(Home() + "/in"); }
};

} // namespace

TEST_F(Qos5Run, JoinsPiecesOfFilesWithDifferentTraceLengths) {
    TCWorkerHarness owner;
    unsigned index = 0;
    for (auto [order, format] : {std::pair{fmtUnix, 1}, std::pair{fmtWindows, 2}}) {
        const std::string tag = std::to_string(index);
        // a: 20 traces of 300 samples; b: 15 traces of 200 samples.
        const std::string a = Write("a.sgy", 2, 10, 300, order, format);
        const std::string b = Write("b.sgy", 1, 15, 200, order, format);
        // e: headers only, no trace.
        const std::string e = Write("e.sgy", 1, 1, 300, order, format);
        std::filesystem::resize_file(e, 3600);
        const std::vector<std::string> names = {"a.sgy", "b.sgy", "e.sgy"};
        const struct {
            const char* job;
            std::vector<Piece> pieces;
            int samples;
            bool keep;
        } cases[] = {
            {"0;1:*;2:*", {{a, 1, 20}, {b, 1, 15}}, 200, false},       // cut to the shortest
            {"1;1:*;2:*", {{a, 1, 20}, {b, 1, 15}}, 300, false},       // padded to the longest
            {"400;2:3-*;1:2-2", {{b, 3, 15}, {a, 2, 2}}, 400, false},  // both padded
            {"1;1:10-20;1:1-5", {{a, 10, 20}, {a, 1, 5}}, 300, false}, // one file twice
            {"+0;2:1-1;1:20-20;2:15-15", {{b, 1, 1}, {a, 20, 20}, {b, 15, 15}}, 200, true},
            {"0;3:*;1:*", {{e, 1, 0}, {a, 1, 20}}, 300, false}, // a whole empty file adds none
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.job) + " order " + std::to_string(order));
            const std::string out = Home() + "/out" + tag + ".sgy";
            ASSERT_TRUE(owner.SetJob(RuntimeJob(c.job, names)));
            EXPECT_TRUE(CleanRun(
                owner.Run("qos5", index, QString::fromStdString(a), QString::fromStdString(out))));
            const std::string got = Bytes(out);
            const std::string want = Expected(c.pieces, c.samples, c.keep);
            EXPECT_EQ(want.size(), got.size());
            EXPECT_TRUE(want == got) << "output differs";
            TCSegyReaderEx r;
            ASSERT_EQ(0, r.Open(out)) << "the merge is a readable file";
            EXPECT_EQ(c.samples, r.Samples());
        }
        ++index;
    }
}

TEST_F(Qos5Run, RunTimeFailuresWriteNoOutput) {
    TCWorkerHarness owner;
    const std::string a = Write("a.sgy", 2, 10, 300);
    Write("b.sgy", 1, 15, 200);
    Write("fine.sgy", 1, 5, 300, fmtUnix, 1, 1000); // another sample interval
    Write("little.sgy", 1, 5, 300, fmtWindows, 1);  // another byte order
    Write("int16.sgy", 1, 5, 300, fmtUnix, 3);      // another sample format
    const std::vector<std::string> names = {"a.sgy",      "b.sgy",     "fine.sgy",
                                            "little.sgy", "int16.sgy", "missing.sgy"};
    const std::string aBefore = Bytes(a);
    const struct {
        std::string job;
        std::string output;
        int result;
    } cases[] = {
        {"0;1:*;2:1-16", "o1.sgy", prc::kPieceBeyondFile}, // b has 15 traces
        {"0;1:21-*;2:*", "o2.sgy", prc::kPieceBeyondFile}, // a has 20
        {"0;1:*;3:*", "o3.sgy", prc::kPropsDiffer},
        {"0;1:*;4:*", "o4.sgy", prc::kPropsDiffer},
        {"0;1:*;5:*", "o5.sgy", prc::kPropsDiffer},
        {"0;1:*;6:*", "o6.sgy", prc::kPieceOpen},
        {"0;6:*;1:*", "o8.sgy", prc::kPieceOpen}, // the first piece's file as well
        {"0;1:*;7:*", "o7.sgy", prc::kDuplicateName},
        // The output is one of the pieces' files: refused before it is truncated.
        {"0;2:*;1:*", "in/a.sgy", prc::kOutputIsInput},
    };
    unsigned index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.job);
        ASSERT_TRUE(owner.SetJob(RuntimeJob(c.job, names)));
        const std::string out = Home() + "/" + c.output;
        const TWorkerRun run =
            owner.Run("qos5", index++, QString::fromStdString(a), QString::fromStdString(out));
        EXPECT_EQ(1, run.finals);
        EXPECT_EQ(c.result, run.result);
        if (c.result != prc::kOutputIsInput) {
            EXPECT_FALSE(std::filesystem::exists(out));
        }
    }
    EXPECT_TRUE(aBefore == Bytes(a)) << "an input was overwritten";

    // Without the file list the editor appends, the run fails with 210.
    ASSERT_TRUE(owner.SetJob("0;1:*;2:*"));
    const TWorkerRun run =
        owner.Run("qos5", 9, QString::fromStdString(a), QString::fromStdString(Home() + "/o9.sgy"));
    EXPECT_EQ(prc::kJobDoesNotFit, run.result);
}
