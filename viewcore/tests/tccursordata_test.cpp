#include "viewcore/tccursordata.h"

#include <gtest/gtest.h>

namespace {

TCCursorData at(int trace, int sample, int recorded, float amplitude, double shot = 0.0) {
    TCCursorData d;
    d.trace = trace;
    d.sample = quint16(sample);
    d.recSample = quint16(recorded);
    d.amplitude = amplitude;
    d.shotTime = shot;
    return d;
}

// 10 March 2021 14:05:09 as days since 30 December 1899.
constexpr double kShot = 44265.0 + (14 * 3600 + 5 * 60 + 9) / 86400.0;

TEST(CursorData, Texts) {
    const TCCursorData same = at(7, 120, 120, 1234.5f);
    const TCCursorData moved = at(7, 120, 145, -0.0123f, kShot);
    EXPECT_EQ(same.GetSampleStr(), "120");
    EXPECT_EQ(moved.GetSampleStr(), "120 / 145");
    EXPECT_EQ(same.GetTimeStr(2), "240");
    EXPECT_EQ(moved.GetTimeStr(2), "240 / 290");
    // The last sample of a trace at the longest interval, in microseconds.
    EXPECT_EQ(at(7, 65535, 65535, 0.0f).GetTimeStr(65535), "4294836225");
    EXPECT_EQ(same.GetSignalStr(), "1.23E+03");
    EXPECT_EQ(moved.GetSignalStr(), "-1.23E-02");
    EXPECT_EQ(same.GetHintStr(), " N = 7\n S = 120\n A = 1.23E+03");
    EXPECT_EQ(moved.GetHintStr(), " N = 7\n S = 120 / 145\n A = -1.23E-02\n T = 14:05:09");
    EXPECT_EQ(moved.GetShotTimeStr(), "10.03.21  14:05:09");
    EXPECT_EQ(same.GetShotTimeStr(), QString());
}

TEST(CursorData, NoTraceMeansNoText) {
    TCCursorData d = at(7, 120, 145, 1.0f, kShot);
    d.Reset();
    EXPECT_EQ(d.trace, 0);
    EXPECT_EQ(d.sample, 0);
    EXPECT_EQ(d.recSample, 0);
    EXPECT_EQ(d.amplitude, 0.0f);
    EXPECT_EQ(d.shotTime, kShot);
    EXPECT_EQ(d.GetSampleStr(), QString());
    EXPECT_EQ(d.GetTimeStr(2), QString());
    EXPECT_EQ(d.GetSignalStr(), QString());
    EXPECT_EQ(d.GetHintStr(), QString());
    EXPECT_EQ(d.GetShotTimeStr(), "10.03.21  14:05:09"); // does not look at the trace
}

TEST(CursorData, ShotTimeEdges) {
    // Rounded to the millisecond, so a value a hair below midnight shows the next day.
    EXPECT_EQ(at(1, 1, 1, 0, 44265.0 - 1e-10).GetShotTimeStr(), "10.03.21  00:00:00");
    EXPECT_EQ(at(1, 1, 1, 0, -1.0).GetShotTimeStr(), QString());
    EXPECT_EQ(at(1, 1, 1, 0, 1e300).GetShotTimeStr(), QString()); // no overflow
}

} // namespace
