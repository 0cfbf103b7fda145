// The sorting job: its grammar through the plug-in's exported check entry (loaded with QLibrary
// as the batch editor loads it), the keys it derives, the stable sort and the output plan, and
// the output file names.

#include "procbase/resultcodes.h"
#include "zar9/tuexec_zar9.h"
#include "zar9/tujob_zar9.h"

#include <QLibrary>

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using CheckEntry = int (*)(const char16_t*);

} // namespace

TEST(Zar9Job, CheckEntryResults) {
    QLibrary lib(QStringLiteral(GRAVIK_BIN_DIR "/ProcLib/zar9"));
    ASSERT_TRUE(lib.load()) << lib.errorString().toStdString();
    const auto check = reinterpret_cast<CheckEntry>(lib.resolve("_CheckJob_zar9"));
    ASSERT_NE(nullptr, check);
    EXPECT_NE(nullptr, lib.resolve("_Execute_zar9"));
    const struct {
        const char16_t* job;
        int result;
    } cases[] = {
        {u"0,1,1,3;0,0;1", 0},   // source gathers by SX, SY, by distance, numbered
        {u"1,0,0,0;5,7;0", 0},   // receiver gathers by word 7, by word 5, named by word 7
        {u"+0,1,1,1;0,0;1", 0},  // "+" keeps the old numbers
        {u"0,0,1,2;3,0;0", 0},   // source word 3, by receiver Y, named by word 3
        {u"1,1,1,3;0,4;0", 0},   // receiver coordinates, named by word 4
        {u"0,1,0,3;0,7;1", 2},   // distance needs both coordinate pairs
        {u"0,0,1,0;3,0;1", 2},   // order by the receiver word, but receivers by coordinates
        {u"1,0,0,1;3,5;1", 2},   // order by source X, but sources by a word
        {u"0,0,0,0;0,5;1", 2},   // E = 0 without K1
        {u"0,1,0,1;0,0;1", 2},   // F = 0 without K2
        {u"0,1,1,3;0,0;0", 2},   // named by coordinates without a word: no name
        {u"0,0,0,0;1,5;0", 2},   // name key 0 (word 1) cannot name files
        {u"2,1,1,3;0,0;1", 2},   // D beyond 1
        {u"0,1,1,4;0,0;1", 2},   // G beyond 3
        {u"0,0,0,0;87,5;1", 2},  // word number beyond 86
        {u"0,0,0,0;86,-1;1", 2}, // negative word number
        {u"0,1,1,3;0,0;2", 2},   // R beyond 1
        {u"0,1,1,3;0,0;1 ", 2},  // trailing space
        {u"0,1,1,3;0,0;", 2},    // empty R
        {u"0,1,1,3;0,0;1;", 1},  // three ";"
        {u"0,1,1,3;0,0", 1},     // one ";"
        {u"0,1,1,3,0;0;1", 1},   // the commas in the wrong parts
        {u"0,1,1;3,0,0;1", 1},   // likewise
        {u"0,1,1,3;0,0,1;1", 1}, // five commas
        {u"0,1,1+3;0,0;1", 1},   // "+" not at the start is no separator
        {u"", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.job).toStdString());
        EXPECT_EQ(c.result, check(c.job));
        EXPECT_EQ(c.result, check(c.job)) << "a second call differs";
    }
}

TEST(Zar9Job, KeysFollowTheGatherSide) {
    const struct {
        const char* job;
        bool keep;
        int key1, key2, keyT, name;
    } cases[] = {
        {"0,1,1,3;0,0;1", false, 21, 22, TUJob_zar9::kDistance, 0},
        {"1,0,0,0;5,7;0", false, 6, 0, 4, 6},
        {"+0,1,1,1;0,0;1", true, 21, 22, 23, 0},
        {"0,1,1,2;0,0;1", false, 21, 22, 24, 0},
        {"0,0,0,0;3,9;0", false, 2, 0, 8, 2},
        {"1,1,1,1;0,4;0", false, 23, 24, 21, 3},
        {"1,1,1,2;0,0;1", false, 23, 24, 22, 0},
        {"0,1,0,0;5,1;0", false, 21, 22, 0, 4}, // order by word 1 (field 0) is allowed
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.job);
        TUJob_zar9 j;
        ASSERT_EQ(0, j.Parse(QString::fromUtf8(c.job)));
        EXPECT_EQ(c.keep, j.KeepNumber());
        EXPECT_EQ(c.key1, j.Key1());
        EXPECT_EQ(c.key2, j.Key2());
        EXPECT_EQ(c.keyT, j.KeyT());
        EXPECT_EQ(c.name, j.NameKey());
    }
}

