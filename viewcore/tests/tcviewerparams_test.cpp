#include "viewcore/tcviewerparams.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include <climits>
#include <cmath>
#include <vector>

namespace {

QByteArray imageOf(const TCViewerParams& p) {
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    EXPECT_TRUE(p.Save(&buf));
    return buf.data();
}

TEST(ViewerParamsImage, MembersInOrderWithTheGainTable) {
    TCViewerParams p;
    p.viewOpts.tScale = 0x0A0B;
    p.scroll.inc[3] = 0x0C0D;
    p.gainTable.Add(20, 4.0f);
    p.gainTable.Add(10, 2.0f);
    p.gainTable.Add(15, 3.0f);
    const QByteArray img = imageOf(p);
    ASSERT_EQ(img.size(), 880 + 24 + 8 + 4 + 3 * 8);
    EXPECT_EQ(qFromLittleEndian<qint16>(img.constData() + 880), 0x0A0B);
    EXPECT_EQ(qFromLittleEndian<qint16>(img.constData() + 904 + 6), 0x0C0D);
    EXPECT_EQ(qFromLittleEndian<qint32>(img.constData() + 912), 3);
    EXPECT_EQ(qFromLittleEndian<qint32>(img.constData() + 916), 10);           // sorted by trace
    EXPECT_EQ(qFromLittleEndian<quint32>(img.constData() + 920), 0x40000000u); // 2.0f
    EXPECT_EQ(qFromLittleEndian<qint32>(img.constData() + 932), 20);

    QByteArray copy = img;
    QBuffer in(&copy);
    in.open(QIODevice::ReadOnly);
    TCViewerParams back;
    back.agaMode = true;
    ASSERT_TRUE(back.Load(&in));
    EXPECT_EQ(imageOf(back), img);
    EXPECT_FALSE(back.AgaMode());
}

TEST(ViewerParamsImage, DamagedImagesFallBackToDefaults) {
    TCViewerParams p;
    p.signal.mode = 2;
    p.gainTable.Add(10, 2.0f);
    const QByteArray img = imageOf(p);
    QByteArray hugeCount = img;
    qToLittleEndian<qint32>(0x7FFFFFFF, hugeCount.data() + 912);
    QByteArray negativeCount = img;
    qToLittleEndian<qint32>(-1, negativeCount.data() + 912);
    for (QByteArray bad :
         {img.left(100), img.left(911), img.left(img.size() - 1), hugeCount, negativeCount}) {
        QBuffer in(&bad);
        in.open(QIODevice::ReadOnly);
        TCViewerParams back;
        back.viewOpts.tScale = 20;
        EXPECT_FALSE(back.Load(&in)) << bad.size();
        EXPECT_EQ(imageOf(back), imageOf(TCViewerParams())) << bad.size();
    }
}

TEST(ViewerParamsFile, SaveLoadAndMissingFile) {
    const QString dir = qEnvironmentVariable("GRAVIK_HOME");
    ASSERT_FALSE(dir.isEmpty());
    const QString path = dir + "/one.uprm";
    TCViewerParams p;
    p.signal.filtOn = true;
    p.viewOpts.sStep = 4;
    ASSERT_TRUE(p.Save(path));
    TCViewerParams back;
    ASSERT_TRUE(back.Load(path));
    EXPECT_TRUE(back == p);
    back.signal.mode = 1;
    EXPECT_FALSE(back.Load(dir + "/missing.uprm"));
    EXPECT_TRUE(back == TCViewerParams());
}

TEST(ViewerParams, EqualityIgnoresColoursScrollAndTable) {
    TCViewerParams a, b;
    b.viewOpts.fillColor = 0x123456;
    b.viewOpts.traceLabelStep = 9;
    b.scroll.SetInc(0, 50);
    b.gainTable.Add(3, 1.0f);
    EXPECT_TRUE(a == b);
    b.viewOpts.tStep = 3;
    EXPECT_TRUE(a != b);
}

TEST(ViewerParams, FlagsByCode) {
    TCViewerParams p;
    EXPECT_TRUE(p.GetFlagVal(0));
    EXPECT_TRUE(p.GetFlagVal(6) == false); // negative phases cut by default
    p.FlipFlag(1);
    EXPECT_EQ(p.signal.mode, 1);
    EXPECT_TRUE(p.GetFlagVal(1));
    p.FlipFlag(2);
    EXPECT_EQ(p.signal.mode, 2);
    p.FlipFlag(2);
    EXPECT_EQ(p.signal.mode, 0);
    p.FlipFlag(6);
    EXPECT_TRUE(p.GetFlagVal(6));
    for (char flag : {3, 4, 5, 7}) {
        EXPECT_FALSE(p.GetFlagVal(flag));
        p.FlipFlag(flag);
        EXPECT_TRUE(p.GetFlagVal(flag));
    }
    EXPECT_FALSE(p.GetFlagVal(8));
    EXPECT_TRUE(p.IsParamOn(0));
    EXPECT_TRUE(p.IsParamOn(9)); // filter switched on above
}

TEST(ViewerParams, HalfLengthBetween8And50) {
    TCViewerParams p;
    p.signal.halfLen = 50;
    EXPECT_FALSE(p.CanModify(7, true));
    p.Modify(7, true);
    EXPECT_EQ(p.signal.halfLen, 50);
    p.Modify(7, false);
    EXPECT_EQ(p.GetIntParamVal(7), 49);
    p.signal.halfLen = 8;
    p.Modify(7, false);
    EXPECT_EQ(p.signal.halfLen, 8);
    EXPECT_FALSE(p.CanModify(10, true));
}

// Ctrl+letter raises, Ctrl+Shift+letter lowers, Ctrl+Alt+letter flips a flag.
TEST(ViewerParams, KeyboardModify) {
    struct Case {
        char key;
        bool alt, shift, ctrl;
        int code;  // numeric code expected to change, -1 none
        int delta; // its change
        int flag;  // flag code expected to flip, -1 none
    } cases[] = {
        {'X', false, false, true, 0, +1, -1},  {'x', false, true, true, 0, -1, -1},
        {'Y', false, false, true, 1, +1, -1},  {'T', false, false, true, 2, +1, -1},
        {'S', false, false, true, 3, +1, -1},  {'F', false, true, true, 7, -1, -1},
        {'L', false, false, true, 8, +3, -1},  {'U', false, true, true, 9, -3, -1},
        {'N', true, false, true, -1, 0, 1},    {'g', true, false, true, -1, 0, 2},
        {'D', true, false, true, -1, 0, 3},    {'R', true, false, true, -1, 0, 4},
        {'F', true, false, true, -1, 0, 5},    {'M', true, false, true, -1, 0, 6},
        {'I', true, false, true, -1, 0, 7},    {'Q', true, false, true, -1, 0, -1},
        {'Q', false, false, true, -1, 0, -1},  {'X', true, false, false, -1, 0, -1},
        {'X', false, false, false, -1, 0, -1},
    };
    for (const Case& c : cases) {
        TCViewerParams p;
        const TCViewerParams before = p;
        p.Modify((unsigned short)c.key, c.alt, c.shift, c.ctrl);
        for (int code : {0, 1, 2, 3, 5, 7, 8, 9}) {
            EXPECT_EQ(p.GetIntParamVal(char(code)) - before.GetIntParamVal(char(code)),
                      code == c.code ? c.delta : 0)
                << c.key << " code " << code;
        }
        for (int flag = 1; flag < 8; ++flag) {
            EXPECT_EQ(p.GetFlagVal(char(flag)) != before.GetFlagVal(char(flag)), flag == c.flag)
                << c.key << " flag " << flag;
        }
    }
    TCViewerParams p;
    p.Modify((unsigned short)'A', false, false, true);
    EXPECT_NEAR(p.GetFloatParamVal(4), std::pow(10.0, 0.5), 1e-5);
    p.signal.gain[0] = float(TCSignal::DecibelToFactor(-500));
    p.Modify((unsigned short)'A', false, true, true);
    EXPECT_EQ(p.signal.gain[0], float(TCSignal::DecibelToFactor(-500)));
    p.Modify((unsigned short)'R', false, false, true);
    EXPECT_EQ(p.GetFloatParamVal(6), 8100.0);
    p.signal.maxDelay = 100;
    p.Modify((unsigned short)'D', false, true, true);
    EXPECT_EQ(p.GetIntParamVal(5), -20);
}

TEST(ViewerParams, AgaModeNeedsATableAndDrivesTheGain) {
    TCViewerParams p;
    p.SetAgaMode(true);
    EXPECT_FALSE(p.AgaMode());
    p.gainTable.Add(10, 2.0f);
    p.gainTable.Add(20, 4.0f);
    p.SetAgaMode(true);
    EXPECT_TRUE(p.AgaMode());
    p.signal.cutNegative = false;
    p.signal.gain[0] = 100.0f; // the mode gains play no part
    std::vector<float> d = {1, -1, 2}, work(3);
    p.ProcessTraceSegment(15, d.data(), 3, work.data());
    EXPECT_EQ(d, (std::vector<float>{3, -3, 6}));
    p.signal.invert = true;
    p.signal.cutNegative = true;
    p.ProcessTraceSegment(1, d.data(), 3, work.data());
    EXPECT_EQ(d, (std::vector<float>{0, 6, 0}));
    p.SetDefaults();
    EXPECT_FALSE(p.AgaMode());
    EXPECT_EQ(p.gainTable.Count(), 0);
}

TEST(Scroll, StepsAndShift) {
    TCScroll s;
    EXPECT_EQ(s.GetShift(1000, 2), 600);
    EXPECT_EQ(s.GetScBarInc(), QPoint(20, 20));
    for (int v : {0, 100, -5, 1000}) {
        s.SetInc(1, v);
        EXPECT_EQ(s.GetInc(1), 20) << v;
    }
    s.SetInc(1, 1);
    EXPECT_EQ(s.GetInc(1), 1);
    s.SetInc(1, 99);
    EXPECT_EQ(s.GetInc(1), 99);
    EXPECT_EQ(s.GetShift(7, 1), 7); // 6.93 rounds to 7
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    ASSERT_TRUE(s.Save(&buf));
    EXPECT_EQ(buf.data(), QByteArray("\x14\x00\x63\x00\x3c\x00\x3c\x00", 8));
}

TEST(GainTable, InterpolationAndAdd) {
    TCAGATable t;
    EXPECT_EQ(t.Gain(5), 0.0f);
    t.Add(10, 2.0f);
    EXPECT_EQ(t.Gain(-100), 2.0f);
    EXPECT_EQ(t.Gain(1000), 2.0f);
    t.Add(20, 4.0f);
    struct Case {
        int trace;
        float gain;
    } cases[] = {{1, 2.0f}, {10, 2.0f}, {11, 2.2f}, {15, 3.0f}, {20, 4.0f}, {500, 4.0f}};
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(t.Gain(c.trace), c.gain) << c.trace;
    EXPECT_TRUE(t.Add(20, 5.0f));
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(t.At(1).gain, 5.0f);
    EXPECT_TRUE(t.Add(5, 1.0f));
    EXPECT_EQ(t.At(0).trace, 5);
    EXPECT_EQ(t.IndexOf(20), 2);
    EXPECT_EQ(t.IndexOf(21), -1);
    t.Delete(7);
    t.Delete(0);
    EXPECT_EQ(t.At(0).trace, 10);

    TCAGATable wide; // traces spanning the whole 32-bit range, as a damaged set may hold
    wide.Add(INT_MIN, 1.0f);
    wide.Add(INT_MAX, 3.0f);
    EXPECT_NEAR(wide.Gain(0), 2.0f, 1e-6);
}

TEST(GainTable, FullTableRefusesEvenAPresentTrace) {
    TCAGATable t;
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(t.Add(100 - i, 1.0f));
    EXPECT_FALSE(t.Add(100, 9.0f));
    EXPECT_FALSE(t.Add(1000, 9.0f));
    EXPECT_EQ(t.Count(), 50);
    EXPECT_EQ(t.At(49).gain, 1.0f);
}

TEST(GainTable, LoadSortsAndKeepsWhatTheFileHolds) {
    // Entries out of order and a duplicate trace come back sorted, the duplicate kept.
    QByteArray bytes(4 + 3 * 8, '\0');
    const qint32 traces[] = {30, 10, 30};
    qToLittleEndian<qint32>(3, bytes.data());
    for (int i = 0; i < 3; ++i)
        qToLittleEndian<qint32>(traces[i], bytes.data() + 4 + 8 * i);
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    TCAGATable t;
    ASSERT_TRUE(t.Load(&in));
    ASSERT_EQ(t.Count(), 3);
    EXPECT_EQ(t.At(0).trace, 10);
    EXPECT_EQ(t.At(2).trace, 30);
}

} // namespace
