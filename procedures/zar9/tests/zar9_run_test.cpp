// zar9 end to end: the real procrunner, started with the batch editor's command line, against a
// test owner of the channel, splitting a shuffled file of shot records into gathers.

#include "procbase/resultcodes.h"
#include "procrunner/testkit/proctestkit.h"
#include "segygen/segygen.h"
#include "trcfile/tcsegyreaderex.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

using proctest::Bytes;
using proctest::CleanRun;
using proctest::Home;

namespace {

// Field indexes: 0 position in the file as written (segygen; zar9 leaves it), 1 the word zar9
// renumbers, 2 shot number, 3 receiver number (segygen) or the kept number ("+").
constexpr int kPos = 0, kSeq = 1, kShot = 2, kRecv = 3;

// Files of the folder whose names start with `prefix`, sorted.
std::set<std::string> Listed(const std::string& folder, const std::string& prefix) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (e.path().filename().string().rfind(prefix, 0) == 0)
            names.insert(e.path().filename().string());
    return names;
}

// One output trace and the input trace it came from.
struct TracePair {
    int64_t word[91];
    std::string header, samples;     // output bytes
    std::string inHeader, inSamples; // input bytes of the same trace
};

// Reads every trace of `out` and pairs it with the input trace named by its word 0.
std::vector<TracePair> ReadOutput(const std::string& out, const std::string& inBytes,
                                  const TCSegyReaderEx& in) {
    std::vector<TracePair> traces;
    TCSegyReaderEx r;
    EXPECT_EQ(0, r.Open(out));
    if (!r.IsOpen())
        return traces;
    EXPECT_EQ(in.TraceBytes(), r.TraceBytes());
    const std::string bytes = Bytes(out);
    // Textual, binary and extended headers are the input's.
    EXPECT_EQ(inBytes.substr(0, size_t(in.DataStart())), bytes.substr(0, size_t(r.DataStart())));
    for (int t = 1; t <= r.Traces(); ++t) {
        TracePair p;
        const size_t at = size_t(r.DataStart() + (t - 1) * r.TraceBytes());
        p.header = bytes.substr(at, 240);
        p.samples = bytes.substr(at + 240, size_t(r.TraceBytes() - 240));
        for (int i = 0; i < 91; ++i)
            p.word[i] = TCSegyReaderEx::GetWord(p.header.data(), 'T', i, r.BigEndian());
        const int n = int(p.word[kPos]);
        EXPECT_TRUE(n >= 1 && n <= in.Traces()) << "word 0 " << n;
        if (n < 1 || n > in.Traces())
            return traces;
        const size_t iat = size_t(in.DataStart() + (n - 1) * in.TraceBytes());
        p.inHeader = inBytes.substr(iat, 240);
        p.inSamples = inBytes.substr(iat + 240, size_t(in.TraceBytes() - 240));
        traces.push_back(p);
    }
    return traces;
}

// The header with the 4-byte words at the given field indexes (all 4-byte here) blanked.
std::string Without(std::string header, std::initializer_list<int> fields) {
    for (int f : fields)
        std::memset(&header[size_t(f) * 4], 0, 4);
    return header;
}

std::string WriteShuffled(const std::string& name, TCFileFmt order, int format, int sources = 4,
                          int receivers = 24) {
    SynthSpec synth;
    synth.sources = sources;
    synth.receivers = receivers;
    synth.samples = 120;
    synth.order = order;
    synth.format = format;
    synth.extBlocks = 1;
    synth.shuffle = true;
    const std::string path = Home() + "/" + name;
    EXPECT_EQ(0, WriteSynthSegy(path, synth));
    return path;
}

} // namespace

