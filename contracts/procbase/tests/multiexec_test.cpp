// The executors with several inputs (TUExec_base_mi) and several outputs (TUExec_base_mo) in
// process: the order of their steps, what their outputs hold, progress, stops and refusals.

#include "procbase/resultcodes.h"
#include "procbase/tuexec_base_mi.h"
#include "procbase/tuexec_base_mo.h"
#include "procbase/tusupervisorlink.h"
#include "segygen/segygen.h"
#include "trcfile/tcsegyreaderex.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string Home() {
    const char* h = std::getenv("GRAVIK_HOME");
    return h ? h : "/tmp";
}

struct Link : TUSupervisorLink {
    std::vector<unsigned> statuses;
    int queries = 0;
    int stopAtQuery = -1; // answer "stop" from this query on
    void PostStatus(unsigned, unsigned code) override { statuses.push_back(code); }
    bool QueryStop(unsigned) override { return stopAtQuery >= 0 && ++queries > stopAtQuery; }
    // Percents between the start and the final status rise to 100.
    void ExpectRisingTo100() const {
        ASSERT_GE(statuses.size(), 3u);
        EXPECT_EQ(0u, statuses.front());
        EXPECT_EQ(1000u, statuses.back());
        for (size_t i = 2; i + 1 < statuses.size(); ++i)
            EXPECT_LT(statuses[i - 1], statuses[i]);
        EXPECT_EQ(100u, statuses[statuses.size() - 2]);
    }
};

// The names of the steps an executor went through, a run of one name kept once.
struct Calls {
    std::vector<std::string> names;
    void operator()(const char* name) {
        if (names.empty() || names.back() != name)
            names.push_back(name);
    }
};

// Output trace `o` of `out` is input trace `i` of `in`: the header but word 1, which is `seq`,
// and word 38, the output's samples per trace; the samples cut or padded with zero bytes to the
// output length.
::testing::AssertionResult SameTrace(TCSegyReaderEx& in, int i, TCSegyReaderEx& out, int o,
                                     int64_t seq) {
    in.SetTrace(i);
    out.SetTrace(o);
    if (out.HdrWord('T', 1) != seq)
        return ::testing::AssertionFailure()
               << "output " << o << ": word 1 " << out.HdrWord('T', 1) << ", not " << seq;
    if (out.HdrWord('T', 38) != out.Samples())
        return ::testing::AssertionFailure() << "output " << o << ": word 38 is not the length";
    for (int w = 0; w < 91; ++w)
        if (w != 1 && w != 38 && in.HdrWord('T', w) != out.HdrWord('T', w))
            return ::testing::AssertionFailure() << "output " << o << ": word " << w << " differs";
    const size_t ibytes = size_t(in.Samples() * in.SampleSize());
    const size_t obytes = size_t(out.Samples() * out.SampleSize());
    const size_t common = std::min(ibytes, obytes);
    if (std::memcmp(in.RawSamples(), out.RawSamples(), common) != 0)
        return ::testing::AssertionFailure() << "output " << o << ": samples differ";
    for (size_t b = common; b < obytes; ++b)
        if (out.RawSamples()[b] != 0)
            return ::testing::AssertionFailure() << "output " << o << ": padding not zero";
    return ::testing::AssertionSuccess();
}

// Several inputs: every odd trace of each input in turn, brought to `samples` per trace.
struct Merge : TUExec_base_mi {
    using TUExec_base_mi::TUExec_base_mi;
    std::vector<std::string> inputs;
    size_t next = 0;
    int samples = 0;
    int64_t outputTraces = 0;
    Calls calls;

    bool NextInputFile(std::string& name) override {
        calls("NextInputFile");
        if (next >= inputs.size())
            return false;
        name = inputs[next++];
        return true;
    }
    int DefineJob(const std::string&) override { return calls("DefineJob"), 0; }
    bool CheckJobEx() override { return calls("CheckJobEx"), true; }
    void OSetFileProps() override {
        calls("OSetFileProps");
        TUExec_base_mi::OSetFileProps();
        m_oSamples = std::uint16_t(samples);
        m_oTraceCount = outputTraces;
    }
    void CreateOBuffer() override {
        calls("CreateOBuffer");
        TUExec_base_mi::CreateOBuffer();
    }
    void EditTextHeader() override { calls("EditTextHeader"); }
    void EditFileHeader() override { calls("EditFileHeader"); }
    int MapTraceIndex() override { return calls("traces"), ITrace() % 2 ? ITrace() : 0; }
    void EditTraceHeader(int) override {
        calls("traces");
        IFile().OSetHdrWord(1, OTrace());
        IFile().OSetHdrWord(38, OSamplesPerTrace());
    }
    void DoCleanup() override { calls("DoCleanup"); }
};

