// The executor engine in process, with a recording supervisor link: call order, status
// sequence, soft stop, thrown codes, failed writes and the trace engine's copy rules.

#include "procbase/resultcodes.h"
#include "procbase/tuexec_base_c.h"
#include "procbase/tusupervisorlink.h"
#include "procrunner/testkit/proctestkit.h"
#include "segygen/segygen.h"
#include "trcfile/tcsegyreaderex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using proctest::Bytes;
using proctest::Home;

struct Link : TUSupervisorLink {
    std::vector<unsigned> statuses;
    int queries = 0;
    int stopAtQuery = -1; // answer "stop" from this query on
    void PostStatus(unsigned index, unsigned code) override {
        EXPECT_EQ(7u, index);
        statuses.push_back(code);
    }
    bool QueryStop(unsigned) override { return stopAtQuery >= 0 && ++queries > stopAtQuery; }
    int Finals() const {
        int n = 0;
        for (unsigned s : statuses)
            n += s > 100;
        return n;
    }
};

// Records the call order; optionally throws from one step.
struct Probe : TUExec_base_c {
    using TUExec_base_c::TUExec_base_c;
    std::vector<std::string> calls;
    std::string throwIn;
    int throwCode = 0;
    void Step(const char* name) {
        if (calls.empty() || calls.back() != name)
            calls.push_back(name);
        if (throwIn == name)
            throw throwCode;
    }
    int DefineJob(const std::string&) override { return Step("DefineJob"), 0; }
    bool CheckJobEx() override { return Step("CheckJobEx"), true; }
    void OSetFileProps() override {
        Step("OSetFileProps");
        TUExec_base_c::OSetFileProps();
    }
    void EditTextHeader() override { Step("EditTextHeader"); }
    void EditFileHeader() override { Step("EditFileHeader"); }
    void EditTraceHeader(int) override {
        Step("EditTraceHeader");
        IFile().OSetHdrWord(11, IHdrWord(11) + 1); // offset + 1 in every output header
    }
    void ProcessSignal(int) override { Step("ProcessSignal"); }
    void DoCleanup() override { Step("DoCleanup"); }
};

struct Fixture : ::testing::Test {
    std::string in = Home() + "/in.sgy";
    std::string out = Home() + "/out.sgy";
    SynthSpec synth;
    void SetUp() override {
        synth.sources = 10;
        synth.receivers = 100; // 1000 traces: several stop queries
        synth.samples = 200;
        synth.extBlocks = 1;
        ASSERT_EQ(0, WriteSynthSegy(in, synth));
    }
};

} // namespace

TEST_F(Fixture, RunsStepsInOrderAndReportsStatuses) {
    Link link;
    Probe p(7, &link);
    EXPECT_EQ(0, p.Execute(in, out, "job"));
    const std::vector<std::string> order = {"DefineJob",      "CheckJobEx",      "OSetFileProps",
                                            "EditTextHeader", "EditFileHeader",  "EditTraceHeader",
                                            "ProcessSignal",  "EditTraceHeader", "ProcessSignal"};
    ASSERT_GE(p.calls.size(), order.size());
    EXPECT_EQ(order, std::vector<std::string>(p.calls.begin(), p.calls.begin() + order.size()));
    EXPECT_EQ("DoCleanup", p.calls.back());

    ASSERT_GE(link.statuses.size(), 3u);
    EXPECT_EQ(0u, link.statuses.front());
    EXPECT_EQ(1000u, link.statuses.back());
    EXPECT_EQ(1, link.Finals());
    std::vector<unsigned> percents(link.statuses.begin() + 1, link.statuses.end() - 1);
    EXPECT_EQ(100u, percents.size()); // 1000 traces: every percent once, rising
    for (size_t i = 0; i < percents.size(); ++i)
        EXPECT_EQ(i + 1, percents[i]);

    // Headers and extended block copied, every trace's offset + 1, samples unchanged.
    const std::string a = Bytes(in), b = Bytes(out);
    ASSERT_EQ(a.size(), b.size());
    TCSegyReaderEx ri, ro;
    ASSERT_EQ(0, ri.Open(in));
    ASSERT_EQ(0, ro.Open(out));
    EXPECT_EQ(a.substr(0, ri.DataStart()), b.substr(0, ri.DataStart()));
    for (int t = 1; t <= ri.Traces(); t += 333) {
        ri.SetTrace(t);
        ro.SetTrace(t);
        EXPECT_EQ(ri.HdrWord('T', 11) + 1, ro.HdrWord('T', 11));
        EXPECT_EQ(ri.HdrWord('T', 21), ro.HdrWord('T', 21));
        EXPECT_EQ(0, memcmp(ri.RawSamples(), ro.RawSamples(), ri.TraceBytes() - 240));
    }
}

