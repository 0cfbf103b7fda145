// lum8 end to end: the real worker program over synthetic files, owned by a test channel.

#include "procrunner/testkit/proctestkit.h"

#include "trcfile/segyfields.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr int kReceiverElevation = 12;
constexpr int kTraces = 24;

struct Line {
    int64_t first, step;
};

struct Case {
    const char* name;
    const char* job;
    unsigned index;
    int result;
    std::optional<Line> x, y;    // trace k must carry first + (k - 1)·step
    std::optional<int64_t> elev; // every trace must carry this elevation
};

class Lum8Run : public ::testing::TestWithParam<TCFileFmt> {};

TEST_P(Lum8Run, WritesRunningCoordinatesOfTheChosenRecord) {
    const Case cases[] = {
        {"X, Y and elevation", "1:1000,25,2000,-10,150", 0, 0, Line{1000, 25}, Line{2000, -10},
         150},
        {"elevation only", "3:*,*,*,*,15", 2, 0, {}, {}, 15},
        {"a step alone is not used", "*:*,40,7,0,*", 5, 0, {}, Line{7, 0}, {}},
        {"no record for the file", "1:1000,25,*,*,*;3:1000,25,*,*,*", 1, 200, {}, {}, {}},
        {"last X at the upper limit", "1:2147483624,1,*,*,*", 0, 210, {}, {}, {}},
        {"last X just below the limit", "1:2147483623,1,*,*,*", 0, 0, Line{2147483623, 1}, {}, {}},
        {"last Y below the lower limit", "1:*,*,-2147483600,-3,*", 0, 210, {}, {}, {}},
        {"start before the first trace out of range", "1:-2147483648,1,*,*,*", 0, 210, {}, {}, {}},
        // The running value starts one step before the first trace, and must fit 32 bits too.
        {"start before the first trace above the range",
         "1:2147483646,-100,*,*,*",
         0,
         210,
         {},
         {},
         {}},
        {"descending near the top",
         "1:2147483547,-100,*,*,*",
         0,
         0,
         Line{2147483547, -100},
         {},
         {}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString in = proctest::WriteFixture(
        dir.path(), "in.sgy",
        proctest::OneRecord(kTraces, 30, GetParam(), GetParam() == fmtUnix ? 8 : 1));
    ASSERT_FALSE(in.isEmpty());
    ASSERT_TRUE(proctest::SetTraceWords(in, trc::tf::kCoordUnits, 0));
    TCWorkerHarness owner;
    ASSERT_TRUE(owner.IsOpen());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString out = dir.path() + "/out.sgy";
        const TWorkerRun run =
            proctest::RunJob(owner, "lum8", QString::fromUtf8(c.job), c.index, in, out);
        ASSERT_TRUE(proctest::EndedWith(run, c.result));
        if (c.result != 0)
            continue;
        std::set<int> changed = {trc::tf::kCoordUnits};
        EXPECT_EQ(proctest::TraceWords(out, trc::tf::kCoordUnits),
                  std::vector<int64_t>(kTraces, 1));
        const auto expectLine = [&](int word, const Line& l) {
            changed.insert(word);
            std::vector<int64_t> expected;
            for (int k = 1; k <= kTraces; ++k)
                expected.push_back(l.first + (k - 1) * l.step);
            EXPECT_EQ(proctest::TraceWords(out, word), expected) << "word " << word;
        };
        if (c.x)
            expectLine(trc::tf::kGroupX, *c.x);
        if (c.y)
            expectLine(trc::tf::kGroupY, *c.y);
        if (c.elev)
            expectLine(kReceiverElevation, Line{*c.elev, 0});
        EXPECT_TRUE(proctest::OnlyWordsDiffer(in, out, changed));
    }
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, Lum8Run, ::testing::Values(fmtUnix, fmtWindows));

} // namespace