// One input, several outputs: output k takes the input traces plan[k - 1] in that order.
struct Split : TUExec_base_mo {
    using TUExec_base_mo::TUExec_base_mo;
    std::vector<std::vector<int>> plan;
    int inputAt = 0; // the output named like the input
    size_t handed = 0;
    Calls calls;

    int DefineJob(const std::string&) override { return calls("DefineJob"), 0; }
    bool CheckJobEx() override {
        calls("CheckJobEx");
        for (int i = 1; i <= ScanSteps(); ++i)
            ConnectToSupervisor(i);
        return true;
    }
    void OSetFileProps() override {
        calls("OSetFileProps");
        TUExec_base_mo::OSetFileProps();
    }
    void CreateOBuffer() override {
        calls("CreateOBuffer");
        TUExec_base_mo::CreateOBuffer();
    }
    std::string OutputFileName(int k, const std::string& name) override {
        calls("OutputFileName");
        return k == inputAt ? IFile().FileName() : name + "." + std::to_string(k);
    }
    int ScanSteps() override { return ITraceCount(); }
    bool NextOutputFile(int& k) override {
        calls("NextOutputFile");
        ++k;
        handed = 0;
        return k <= int(plan.size());
    }
    bool NextOutputTrace(int k, int& trace) override {
        const std::vector<int>& traces = plan[size_t(k - 1)];
        if (handed >= traces.size())
            return false;
        trace = traces[handed++];
        return true;
    }
    void EditTextHeader() override { calls("EditTextHeader"); }
    void EditFileHeader() override { calls("EditFileHeader"); }
    void EditTraceHeader(int) override {
        calls("traces");
        IFile().OSetHdrWord(1, OTrace());
    }
    void DoCleanup() override { calls("DoCleanup"); }
};

std::string WriteInput(const std::string& name, int sources, int receivers, int samples) {
    SynthSpec synth;
    synth.sources = sources;
    synth.receivers = receivers;
    synth.samples = samples;
    synth.extBlocks = 1;
    const std::string path = Home() + "/" + name;
    EXPECT_EQ(0, WriteSynthSegy(path, synth));
    return path;
}

} // namespace

TEST(MultiInput, InputsInTurnIntoOneOutput) {
    // 30 traces of 200 samples, then 20 of 120: the output has 150, so the first input is cut
    // and the second padded, and the trace size changes between the inputs.
    const std::string a = WriteInput("mi_a.sgy", 3, 10, 200);
    const std::string b = WriteInput("mi_b.sgy", 2, 10, 120);
    const std::string out = Home() + "/mi_out.sgy";
    Link link;
    Merge m(3, &link);
    m.inputs = {a, b};
    m.samples = 150;
    m.outputTraces = 25;
    ASSERT_EQ(0, m.Execute("ignored", out, "job"));
    const std::vector<std::string> order = {
        "DefineJob",      "NextInputFile",  "CheckJobEx", "OSetFileProps", "CreateOBuffer",
        "EditTextHeader", "EditFileHeader", "traces",     "NextInputFile", "CreateOBuffer",
        "traces",         "NextInputFile",  "DoCleanup"};
    EXPECT_EQ(order, m.calls.names);
    link.ExpectRisingTo100();

    TCSegyReaderEx ra, rb, ro;
    ASSERT_EQ(0, ra.Open(a));
    ASSERT_EQ(0, rb.Open(b));
    ASSERT_EQ(0, ro.Open(out));
    EXPECT_EQ(150, ro.Samples());
    EXPECT_EQ(1, ro.ExtBlocks());
    ASSERT_EQ(25, ro.Traces());
    int o = 1;
    for (int i = 1; i <= 30; i += 2, ++o)
        EXPECT_TRUE(SameTrace(ra, i, ro, o, o));
    for (int i = 1; i <= 20; i += 2, ++o)
        EXPECT_TRUE(SameTrace(rb, i, ro, o, o));
}