TEST(Zar9Plan, SortIsStableAndGathersAreRuns) {
    TUJob_zar9 j;
    ASSERT_EQ(0, j.Parse(QStringLiteral("0,1,1,3;0,0;1")));
    // {key1, key2, keyT, trace, name}: two gathers (10,5) and (7,5), ties in keyT at 30.
    const std::vector<TFImagRec> recs = {
        {10, 5, 30, 1, 0}, {7, 5, 20, 2, 0}, {10, 5, 10, 3, 0}, {10, 5, 30, 4, 0},
        {7, 5, 20, 5, 0},  {10, 6, 0, 6, 0}, {10, 5, 30, 7, 0},
    };
    for (const TFImagRec& r : recs)
        j.AddTrace(r);
    ASSERT_EQ(0, j.BuildPlan());
    ASSERT_EQ(3u, j.Plan().size());
    const int expect[3][4] = {{1, 0, 2, 0}, {2, 2, 4, 0}, {3, 6, 1, 0}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(expect[k][0], j.Plan()[k].name);
        EXPECT_EQ(expect[k][1], j.Plan()[k].first);
        EXPECT_EQ(expect[k][2], j.Plan()[k].count);
    }
    // Within a gather by keyT; equal keys in input order.
    const std::vector<std::vector<int>> traces = {{2, 5}, {3, 1, 4, 7}, {6}};
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        std::vector<int> got;
        j.StartOutput();
        for (int t = 0; j.NextTrace(k, t);)
            got.push_back(t);
        EXPECT_EQ(traces[size_t(k - 1)], got);
        int t = 0;
        EXPECT_FALSE(j.NextTrace(k, t)) << "stays exhausted";
    }
}

TEST(Zar9Plan, NamesComeFromTheFirstTraceAndMustDiffer) {
    const struct {
        std::vector<TFImagRec> recs;
        int result;
        std::vector<int> names;
    } cases[] = {
        // Named by the first entry of each sorted gather.
        {{{2, 0, 9, 1, 1017}, {2, 0, 1, 2, 1018}, {1, 0, 0, 3, 5}}, 0, {5, 1018}},
        // Two gathers (keys 1 and 2) with the same name 7.
        {{{1, 0, 0, 1, 7}, {2, 0, 0, 2, 7}}, prc::kDuplicateName, {}},
        // One gather whose traces disagree on the name is no conflict.
        {{{1, 0, 0, 1, 7}, {1, 0, 1, 2, 8}}, 0, {7}},
    };
    for (const auto& c : cases) {
        TUJob_zar9 j;
        ASSERT_EQ(0, j.Parse(QStringLiteral("1,0,0,0;5,7;0")));
        for (const TFImagRec& r : c.recs)
            j.AddTrace(r);
        ASSERT_EQ(c.result, j.BuildPlan());
        if (c.result != 0)
            continue;
        std::vector<int> names;
        for (const TUPlanRec& p : j.Plan())
            names.push_back(p.name);
        EXPECT_EQ(c.names, names);
    }
}

TEST(Zar9Plan, EntriesOutside32BitsAreRefused) {
    TUJob_zar9 j;
    ASSERT_EQ(0, j.Parse(QStringLiteral("0,1,1,3;0,0;1")));
    // Words 21..24: source X, Y, receiver X, Y.
    const auto entry = [&](std::int64_t sx, std::int64_t sy, std::int64_t gx, std::int64_t gy,
                           TFImagRec& rec) {
        return j.MakeEntry(
            9, [&](int i) { return i == 21   ? sx
                                   : i == 22 ? sy
                                   : i == 23 ? gx
                                             : gy; }, rec);
    };
    TFImagRec rec{};
    ASSERT_TRUE(entry(0, 0, 3, 4, rec));
    EXPECT_EQ(5, rec.keyT);
    EXPECT_EQ(9, rec.trace);
    ASSERT_TRUE(entry(0, 0, 1, 1, rec));
    EXPECT_EQ(1, rec.keyT) << "1.414 + 0.5 truncates to 1";
    ASSERT_TRUE(entry(0, 0, 2, 1, rec));
    EXPECT_EQ(2, rec.keyT) << "2.236 + 0.5 truncates to 2";
    // Extreme 32-bit coordinates: the squares do not overflow, the distance leaves 32 bits.
    EXPECT_FALSE(entry(INT_MAX, 0, INT_MIN, 0, rec));
    EXPECT_TRUE(entry(INT_MAX, 0, 0, 0, rec));
    EXPECT_EQ(INT_MAX, rec.keyT);
}

TEST(Zar9Names, GatherNameGoesBeforeTheExtension) {
    const struct {
        const char* path;
        std::int32_t gather;
        const char* name;
    } cases[] = {
        {"survey.sgy", 1017, "survey#1017.sgy"},
        {"/data/out/line.sgy", 3, "/data/out/line#3.sgy"},
        {"/data/v1.2/line", 3, "/data/v1.2/line#3"},           // a '.' in a folder is no extension
        {"/data/line.1.sgy", 3, "/data/line#3.1.sgy"},         // the first '.' of the name, as
                                                               // the output file list looks
        {"C:\\a.b\\shot.segy", -12, "C:\\a.b\\shot#-12.segy"}, // negative names keep the sign
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.name, TUExec_zar9::GatherFileName(c.path, c.gather)) << c.path;
}
