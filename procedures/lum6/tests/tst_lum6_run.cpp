// lum6 end to end: the real worker program over synthetic files, owned by a test channel.

#include "procrunner/testkit/proctestkit.h"

#include "trcfile/segyfields.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kSourceElevation = 13, kSourceDepth = 14;

struct Case {
    const char* name;
    const char* job;
    unsigned index;
    int result;
    std::map<int, int64_t> words; // words every trace must carry; all others stay as they were
};

class Lum6Run : public ::testing::TestWithParam<TCFileFmt> {};

TEST_P(Lum6Run, WritesTheGivenWordsOfTheChosenRecord) {
    using namespace trc::tf;
    const char* threeFiles = "1:101,1000,2000,150,5;3:103,3000,4000,*,*";
    const Case cases[] = {
        {"all files, X and Y",
         "*:*,1000,2000,*,*",
         4,
         0,
         {{kSourceX, 1000}, {kSourceY, 2000}, {kCoordUnits, 1}}},
        {"first of three files",
         threeFiles,
         0,
         0,
         {{kFieldRecord, 101},
          {kSourceX, 1000},
          {kSourceY, 2000},
          {kSourceElevation, 150},
          {kSourceDepth, 5},
          {kCoordUnits, 1}}},
        {"second of three files", threeFiles, 1, 200, {}},
        {"third of three files",
         threeFiles,
         2,
         0,
         {{kFieldRecord, 103}, {kSourceX, 3000}, {kSourceY, 4000}, {kCoordUnits, 1}}},
        {"X alone", "2:*,500,*,*,*", 1, 0, {{kSourceX, 500}, {kCoordUnits, 1}}},
        // No coordinate given: the coordinate units stay.
        {"elevation and depth only",
         "2:*,*,*,-7,12",
         1,
         0,
         {{kSourceElevation, -7}, {kSourceDepth, 12}}},
        // The largest record number fills the 4-byte word: all bits set.
        {"largest record number", "*:4294967295,*,*,*,*", 0, 0, {{kFieldRecord, -1}}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString in = proctest::WriteFixture(
        dir.path(), "in.sgy",
        proctest::OneRecord(12, 40, GetParam(), GetParam() == fmtUnix ? 3 : 2));
    ASSERT_FALSE(in.isEmpty());
    ASSERT_TRUE(proctest::SetTraceWords(in, trc::tf::kCoordUnits, 0));
    TCWorkerHarness owner;
    ASSERT_TRUE(owner.IsOpen());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString out = dir.path() + "/out" + QString::number(c.index) + ".sgy";
        const TWorkerRun run =
            proctest::RunJob(owner, "lum6", QString::fromUtf8(c.job), c.index, in, out);
        ASSERT_TRUE(proctest::EndedWith(run, c.result));
        if (c.result != 0)
            continue;
        std::set<int> changed;
        for (const auto& [w, value] : c.words) {
            changed.insert(w);
            EXPECT_EQ(proctest::TraceWords(out, w), std::vector<int64_t>(12, value))
                << "word " << w;
        }
        EXPECT_TRUE(proctest::OnlyWordsDiffer(in, out, changed));
    }
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, Lum6Run, ::testing::Values(fmtUnix, fmtWindows));

} // namespace
