// Windows of the muting job, and the job check through the plug-in's exported entry, loaded
// with QLibrary the way the batch editor loads it.

#include "procbase/resultcodes.h"
#include "tva3/tujob_tva3.h"

#include <QLibrary>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Expect {
    int trace;
    int first; // 0: no window
    int last;
};

void CheckWindows(const char* job, int traces, int samples, const std::vector<Expect>& expect) {
    SCOPED_TRACE(job);
    TUJob_tva3 j;
    ASSERT_EQ(0, j.Parse(QString::fromUtf8(job)));
    j.Fit(traces, samples);
    size_t k = 0;
    // Traces arrive one by one, as in a run.
    for (int t = 1; t <= traces && k < expect.size(); ++t) {
        std::uint16_t a = 0, b = 0;
        const bool has = j.Window(t, a, b);
        if (t != expect[k].trace)
            continue;
        SCOPED_TRACE(t);
        EXPECT_EQ(expect[k].first != 0, has);
        if (has && expect[k].first != 0) {
            EXPECT_EQ(expect[k].first, a);
            EXPECT_EQ(expect[k].last, b);
        }
        ++k;
    }
    EXPECT_EQ(expect.size(), k);
}

int FitCode(const char* job, int traces, int samples) {
    TUJob_tva3 j;
    EXPECT_EQ(0, j.Parse(QString::fromUtf8(job)));
    try {
        j.Fit(traces, samples);
    } catch (int code) {
        return code;
    }
    return 0;
}

} // namespace

TEST(Tva3Window, InterpolatesBetweenControlTraces) {
    // Control traces 1 (1-100) and 11 (21-200): trace 6 gets 11 to 150.
    CheckWindows(
        "1:1-100;11:21-200", 20, 500,
        {{1, 1, 100}, {2, 3, 110}, {6, 11, 150}, {10, 19, 190}, {11, 21, 200}, {12, 0, 0}});
    // A single record zeroes its own trace only.
    CheckWindows("10:5-20", 20, 100, {{9, 0, 0}, {10, 5, 20}, {11, 0, 0}});
    // Rounding: halves go up, the rest is truncated.
    CheckWindows("1:1-10;3:2-11", 3, 100, {{2, 2, 11}});
    CheckWindows("1:1-10;4:2-20", 4, 100, {{2, 1, 13}, {3, 2, 17}});
    // Traces before the first control trace are untouched.
    CheckWindows("3:1-10;5:1-10", 6, 100, {{1, 0, 0}, {2, 0, 0}, {3, 1, 10}, {6, 0, 0}});
    // Windows that move to earlier samples: both ends falling, one end falling, across
    // three control traces (halves still round up, the rest is truncated).
    CheckWindows("1:100-200;11:1-100", 11, 500,
                 {{1, 100, 200}, {2, 90, 190}, {6, 51, 150}, {10, 11, 110}, {11, 1, 100}});
    CheckWindows("1:1-200;5:1-100", 5, 500, {{2, 1, 175}, {3, 1, 150}, {4, 1, 125}});
    CheckWindows("1:50-60;3:10-20;5:40-90", 5, 100,
                 {{2, 30, 40}, {3, 10, 20}, {4, 25, 55}, {5, 40, 90}});
    // Three intervals walked in order.
    CheckWindows("2:10-20;4:20-40;8:20-80", 9, 100,
                 {{3, 15, 30}, {4, 20, 40}, {6, 20, 60}, {8, 20, 80}, {9, 0, 0}});
}

TEST(Tva3Window, FitsTheJobToTheFile) {
    // "*" as the last trace, and as the end of the trace.
    CheckWindows("1:1-10;*:11-20", 5, 100, {{3, 6, 15}, {5, 11, 20}});
    CheckWindows("1:5-*", 3, 100, {{1, 5, 100}});
    CheckWindows("*:5-20", 3, 100, {{2, 0, 0}, {3, 5, 20}});
    // Ends beyond the trace are clamped; a single-sample window may result.
    CheckWindows("1:1-100;5:50-300", 10, 200, {{5, 50, 200}});
    CheckWindows("1:200-300", 1, 200, {{1, 200, 200}});
    // A record starting beyond the trace is dropped; its neighbours join.
    CheckWindows("1:1-10;3:250-260;5:1-10", 10, 200, {{3, 1, 10}, {5, 1, 10}});
    // A control trace beyond the file (not the first) still shapes the interpolation.
    CheckWindows("1:1-10;21:21-30", 11, 100, {{11, 11, 20}});

    EXPECT_EQ(0, FitCode("1:1-10;*:11-20", 1, 100));
    EXPECT_EQ(0, FitCode("*:1-10", 7, 100));
    EXPECT_EQ(prc::kJobDoesNotFit, FitCode("5:1-10;*:1-10", 4, 100));
    EXPECT_EQ(prc::kJobDoesNotFit, FitCode("20:1-5", 10, 200));    // first beyond the file
    EXPECT_EQ(prc::kJobDoesNotFit, FitCode("1:300-400", 10, 200)); // every record dropped
    EXPECT_EQ(prc::kJobDoesNotFit, FitCode("1:201-400;5:300-*", 10, 200));
}

TEST(Tva3CheckEntry, ParsesTheJobGrammar) {
    QLibrary lib(QStringLiteral(GRAVIK_BIN_DIR "/ProcLib/tva3"));
    ASSERT_TRUE(lib.load()) << lib.errorString().toStdString();
    using CheckEntry = int (*)(const char16_t*);
    const auto check = reinterpret_cast<CheckEntry>(lib.resolve("_CheckJob_tva3"));
    ASSERT_NE(nullptr, check);
    EXPECT_NE(nullptr, lib.resolve("_Execute_tva3"));

    const struct {
        const char* job;
        int code;
    } cases[] = {
        {"1:1-50;200:100-300;*:400-*", 0},
        {"10:5-20", 0},
        {"*:1-*", 0},
        {"1:1-65535", 0},
        {"+1:1-5", 0},
        {"2147483646:1-2", 0},
        // format errors: empty job or record, separators missing or doubled
        {"", 1},
        {";", 1},
        {"1:1-50;", 0}, // a closing ";"
        {"1:1-50;;", 1},
        {"1:1-5;;2:1-5", 1},
        {"10:5", 1},
        {"10-5", 1},
        {"10:5-20:3", 1},
        {"1:1-5-9", 1},
        {"1::1-5", 1},
        {"-1:1-5", 1},
        {"1:1-5,2:1-5", 1}, // "," for ";" leaves two ":" in one record
        // value errors: strict integers, ranges, order
        {"12 :5-20", 2},
        {"12:5-20 ", 2},
        {" 12:5-20", 2},
        {"a:1-5", 2},
        {":1-5", 2},
        {"1:-5", 2},
        {"1:1-", 2},
        {"1:1-0x10", 2},
        {"0:1-5", 2},
        {"1:0-5", 2},
        {"5:10-10", 2},
        {"1:6-5", 2},
        {"1:*-5", 2},
        {"1:1-65536", 2},
        {"2147483648:1-5", 2},
        {"99999999999999999999:1-5", 2},
        {"3:1-5;3:2-6", 2},
        {"3:1-5;2:1-5", 2},
        {"*:1-10;100:1-10", 2},
        {"1:1-5;*:1-5;9:1-5", 2},
        {"1:1,5-9", 2},
        {"10-5:20", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.job);
        const std::u16string text = QString::fromUtf8(c.job).toStdU16String();
        EXPECT_EQ(c.code, check(text.c_str()));
        // No state survives a call.
        EXPECT_EQ(c.code, check(text.c_str()));
    }
}