TEST(Zar9Run, SourceGathersByDistanceNumbered) {
    TCWorkerHarness owner;
    ASSERT_TRUE(owner.SetJob("0,1,1,3;0,0;1"));
    unsigned index = 0;
    for (auto [order, format] : {std::pair{fmtUnix, 1}, std::pair{fmtWindows, 3}}) {
        SCOPED_TRACE(index);
        const std::string folder = Home() + "/src" + std::to_string(index);
        std::filesystem::create_directory(folder);
        const std::string in = WriteShuffled("src" + std::to_string(index) + ".sgy", order, format);
        TCSegyReaderEx ir;
        ASSERT_EQ(0, ir.Open(in));
        const std::string inBytes = Bytes(in);

        EXPECT_TRUE(CleanRun(owner.Run("zar9", index, QString::fromStdString(in),
                                       QString::fromStdString(folder + "/shots.sgy"))));
        EXPECT_EQ(
            (std::set<std::string>{"shots#1.sgy", "shots#2.sgy", "shots#3.sgy", "shots#4.sgy"}),
            Listed(folder, ""));
        std::set<int64_t> seen;
        int64_t lastSx = INT64_MIN;
        for (int k = 1; k <= 4; ++k) {
            SCOPED_TRACE(k);
            const auto traces =
                ReadOutput(folder + "/shots#" + std::to_string(k) + ".sgy", inBytes, ir);
            ASSERT_EQ(24u, traces.size());
            // Files in key order: source X ascending; one source per file.
            EXPECT_GT(traces[0].word[21], lastSx);
            lastSx = traces[0].word[21];
            int64_t lastDistance = -1;
            for (size_t j = 0; j < traces.size(); ++j) {
                const TracePair& p = traces[j];
                EXPECT_EQ(traces[0].word[21], p.word[21]);
                EXPECT_EQ(traces[0].word[22], p.word[22]);
                const double dx = double(p.word[21] - p.word[23]);
                const double dy = double(p.word[22] - p.word[24]);
                const int64_t d = int64_t(std::sqrt(dx * dx + dy * dy) + 0.5);
                EXPECT_GT(d, lastDistance) << "trace " << j + 1;
                lastDistance = d;
                EXPECT_EQ(int64_t(j + 1), p.word[kSeq]);
                EXPECT_EQ(Without(p.inHeader, {kSeq}), Without(p.header, {kSeq}));
                EXPECT_TRUE(p.inSamples == p.samples);
                EXPECT_TRUE(seen.insert(p.word[kPos]).second) << "trace taken twice";
            }
        }
        EXPECT_EQ(96u, seen.size());
        ++index;
    }
}

TEST(Zar9Run, ReceiverGathersNamedByAWordKeepTheOldNumber) {
    TCWorkerHarness owner;
    // Receiver gathers by word 4 (receiver number), ordered by word 3 (shot), named by word 4.
    ASSERT_TRUE(owner.SetJob("+1,0,0,0;3,4;0"));
    const std::string folder = Home() + "/recv";
    std::filesystem::create_directory(folder);
    const std::string in = WriteShuffled("recv.sgy", fmtUnix, 5);
    TCSegyReaderEx ir;
    ASSERT_EQ(0, ir.Open(in));
    const std::string inBytes = Bytes(in);
    EXPECT_TRUE(CleanRun(owner.Run("zar9", 2, QString::fromStdString(in),
                                   QString::fromStdString(folder + "/r.segy"))));
    EXPECT_EQ(24u, Listed(folder, "r#").size());
    for (int receiver = 1; receiver <= 24; ++receiver) {
        SCOPED_TRACE(receiver);
        const auto traces =
            ReadOutput(folder + "/r#" + std::to_string(receiver) + ".segy", inBytes, ir);
        ASSERT_EQ(4u, traces.size());
        for (size_t j = 0; j < traces.size(); ++j) {
            const TracePair& p = traces[j];
            const int64_t oldSeq = TCSegyReaderEx::GetWord(p.inHeader.data(), 'T', kSeq, true);
            const int64_t oldRecv = TCSegyReaderEx::GetWord(p.inHeader.data(), 'T', kRecv, true);
            EXPECT_EQ(receiver, oldRecv);
            EXPECT_EQ(int64_t(j + 1), p.word[kShot]) << "ordered by shot";
            EXPECT_EQ(int64_t(j + 1), p.word[kSeq]);
            EXPECT_EQ(oldSeq, p.word[kRecv]) << "old number kept in word 3";
            EXPECT_EQ(Without(p.inHeader, {kSeq, kRecv}), Without(p.header, {kSeq, kRecv}));
            EXPECT_TRUE(p.inSamples == p.samples);
        }
    }
}

