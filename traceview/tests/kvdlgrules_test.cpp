// Decisions of the bookmark, go-to and set dialogs and of the quick-control panel.

#include "traceview/kvdlgrules.h"
#include "viewcore/tcbookmarks.h"
#include "viewcore/tcfcontroller.h"
#include "viewcore/tcsetarray.h"
#include "viewcore/tcviewerparams.h"

#include <gtest/gtest.h>

namespace {

TEST(KvDlgRules, ProposedNameHasTwoBlanksBeforeTheNumbers) {
    EXPECT_EQ(KV_ProposedMarkName(QPoint(120, 1)), QStringLiteral("Кадр  120-1"));
    EXPECT_EQ(KV_ProposedMarkName(QPoint(7, 2500)), QStringLiteral("Кадр  7-2500"));
}

TEST(KvDlgRules, MarkRefusals) {
    TCBookmarks marks;
    for (int i = 1; i <= 100; ++i)
        marks.Add(QString::number(i), QPoint(i, 5));
    EXPECT_EQ(KV_MarkRefusal(marks, QPoint(1, 1)), 0); // 100 held: one more is fine
    EXPECT_EQ(KV_MarkRefusal(marks, QPoint(3, 5)), 37);
    marks.Add(QStringLiteral("x"), QPoint(200, 5));
    EXPECT_EQ(KV_MarkRefusal(marks, QPoint(1, 1)), 21);
    EXPECT_EQ(KV_MarkRefusal(marks, QPoint(3, 5)), 21); // the count is told first
}

TEST(KvDlgRules, SampleAndTimeBoxes) {
    struct Case {
        const char* in;
        int interval;
        const char* time;   // KV_TimeFromSample(in)
        const char* sample; // KV_SampleFromTime(in)
    };
    const Case cases[] = {
        {"125", 2, "250", "62"},
        {"250", 2, "500", "125"},
        {"251", 2, "502", "125"},
        {"", 2, "", ""},
        {"-", 2, "", ""},
        {"9", 0, "9", "9"},
        {"3000000000", 1000, "3000000000000", "3000000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KV_TimeFromSample(QString::fromLatin1(c.in), c.interval), c.time) << c.in;
        EXPECT_EQ(KV_SampleFromTime(QString::fromLatin1(c.in), c.interval), c.sample) << c.in;
    }
}

TEST(KvDlgRules, VertexIsClampedToTheRecord) {
    EXPECT_EQ(KV_ClampVertex(QPoint(0, 0), 96, 500), QPoint(1, 1));
    EXPECT_EQ(KV_ClampVertex(QPoint(97, 501), 96, 500), QPoint(96, 500));
    EXPECT_EQ(KV_ClampVertex(QPoint(50, 250), 96, 500), QPoint(50, 250));
}

TEST(KvDlgRules, FastPanelButtons) {
    TCViewerParams p;
    TCFController c;
    c.Init(&p);
    EXPECT_FALSE(KV_FastCanSwitch(c, -1, false));
    EXPECT_FALSE(KV_FastCanSwitch(c, 0, false)); // gain has no flag
    for (int row : {1, 2}) {
        EXPECT_TRUE(KV_FastCanSwitch(c, row, false)) << row;
        EXPECT_FALSE(KV_FastCanSwitch(c, row, true)) << row;
    }
    EXPECT_TRUE(KV_FastCanSwitch(c, 12, true));
    EXPECT_TRUE(KV_FastCanChange(c, 3, true));
    EXPECT_FALSE(KV_FastCanChange(c, -1, true));
    EXPECT_FALSE(KV_FastCanChange(c, 10, true)); // the filter is off
    p.gainTable.Add(3, 2.0f);
    p.SetAgaMode(true);
    EXPECT_FALSE(KV_FastCanSwitch(c, 1, false));
    EXPECT_FALSE(KV_FastCanChange(c, 0, true));
}

TEST(KvDlgRules, SetButtonLooks) {
    TCSetArray sets;
    const QColor active(0, 0, 128);
    KvSetButtonLook l = KV_SetButtonLook(sets, 9, active);
    EXPECT_FALSE(l.valid);
    EXPECT_EQ(l.color, QColor(160, 160, 164));
    EXPECT_EQ(l.hint, QStringLiteral("Не определена"));
    sets.Set(9, QStringLiteral("Широкий"), TCViewerParams());
    l = KV_SetButtonLook(sets, 9, active);
    EXPECT_TRUE(l.valid);
    EXPECT_EQ(l.color, active);
    EXPECT_EQ(l.hint, QStringLiteral("Широкий"));
}

} // namespace
