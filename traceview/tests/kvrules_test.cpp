// The decisions of the main window that need no window: frame history, key mapping, drags and
// the enabling of commands.

#include "plotcore/tcsviewopts.h"
#include "traceview/kvcommands.h"
#include "traceview/kvdragrules.h"
#include "traceview/kvkeymap.h"
#include "traceview/kvstrings.h"
#include "traceview/tcframehistory.h"

#include <gtest/gtest.h>

#include <Qt>

namespace {

TEST(FrameHistory, KeepsTwentyNewestFirst) {
    TCFrameHistory h;
    for (int i = 1; i <= 21; ++i)
        h.Record(QPoint(i, 1));
    ASSERT_EQ(h.Count(), 20);
    EXPECT_EQ(h.At(0), QPoint(21, 1));
    EXPECT_EQ(h.At(19), QPoint(2, 1)); // the first frame was dropped
    h.Record(QPoint(21, 1));           // the newest again: nothing
    EXPECT_EQ(h.Count(), 20);
}

TEST(FrameHistory, BackAndForwardWithoutRecording) {
    TCFrameHistory h;
    EXPECT_FALSE(h.CanBack());
    EXPECT_FALSE(h.CanForward());
    for (int i = 1; i <= 3; ++i)
        h.Record(QPoint(i, 10));
    EXPECT_TRUE(h.CanBack());
    EXPECT_EQ(h.Back(), QPoint(2, 10));
    h.Record(QPoint(50, 50)); // shown while back in history: not recorded
    EXPECT_EQ(h.Count(), 3);
    EXPECT_EQ(h.Back(), QPoint(1, 10));
    EXPECT_FALSE(h.CanBack());
    EXPECT_TRUE(h.CanForward());
    EXPECT_EQ(h.Forward(), QPoint(2, 10));
    EXPECT_EQ(h.Forward(), QPoint(3, 10));
    EXPECT_FALSE(h.CanForward());
    h.Record(QPoint(4, 10));
    EXPECT_EQ(h.Count(), 4);
    h.Clear();
    EXPECT_EQ(h.Count(), 0);
    EXPECT_EQ(h.Position(), 0);
}

struct KeyCase {
    int key;
    bool ctrl, shift, alt;
    KvKeyAction::Kind kind;
    int number;
    char letter;
};

class KeyMap : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyMap, Row) {
    const KeyCase& c = GetParam();
    const KvKeyAction a = KV_MapKey(c.key, c.ctrl, c.shift, c.alt);
    EXPECT_EQ(a.kind, c.kind);
    if (c.kind == KvKeyAction::ApplySet || c.kind == KvKeyAction::MemorizeSet) {
        EXPECT_EQ(a.number, c.number);
    }
    if (c.kind == KvKeyAction::Parameter) {
        EXPECT_EQ(a.letter, c.letter);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyMap,
    ::testing::Values(
        KeyCase{Qt::Key_1, true, false, false, KvKeyAction::ApplySet, 0, 0},
        KeyCase{Qt::Key_9, true, false, false, KvKeyAction::ApplySet, 8, 0},
        KeyCase{Qt::Key_0, true, false, false, KvKeyAction::ApplySet, 9, 0},
        KeyCase{Qt::Key_3, true, true, false, KvKeyAction::MemorizeSet, 2, 0},
        KeyCase{Qt::Key_Exclam, true, true, false, KvKeyAction::MemorizeSet, 0, 0},
        KeyCase{Qt::Key_ParenRight, true, true, false, KvKeyAction::MemorizeSet, 9, 0},
        KeyCase{0x2116, true, true, false, KvKeyAction::MemorizeSet, 2, 0}, // № on Shift+3
        KeyCase{Qt::Key_A, true, false, false, KvKeyAction::Parameter, 0, 'A'},
        KeyCase{Qt::Key_A, true, true, false, KvKeyAction::Parameter, 0, 'A'},
        KeyCase{Qt::Key_N, true, false, true, KvKeyAction::Parameter, 0, 'N'},
        KeyCase{'x', true, false, false, KvKeyAction::Parameter, 0, 'X'},
        // Ctrl+Shift+Alt, keys without Ctrl and letters outside the set do nothing.
        KeyCase{Qt::Key_A, true, true, true, KvKeyAction::None, 0, 0},
        KeyCase{Qt::Key_5, true, true, true, KvKeyAction::None, 0, 0},
        KeyCase{Qt::Key_5, true, false, true, KvKeyAction::None, 0, 0},
        KeyCase{Qt::Key_A, false, false, false, KvKeyAction::None, 0, 0},
        KeyCase{Qt::Key_A, false, true, false, KvKeyAction::None, 0, 0},
        KeyCase{Qt::Key_1, false, false, false, KvKeyAction::None, 0, 0},
        KeyCase{Qt::Key_Q, true, false, false, KvKeyAction::None, 0, 0},
        KeyCase{Qt::Key_Exclam, true, false, false, KvKeyAction::None, 0, 0}));

TEST(DragRules, OneModifierAtMost) {
    EXPECT_EQ(KV_DragCode(false, false, false), kDragNone);
    EXPECT_EQ(KV_DragCode(true, false, false), kDragCtrl);
    EXPECT_EQ(KV_DragCode(false, true, false), kDragShift);
    EXPECT_EQ(KV_DragCode(false, false, true), kDragAlt);
    EXPECT_EQ(KV_DragCode(true, true, false), -1);
    EXPECT_EQ(KV_DragCode(false, true, true), -1);
    EXPECT_EQ(KV_DragCode(true, false, true), -1);
}

struct ScaleCase {
    int code;
    QPoint moved;
    bool changed;
    int tScale, sScale, tStep, sStep;
};

class ScaleDrag : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleDrag, Row) {
    const ScaleCase& c = GetParam();
    TCSViewOpts o; // defaults
    const TCSViewOpts before = o;
    EXPECT_EQ(KV_ScaleDrag(c.code, c.moved, o), c.changed);
    EXPECT_EQ(o.tScale, c.tScale < 0 ? before.tScale : c.tScale);
    EXPECT_EQ(o.sScale, c.sScale < 0 ? before.sScale : c.sScale);
    EXPECT_EQ(o.tStep, c.tStep < 0 ? before.tStep : c.tStep);
    EXPECT_EQ(o.sStep, c.sStep < 0 ? before.sStep : c.sStep);
}

