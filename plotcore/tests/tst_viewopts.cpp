#include "plotcore/tcsviewopts.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

struct RoundCase {
    int step;
    int n;
    int expected;
};

TEST(ViewOpts, RoundSnapsDownWithStepAsFloor) {
    const RoundCase cases[] = {
        {4, 0, 4}, {4, 1, 4},     {4, -7, 4}, {4, 9, 8},  {4, 8, 8}, {1, 1, 1},
        {1, 2, 2}, {1, 997, 997}, {3, 10, 9}, {3, 11, 9}, {0, 5, 5}, // a zero step that came in
                                                                     // through Load counts as 1
    };
    for (const RoundCase& c : cases) {
        TCSViewOpts o;
        o.tStep = qint16(c.step);
        o.sStep = qint16(c.step);
        EXPECT_EQ(o.TRound(c.n), c.expected) << "step " << c.step << " n " << c.n;
        EXPECT_EQ(o.SRound(c.n), c.expected) << "step " << c.step << " n " << c.n;
    }
}

struct BoundCase {
    const char* name;
    qint16 TCSViewOpts::*field;
    void (TCSViewOpts::*inc)(bool);
    int low;
    int high;
};

TEST(ViewOpts, IncrementsStayInTheirRanges) {
    const BoundCase cases[] = {
        {"tScale", &TCSViewOpts::tScale, &TCSViewOpts::IncTScale, 3, 30},
        {"sScale", &TCSViewOpts::sScale, &TCSViewOpts::IncSScale, 1, 15},
        {"tStep", &TCSViewOpts::tStep, &TCSViewOpts::IncTStep, 1, 20},
        {"sStep", &TCSViewOpts::sStep, &TCSViewOpts::IncSStep, 1, 10},
    };
    for (const BoundCase& c : cases) {
        TCSViewOpts o;
        o.*c.field = qint16(c.high);
        (o.*c.inc)(true);
        EXPECT_EQ(o.*c.field, c.high) << c.name;
        (o.*c.inc)(false);
        EXPECT_EQ(o.*c.field, c.high - 1) << c.name;
        o.*c.field = qint16(c.low);
        (o.*c.inc)(false);
        EXPECT_EQ(o.*c.field, c.low) << c.name;
        (o.*c.inc)(true);
        EXPECT_EQ(o.*c.field, c.low + 1) << c.name;
        // Outside the range (as loaded), a change back toward it is still refused one way only.
        o.*c.field = qint16(c.high + 5);
        (o.*c.inc)(true);
        EXPECT_EQ(o.*c.field, c.high + 5) << c.name;
        (o.*c.inc)(false);
        EXPECT_EQ(o.*c.field, c.high + 4) << c.name;
    }
}

TEST(ViewOpts, ImageIsTwentyFourLittleEndianBytesInFieldOrder) {
    TCSViewOpts o;
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    ASSERT_TRUE(o.Save(&buf));
    const QByteArray expected = QByteArray::fromHex("0700"
                                                    "0100"
                                                    "00000000"
                                                    "96969600"
                                                    "00808000"
                                                    "0500"
                                                    "3200"
                                                    "0100"
                                                    "0100");
    EXPECT_EQ(buf.data().toHex(), expected.toHex());
}

TEST(ViewOpts, LoadAcceptsOutOfRangeValuesAndRoundTrips) {
    TCSViewOpts o;
    o.tScale = 31;
    o.sScale = -2;
    o.traceColor = 0x00112233;
    o.fillColor = 0x00FFFFFF;
    o.frameColor = 0x00010203;
    o.traceLabelStep = 7;
    o.timeLabelStep = 1000;
    o.tStep = 0;
    o.sStep = 12;
    QBuffer buf;
    buf.open(QIODevice::ReadWrite);
    ASSERT_TRUE(o.Save(&buf));
    buf.seek(0);
    TCSViewOpts back;
    ASSERT_TRUE(back.Load(&buf));
    EXPECT_EQ(back, o);
}

TEST(ViewOpts, ShortReadFailsAndLeavesTheObject) {
    QBuffer buf;
    buf.setData(QByteArray(23, '\x05'));
    buf.open(QIODevice::ReadOnly);
    TCSViewOpts o;
    EXPECT_FALSE(o.Load(&buf));
    EXPECT_EQ(o, TCSViewOpts());

    QBuffer ro;
    ro.open(QIODevice::ReadOnly);
    EXPECT_FALSE(o.Save(&ro));
    EXPECT_FALSE(o.Save(nullptr));
    EXPECT_FALSE(o.Load(nullptr));
}

} // namespace