TEST_F(Fixture, SoftStopKeepsProcessedTracesInAReadableFile) {
    Link link;
    link.stopAtQuery = 2; // the third query says stop
    Probe p(7, &link);
    EXPECT_EQ(prc::kStopped, p.Execute(in, out, ""));
    EXPECT_EQ(1000u + prc::kStopped, link.statuses.back());
    EXPECT_EQ(1, link.Finals());
    TCSegyReaderEx r;
    ASSERT_EQ(0, r.Open(out));
    // Queries come after traces 1, 257 and 513; the stop leaves 513 whole traces.
    EXPECT_EQ(2 * TUExec_base::kStopQueryEvery + 1, r.Traces());
    r.SetTrace(r.Traces());
    EXPECT_EQ(r.Traces(), r.HdrWord('T', 1));
}

TEST_F(Fixture, FailuresBecomeResultCodes) {
    struct Case {
        const char* name;
        std::string throwIn;
        int throwCode;
        std::string input, output;
        int expect;
    };
    const std::vector<Case> cases = {
        {"thrown job code", "CheckJobEx", 210, in, out, 210},
        {"thrown in a trace", "ProcessSignal", 77, in, out, 77},
        {"missing input", "", 0, Home() + "/none.sgy", out, prc::kInputOpen},
        {"output into a missing folder", "", 0, in, Home() + "/no/such/out.sgy",
         prc::kOutputCreate},
        {"output is the input", "", 0, in, in, prc::kOutputIsInput},
        {"disk full", "", 0, in, "/dev/full", prc::kOutputWrite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Link link;
        Probe p(7, &link);
        p.throwIn = c.throwIn;
        p.throwCode = c.throwCode;
        EXPECT_EQ(c.expect, p.Execute(c.input, c.output, ""));
        EXPECT_EQ(0u, link.statuses.front());
        EXPECT_EQ(1000u + c.expect, link.statuses.back());
        EXPECT_EQ(1, link.Finals());
        EXPECT_EQ("DoCleanup", p.calls.back());
    }
    // The input survived the attempt to write over it.
    TCSegyReaderEx r;
    EXPECT_EQ(0, r.Open(in));
}

// Without a supervisor the output is the same: every byte the input's, but each trace's offset
// word one larger.
TEST_F(Fixture, RunsWithoutSupervisor) {
    Probe p(7, nullptr);
    ASSERT_EQ(0, p.Execute(in, out, ""));
    const std::string a = Bytes(in), b = Bytes(out);
    ASSERT_EQ(a.size(), b.size());
    TCSegyReaderEx ri, ro;
    ASSERT_EQ(0, ri.Open(in));
    ASSERT_EQ(0, ro.Open(out));
    const size_t start = static_cast<size_t>(ri.DataStart());
    const size_t traceBytes = static_cast<size_t>(ri.TraceBytes());
    EXPECT_EQ(a.substr(0, start), b.substr(0, start));
    // The offset word: bytes 37 to 40 of the trace header.
    constexpr size_t kOffsetAt = 36, kOffsetSize = 4;
    for (int t = 1; t <= ri.Traces(); ++t) {
        const size_t at = start + size_t(t - 1) * traceBytes;
        ASSERT_EQ(a.substr(at, kOffsetAt), b.substr(at, kOffsetAt)) << t;
        const size_t rest = at + kOffsetAt + kOffsetSize;
        ASSERT_EQ(a.substr(rest, at + traceBytes - rest), b.substr(rest, at + traceBytes - rest))
            << t;
        ri.SetTrace(t);
        ro.SetTrace(t);
        ASSERT_EQ(ri.HdrWord('T', 11) + 1, ro.HdrWord('T', 11)) << t;
    }
}

// Traces left out by MapTraceIndex and a longer output length, through the shared engine.
TEST_F(Fixture, MapsTracesAndPadsLongerOutput) {
    struct Pick : TUExec_base_c {
        using TUExec_base_c::TUExec_base_c;
        int MapTraceIndex() override { return ITrace() % 3 == 0 ? ITrace() : 0; }
        void OSetFileProps() override {
            TUExec_base_c::OSetFileProps();
            m_oSamples = static_cast<std::uint16_t>(m_oSamples + 5);
        }
        void EditTraceHeader(int) override { IFile().OSetHdrWord(38, OSamplesPerTrace()); }
    };
    Pick p(7, nullptr);
    ASSERT_EQ(0, p.Execute(in, out, ""));
    TCSegyReaderEx ri, ro;
    ASSERT_EQ(0, ri.Open(in));
    ASSERT_EQ(0, ro.Open(out));
    EXPECT_EQ(ri.Traces() / 3, ro.Traces());
    EXPECT_EQ(ri.Samples() + 5, ro.Samples());
    ri.SetTrace(30);
    ro.SetTrace(10);
    EXPECT_EQ(ri.HdrWord('T', 1), ro.HdrWord('T', 1));
    const int isz = ri.Samples() * ri.SampleSize();
    EXPECT_EQ(0, memcmp(ri.RawSamples(), ro.RawSamples(), isz));
    const std::vector<unsigned char> zeros(5 * ri.SampleSize(), 0);
    EXPECT_EQ(0, memcmp(zeros.data(), ro.RawSamples() + isz, zeros.size()));
}