TEST(Zar9Run, EqualKeysKeepTheInputOrder) {
    TCWorkerHarness owner;
    // Source gathers by word 3 (shot number), ordered by the same word: every key inside a
    // gather is equal, so the traces keep the order of the shuffled input.
    ASSERT_TRUE(owner.SetJob("0,0,0,0;3,3;0"));
    const std::string folder = Home() + "/ties";
    std::filesystem::create_directory(folder);
    const std::string in = WriteShuffled("ties.sgy", fmtUnix, 1);
    TCSegyReaderEx ir;
    ASSERT_EQ(0, ir.Open(in));
    const std::string inBytes = Bytes(in);
    EXPECT_TRUE(CleanRun(owner.Run("zar9", 3, QString::fromStdString(in),
                                   QString::fromStdString(folder + "/t.sgy"))));
    EXPECT_EQ(4u, Listed(folder, "t#").size());
    for (int shot = 1; shot <= 4; ++shot) {
        SCOPED_TRACE(shot);
        const auto traces = ReadOutput(folder + "/t#" + std::to_string(shot) + ".sgy", inBytes, ir);
        ASSERT_EQ(24u, traces.size());
        for (size_t j = 0; j < traces.size(); ++j) {
            EXPECT_EQ(shot, traces[j].word[kShot]);
            if (j > 0) {
                EXPECT_LT(traces[j - 1].word[kPos], traces[j].word[kPos]);
            }
        }
    }
}

TEST(Zar9Run, RefusedJobsWriteNothing) {
    TCWorkerHarness owner;
    const std::string in = WriteShuffled("refused.sgy", fmtUnix, 1);
    // A copy whose trace 7 lies 2^32 from its receiver: the distance leaves 32 bits.
    const std::string far = Home() + "/far.sgy";
    {
        std::string bytes = Bytes(in);
        TCSegyReaderEx r;
        ASSERT_EQ(0, r.Open(in));
        char* h = &bytes[size_t(r.DataStart() + 6 * r.TraceBytes())];
        TCSegyReaderEx::SetWord(h, 'T', 21, INT_MAX, true);
        TCSegyReaderEx::SetWord(h, 'T', 23, INT_MIN, true);
        std::ofstream(far, std::ios::binary) << bytes;
    }
    const struct {
        const char* job;
        std::string input;
        int result;
    } cases[] = {
        // Receiver gathers by coordinates named by the shot number of their first trace:
        // every one is called 1.
        {"1,1,1,1;0,3;0", in, prc::kDuplicateName},
        {"0,1,1,3;0,0;1", far, prc::kJobDoesNotFit},
        {"0,1,0,3;0,7;1", in, prc::kValueError},
        {"0,1,1,3;0,0;1;", in, prc::kFormatError},
    };
    unsigned index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.job);
        const std::string folder = Home() + "/refused" + std::to_string(index);
        std::filesystem::create_directory(folder);
        ASSERT_TRUE(owner.SetJob(c.job));
        const TWorkerRun run = owner.Run("zar9", index++, QString::fromStdString(c.input),
                                         QString::fromStdString(folder + "/out.sgy"));
        EXPECT_EQ(1, run.finals);
        EXPECT_EQ(c.result, run.result);
        EXPECT_TRUE(Listed(folder, "").empty());
    }
}

TEST(Zar9Run, SoftStopClosesTheOutputsWritten) {
    TCWorkerHarness owner;
    ASSERT_TRUE(owner.SetJob("0,1,1,3;0,0;1"));
    // 800 traces: 1600 progress steps, the stop query every 256; stop once half is reported,
    // which is while the gathers are written.
    owner.SetStopWhen([](const TWorkerRun& run) {
        const auto p = run.Percents();
        return !p.empty() && p.back() >= 50;
    });
    const std::string folder = Home() + "/stop";
    std::filesystem::create_directory(folder);
    const std::string in = WriteShuffled("stop.sgy", fmtUnix, 1, 8, 100);
    const TWorkerRun run =
        owner.Run("zar9", 0, QString::fromStdString(in), QString::fromStdString(folder + "/g.sgy"));
    EXPECT_EQ(1, run.finals);
    EXPECT_EQ(prc::kStopped, run.result);
    const auto written = Listed(folder, "g#");
    EXPECT_FALSE(written.empty());
    EXPECT_LT(written.size(), 8u);
    int traces = 0;
    for (const std::string& name : written) {
        TCSegyReaderEx r;
        ASSERT_EQ(0, r.Open(folder + "/" + name)) << name;
        traces += r.Traces();
    }
    EXPECT_LT(traces, 800);
}
