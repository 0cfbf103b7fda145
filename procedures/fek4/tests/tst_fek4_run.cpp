// fek4 end to end: the real worker program over synthetic files, owned by a test channel.

#include "procrunner/testkit/proctestkit.h"

#include "trcfile/segyfields.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const std::set<int> kTimeWords = {trc::tf::kYear, trc::tf::kDayOfYear, trc::tf::kHour,
                                  trc::tf::kMinute, trc::tf::kSecond};

struct Stamp {
    int trace;
    int year, day, hour, minute, second;
};

struct Case {
    const char* name;
    const char* job;
    int traces;
    int result;
    std::vector<Stamp> stamps; // traces that must carry these words
    std::vector<int> kept;     // traces whose time words must stay as they were
};

class Fek4Run : public ::testing::TestWithParam<TCFileFmt> {};

TEST_P(Fek4Run, WritesTheTimeWordsAndNothingElse) {
    const Case cases[] = {
        {"the description's example",
         "1-48:2024-03-05-10-15-00,2",
         48,
         0,
         {{1, 2024, 65, 10, 15, 0}, {48, 2024, 65, 10, 16, 34}},
         {}},
        {"a descending range",
         "10-1:2024-01-01-00-00-10,1",
         12,
         0,
         {{10, 2024, 1, 0, 0, 10}, {1, 2024, 1, 0, 0, 1}},
         {11, 12}},
        {"crossing midnight",
         "1-20:2024-01-01-23-59-50,1",
         24,
         0,
         {{1, 2024, 1, 23, 59, 50},
          {10, 2024, 1, 23, 59, 59},
          {11, 2024, 2, 0, 0, 0},
          {20, 2024, 2, 0, 0, 9}},
         {21, 24}},
        {"crossing the year end",
         "1-24:2024-12-31-23-59-55,1",
         24,
         0,
         {{1, 2024, 366, 23, 59, 55},
          {5, 2024, 366, 23, 59, 59},
          {6, 2025, 1, 0, 0, 0},
          {24, 2025, 1, 0, 0, 18}},
         {}},
        {"from 1 January 2024 backwards",
         "20-1:2024-01-01-00-00-05,1",
         24,
         0,
         {{20, 2024, 1, 0, 0, 5},
          {15, 2024, 1, 0, 0, 0},
          {14, 2023, 365, 23, 59, 59},
          {1, 2023, 365, 23, 59, 46}},
         {21, 22, 23, 24}},
        {"29 February and the month end",
         "1-3:2024-02-28-12-00-00,86400;4-5:2023-02-28-23-59-59,1",
         8,
         0,
         {{1, 2024, 59, 12, 0, 0},
          {2, 2024, 60, 12, 0, 0},
          {3, 2024, 61, 12, 0, 0},
          {4, 2023, 59, 23, 59, 59},
          {5, 2023, 60, 0, 0, 0}},
         {6, 7, 8}},
        {"every trace",
         "*:2024-01-01-00-00-00,0",
         6,
         0,
         {{1, 2024, 1, 0, 0, 0}, {6, 2024, 1, 0, 0, 0}},
         {}},
        {"range longer than the file",
         "3-100:2024-03-05-10-15-00,2",
         6,
         0,
         {{3, 2024, 65, 10, 15, 0}, {6, 2024, 65, 10, 15, 6}},
         {1, 2}},
        {"from midnight of 1 January 2024 across the next midnight",
         "1-86402:2024-01-01-00-00-00,1",
         86402,
         0,
         {{1, 2024, 1, 0, 0, 0},
          {3601, 2024, 1, 1, 0, 0},
          {86400, 2024, 1, 23, 59, 59},
          {86401, 2024, 2, 0, 0, 0},
          {86402, 2024, 2, 0, 0, 1}},
         {}},
        {"first trace beyond the file", "7-9:2024-01-01-00-00-00,1", 6, 210, {}, {}},
        {"descending from beyond the file", "9-1:2024-01-01-00-00-00,1", 6, 210, {}, {}},
        {"time beyond the year 9999", "1-6:9999-12-31-23-59-58,1", 6, 210, {}, {}},
        {"time before the year 1", "6-1:0001-01-01-00-00-02,1", 6, 210, {}, {}},
        {"a step product beyond 32 bits",
         "1-6:2024-01-01-00-00-00,2147483647",
         6,
         0,
         {{2, 2092, 19, 3, 14, 7}, {3, 2160, 38, 6, 28, 14}, {6, 2364, 94, 16, 10, 35}},
         {}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    TCWorkerHarness owner;
    ASSERT_TRUE(owner.IsOpen());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Few samples: the long cases are about header words.
        const QString in = proctest::WriteFixture(
            dir.path(), "in.sgy",
            proctest::OneRecord(c.traces, 8, GetParam(), GetParam() == fmtUnix ? 1 : 5));
        ASSERT_FALSE(in.isEmpty());
        const QString out = dir.path() + "/out.sgy";
        const TWorkerRun run =
            proctest::RunJob(owner, "fek4", QString::fromUtf8(c.job), 0, in, out);
        ASSERT_TRUE(proctest::EndedWith(run, c.result));
        if (c.result != 0)
            continue;
        EXPECT_TRUE(proctest::OnlyWordsDiffer(in, out, kTimeWords));
        std::vector<std::vector<int64_t>> got, was;
        for (int w : kTimeWords) {
            got.push_back(proctest::TraceWords(out, w));
            was.push_back(proctest::TraceWords(in, w));
        }
        for (const Stamp& s : c.stamps) {
            const size_t t = size_t(s.trace - 1);
            const std::vector<int64_t> expected = {s.year, s.day, s.hour, s.minute, s.second};
            const std::vector<int64_t> actual = {got[0][t], got[1][t], got[2][t], got[3][t],
                                                 got[4][t]};
            EXPECT_EQ(actual, expected) << "trace " << s.trace;
        }
        for (int k : c.kept)
            for (size_t w = 0; w < got.size(); ++w)
                EXPECT_EQ(got[w][size_t(k - 1)], was[w][size_t(k - 1)]) << "trace " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, Fek4Run, ::testing::Values(fmtUnix, fmtWindows));

} // namespace