// -1: unchanged from the defaults.
INSTANTIATE_TEST_SUITE_P(
    Table, ScaleDrag,
    ::testing::Values(ScaleCase{kDragCtrl, QPoint(19, 0), false, -1, -1, -1, -1},
                      ScaleCase{kDragCtrl, QPoint(400, 0), true, 27, -1, -1, -1},
                      ScaleCase{kDragCtrl, QPoint(600, 0), true, 30, -1, -1, -1},
                      ScaleCase{kDragCtrl, QPoint(-400, 0), true, 3, -1, -1, -1},
                      ScaleCase{kDragCtrl, QPoint(30, 400), true, -1, 15, -1, -1},
                      ScaleCase{kDragCtrl, QPoint(0, -400), false, -1, -1, -1, -1},
                      ScaleCase{kDragShift, QPoint(45, 10), true, -1, -1, 3, -1},
                      ScaleCase{kDragShift, QPoint(0, 1000), true, -1, -1, -1, 10},
                      ScaleCase{kDragShift, QPoint(-19, -19), false, -1, -1, -1, -1},
                      ScaleCase{kDragAlt, QPoint(400, 0), false, -1, -1, -1, -1}));

TEST(DragRules, PanNeedsATraceSlotAndClamps) {
    QPoint v(-1, -1);
    // Less than tScale (10) pixels across: a vertical pan does nothing.
    EXPECT_FALSE(KV_PanVertex(QPoint(50, 100), QPoint(100, 100), QPoint(109, 300), QPoint(60, 150),
                              QPoint(60, 350), 10, 200, 1000, &v));
    EXPECT_EQ(v, QPoint(-1, -1));
    EXPECT_TRUE(KV_PanVertex(QPoint(50, 100), QPoint(300, 100), QPoint(100, 200), QPoint(70, 150),
                             QPoint(50, 250), 10, 200, 1000, &v));
    EXPECT_EQ(v, QPoint(70, 1)); // 100 + 150 - 250 clamped to sample 1
    EXPECT_TRUE(KV_PanVertex(QPoint(190, 900), QPoint(300, 100), QPoint(100, 20), QPoint(70, 900),
                             QPoint(30, 100), 10, 200, 1000, &v));
    EXPECT_EQ(v, QPoint(200, 1000));
}