TEST(MultiInput, RefusedInputs) {
    const std::string a = WriteInput("mi_a.sgy", 1, 10, 50);
    const std::string out = Home() + "/mi_refused.sgy";
    const struct {
        const char* name;
        std::vector<std::string> inputs;
        std::string output;
        int result;
    } cases[] = {
        {"no input at all", {}, out, prc::kJobDoesNotFit},
        {"a later input is missing", {a, Home() + "/none.sgy"}, out, prc::kPieceOpen},
        {"the first input is missing", {Home() + "/none.sgy", a}, out, prc::kPieceOpen},
        {"the first input is the output", {a, a}, a, prc::kOutputIsInput},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Merge m(0, nullptr);
        m.inputs = c.inputs;
        m.samples = 50;
        EXPECT_EQ(c.result, m.Execute("", c.output, ""));
        EXPECT_EQ("DoCleanup", m.calls.names.back());
    }
    TCSegyReaderEx r;
    ASSERT_EQ(0, r.Open(a)) << "the input survived";
    EXPECT_EQ(10, r.Traces());
}

TEST(MultiOutput, OutputsInTurnFromTracesReadByNumber) {
    // 160 traces of 16000 samples: about 130 whole traces in one block, so a run of
    // consecutive traces spans two reads.
    const std::string in = WriteInput("mo_in.sgy", 2, 80, 16000);
    const std::string out = Home() + "/mo_out.sgy";
    std::vector<int> all, reversed;
    for (int t = 1; t <= 160; ++t) {
        all.push_back(t);
        reversed.insert(reversed.begin(), t);
    }
    Link link;
    Split s(4, &link);
    s.plan = {all, reversed, {7, 8, 9, 3, 160, 1, 2, 159}};
    ASSERT_EQ(0, s.Execute(in, out, "job"));
    std::vector<std::string> order = {"DefineJob", "CheckJobEx", "OSetFileProps"};
    for (int k = 1; k <= 3; ++k) {
        order.insert(order.end(), {"NextOutputFile", "OutputFileName"});
        if (k == 1)
            order.push_back("CreateOBuffer");
        order.insert(order.end(), {"EditTextHeader", "EditFileHeader", "traces"});
    }
    order.insert(order.end(), {"NextOutputFile", "DoCleanup"});
    EXPECT_EQ(order, s.calls.names);
    link.ExpectRisingTo100();

    TCSegyReaderEx ri;
    ASSERT_EQ(0, ri.Open(in));
    for (size_t k = 0; k < s.plan.size(); ++k) {
        SCOPED_TRACE(k + 1);
        TCSegyReaderEx ro;
        ASSERT_EQ(0, ro.Open(out + "." + std::to_string(k + 1)));
        EXPECT_EQ(1, ro.ExtBlocks());
        ASSERT_EQ(int(s.plan[k].size()), ro.Traces());
        for (int o = 1; o <= ro.Traces(); ++o)
            EXPECT_TRUE(SameTrace(ri, s.plan[k][size_t(o - 1)], ro, o, o));
    }
}

TEST(MultiOutput, StopKeepsTheOutputsWrittenReadable) {
    const std::string in = WriteInput("mo_stop.sgy", 4, 100, 50);
    const std::string out = Home() + "/mo_stop.sgy";
    std::vector<int> all;
    for (int t = 1; t <= 400; ++t)
        all.push_back(t);
    Link link;
    // Queries come every 256 progress steps: the scan and the first output take 400 each, so
    // the fifth query (step 1024) falls in the second output.
    link.stopAtQuery = 4;
    Split s(0, &link);
    s.plan = {all, all, all};
    EXPECT_EQ(prc::kStopped, s.Execute(in, out, ""));
    EXPECT_EQ(1000u + prc::kStopped, link.statuses.back());
    EXPECT_EQ("DoCleanup", s.calls.names.back());
    TCSegyReaderEx r1, r2;
    ASSERT_EQ(0, r1.Open(out + ".1"));
    EXPECT_EQ(400, r1.Traces());
    ASSERT_EQ(0, r2.Open(out + ".2"));
    EXPECT_GT(r2.Traces(), 0);
    EXPECT_LT(r2.Traces(), 400);
    EXPECT_FALSE(std::filesystem::exists(out + ".3"));
}

TEST(MultiOutput, AnOutputNamedLikeTheInputIsRefused) {
    const std::string in = WriteInput("mo_same.sgy", 1, 10, 50);
    Split s(0, nullptr);
    s.plan = {{1, 2}, {3}};
    s.inputAt = 2;
    const std::string out = Home() + "/mo_same_out.sgy";
    EXPECT_EQ(prc::kOutputIsInput, s.Execute(in, out, ""));
    EXPECT_TRUE(std::filesystem::exists(out + ".1"));
    TCSegyReaderEx r;
    ASSERT_EQ(0, r.Open(in)) << "the input survived";
    EXPECT_EQ(10, r.Traces());
}
