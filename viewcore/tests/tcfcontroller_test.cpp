#include "viewcore/tcfcontroller.h"
#include "viewcore/tcframecasheb.h"
#include "viewcore/tcviewerparams.h"

#include <gtest/gtest.h>

namespace {

struct Controlled {
    Controlled() { ctl.Init(&params); }
    TCViewerParams params;
    TCFController ctl;
};

TEST(Controller, EntryTable) {
    Controlled c;
    ASSERT_EQ(c.ctl.Count(), 14);
    EXPECT_EQ(c.ctl.At(0).name, "Коэффициент усиления");
    EXPECT_EQ(c.ctl.At(9).name, "Фильтр/Качество");
    EXPECT_EQ(c.ctl.At(13).name, "Инверсия сигнала");
    const bool flags[14] = {0, 1, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1};
    const bool numbers[14] = {1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(c.ctl.Flag(i), flags[i]) << i;
        EXPECT_EQ(c.ctl.Numeric(i), numbers[i]) << i;
    }
    EXPECT_FALSE(c.ctl.Flag(14) || c.ctl.Numeric(14) || c.ctl.Flag(-1));
    EXPECT_EQ(c.ctl.GetParamHint(14), QString());
}

TEST(Controller, DefaultReadOuts) {
    Controlled c;
    c.params.signal.maxDelay = 1000;
    const char* expected[14] = {
        "  0.00дБ = 1.000E+00",
        "Откл.",
        "Откл.",
        "7 пкс между трассами",
        "1 пкс между отсчетами",
        "1",
        "1",
        "Откл./ V = 8000.00",
        "Откл. / 0 отсч.",
        "Откл. / Полуширина ИХ = 15 отсч.",
        "Откл. / 5 Гц",
        "Откл. / 50 Гц",
        "Откл.",
        "Откл.",
    };
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(c.ctl.GetParamHint(i), QString::fromUtf8(expected[i])) << i;
}

TEST(Controller, ReadOutsWithEverythingOn) {
    Controlled c;
    for (char flag : {1, 3, 4, 5, 6, 7})
        c.params.FlipFlag(flag);
    c.params.signal.gain[1] = 10.0f;
    c.params.signal.delay = -40;
    const char* expected[14] = {
        " 20.00дБ = 1.000E+01",
        "Вкл.",
        "Откл.",
        "7 пкс между трассами",
        "1 пкс между отсчетами",
        "1",
        "1",
        "Вкл./ V = 8000.00",
        "Вкл. / -40 отсч.",
        "Вкл. / Полуширина ИХ = 15 отсч.",
        "Вкл. / 5 Гц",
        "Вкл. / 50 Гц",
        "Вкл.",
        "Вкл.",
    };
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(c.ctl.GetParamHint(i), QString::fromUtf8(expected[i])) << i;
}

TEST(Controller, GainTableModeLocksTheAmplitudeEntries) {
    Controlled c;
    c.params.gainTable.Add(1, 2.0f);
    c.params.SetAgaMode(true);
    EXPECT_EQ(c.ctl.GetParamHint(0), "Включено АПУ");
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(c.ctl.CanSwitch(i)) << i;
    EXPECT_FALSE(c.ctl.CanChangeNumeric(0, true));
    EXPECT_FALSE(c.ctl.CanChangeNumeric(0, false));
    EXPECT_TRUE(c.ctl.CanSwitch(7));
    c.params.SetAgaMode(false);
    EXPECT_TRUE(c.ctl.CanSwitch(1));
    EXPECT_FALSE(c.ctl.CanSwitch(0)); // no flag
    EXPECT_TRUE(c.ctl.CanChangeNumeric(0, true));
}

TEST(Controller, FilterEntriesShareOneFlag) {
    Controlled c;
    for (int i : {9, 10, 11}) {
        EXPECT_FALSE(c.ctl.FlagOn(i));
        EXPECT_FALSE(c.ctl.CanChangeNumeric(i, true)) << i;
    }
    c.ctl.Switch(10);
    EXPECT_TRUE(c.params.signal.filtOn);
    for (int i : {9, 10, 11})
        EXPECT_TRUE(c.ctl.FlagOn(i)) << i;
    EXPECT_TRUE(c.ctl.CanChangeNumeric(9, true));
    c.ctl.ChangeNumeric(9, true);
    EXPECT_EQ(c.params.signal.halfLen, 16);
    c.ctl.ChangeNumeric(11, false);
    EXPECT_EQ(c.params.signal.highFreq, 47);
    c.ctl.Switch(9);
    EXPECT_FALSE(c.params.signal.filtOn);
    const TCViewerParams before = c.params;
    c.ctl.Switch(3);               // no flag: nothing
    c.ctl.ChangeNumeric(12, true); // no number: nothing
    EXPECT_TRUE(c.params == before);
}

TEST(Controller, NegativePhasesAndModes) {
    Controlled c;
    EXPECT_EQ(c.ctl.GetParamHint(12), "Откл.");
    c.ctl.Switch(12);
    EXPECT_FALSE(c.params.signal.cutNegative);
    EXPECT_EQ(c.ctl.GetParamHint(12), "Вкл.");
    c.ctl.Switch(2);
    EXPECT_EQ(c.params.signal.mode, 2);
    c.ctl.Switch(1);
    EXPECT_EQ(c.params.signal.mode, 1);
    c.ctl.Switch(1);
    EXPECT_EQ(c.params.signal.mode, 0);
    c.params.signal.mode = 2;
    c.ctl.SetDefaults();
    EXPECT_EQ(c.params.signal.mode, 0);
    EXPECT_TRUE(c.params.signal.cutNegative);
}

TEST(FrameCache, EntriesByTrace) {
    TCFrameCasheB cache;
    cache.DefineFrame(100, 3);
    cache.Add(1.5, 10);
    cache.Add(2.5, 20);
    cache.Add(3.5, -30);
    EXPECT_EQ(cache.GetShotTime(103), 2.5);
    EXPECT_EQ(cache.GetDelay(100), 10);
    QPoint p(106, 50); // firstTrace + 2 x traceStep
    cache.AddDelay(p);
    EXPECT_EQ(p, QPoint(106, 20));
    // Outside the cached frame: nothing to add.
    for (int trace : {97, 98, 99, 109, -5}) {
        EXPECT_EQ(cache.GetDelay(trace), 0) << trace;
        EXPECT_EQ(cache.GetShotTime(trace), 0.0) << trace;
    }
    cache.DefineFrame(1, 0);
    EXPECT_EQ(cache.GetDelay(1), 0);
    cache.Clear();
    EXPECT_EQ(cache.Count(), 0);
}

} // namespace