TEST(Commands, NoFileLeavesOnlyFileAndHelpCommands) {
    KvState s;
    for (const KvCommandDef& c : KV_Commands()) {
        const bool expected = c.tag == kvc::FileOpen || c.tag == kvc::OpenOptions ||
                              c.tag == kvc::Reopen || c.tag == kvc::Exit ||
                              c.tag == kvc::NewWindow || (c.tag >= 40 && c.tag <= 43);
        EXPECT_EQ(KV_CommandLook(c.tag, s).enabled, expected) << c.tag;
    }
    s.lastAttempted = true;
    EXPECT_TRUE(KV_CommandLook(kvc::HeaderProbe, s).enabled);
    s.newWindow = true;
    EXPECT_TRUE(KV_CommandLook(kvc::NewWindow, s).checked);
}

TEST(Commands, FileOpenRules) {
    KvState s;
    s.fileOpen = true;
    for (int tag : {kvc::FileClose, kvc::FileProps, kvc::Export, kvc::ViewOptions, kvc::FastPanel,
                    kvc::Memorize, kvc::Defaults, kvc::SaveParams, kvc::LoadParams, kvc::GoFrame,
                    kvc::FindMax, kvc::MakeMark, kvc::CursorHint, kvc::TraceHeader, kvc::AgaTable})
        EXPECT_TRUE(KV_CommandLook(tag, s).enabled) << tag;
    for (int tag : {kvc::ApplyMenu, kvc::AgaMode, kvc::GoMark, kvc::GainUp, kvc::GainDown,
                    kvc::Back, kvc::Forward, kvc::AddToAga, kvc::MoveDnRt, kvc::FastHide})
        EXPECT_FALSE(KV_CommandLook(tag, s).enabled) << tag;
    s.normOrAgc = true;
    EXPECT_FALSE(KV_CommandLook(kvc::AgaTable, s).enabled);
    s.agaEntries = 2;
    s.agaMode = true;
    s.gainUp = s.gainDown = true;
    EXPECT_TRUE(KV_CommandLook(kvc::AgaMode, s).enabled);
    EXPECT_TRUE(KV_CommandLook(kvc::AgaMode, s).checked);
    EXPECT_FALSE(KV_CommandLook(kvc::GainUp, s).enabled); // no gain steps in the table mode
    s.agaMode = false;
    EXPECT_TRUE(KV_CommandLook(kvc::GainUp, s).enabled);
    s.agaWindowShown = true;
    EXPECT_TRUE(KV_CommandLook(kvc::AddToAga, s).enabled);
    s.setsExist = true;
    s.setValid[4] = true;
    EXPECT_TRUE(KV_CommandLook(kvc::ApplyMenu, s).enabled);
    EXPECT_TRUE(KV_SetItemLook(4, s).enabled);
    EXPECT_FALSE(KV_SetItemLook(3, s).enabled);
    s.canMove[1] = true;
    EXPECT_TRUE(KV_CommandLook(kvc::MoveUpLt, s).enabled);
    EXPECT_FALSE(KV_CommandLook(kvc::MoveDnRt, s).enabled);
}

TEST(Commands, EveryMenuCommandHasAnAltShortcutFromTheTable) {
    const std::pair<int, const char*> rows[] = {
        {51, "Alt+O"}, {57, "Alt+L"}, {52, "Alt+Y"}, {54, "Alt+G"}, {20, "Alt+P"},
        {21, "Alt+Q"}, {22, "Alt+S"}, {24, "Alt+D"}, {28, "Alt+T"}, {29, "Alt+A"},
        {70, "Alt+F"}, {73, "Alt+X"}, {71, "Alt+B"}, {72, "Alt+M"}};
    for (const auto& [tag, keys] : rows) {
        const KvCommandDef* c = KV_FindCommand(tag);
        ASSERT_NE(c, nullptr) << tag;
        EXPECT_STREQ(c->shortcut, keys) << tag;
    }
}

TEST(Strings, OpenErrorsThroughMessageSeven) {
    EXPECT_EQ(KV_OpenErrorText(6), QStringLiteral("Ошибка 6 открытия файла:\nФайл слишком мал для "
                                                  "файла SEG-Y."));
    EXPECT_EQ(KV_OpenErrorText(8), QStringLiteral("Ошибка 8 открытия файла:\n"));
    EXPECT_EQ(KV_Text(76), KV_Text(75));
    for (int code : {1, 2, 3, 4, 5, 6, 7, 9, 12, 13, 14, 15, 16})
        EXPECT_FALSE(KV_Text(code + 60).isEmpty()) << code;
}

} // namespace
