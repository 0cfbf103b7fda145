#include "uikit/uibeep.h"
#include "uikit/uimsgbox.h"

#include <QApplication>
#include <QCursor>
#include <gtest/gtest.h>

TEST(MsgRecorder, RecordsEveryBoxAndAnswersQuestionsFromItsQueue) {
    MsgRecorder rec;
    rec.answer(true);
    rec.answer(false);
    rec.setDefaultAnswer(true);

    EXPECT_TRUE(ShowMsg(nullptr, MsgKind::Error, QStringLiteral("ошибка")));
    EXPECT_TRUE(ShowMsg(nullptr, MsgKind::Question, QStringLiteral("первый?")));
    EXPECT_TRUE(ShowMsg(nullptr, MsgKind::Warning, QStringLiteral("внимание")));
    EXPECT_FALSE(ShowMsg(nullptr, MsgKind::Question, QStringLiteral("второй?")));
    EXPECT_TRUE(ShowMsg(nullptr, MsgKind::Question, QStringLiteral("по умолчанию?")));

    const QList<MsgKind> kinds{MsgKind::Error, MsgKind::Question, MsgKind::Warning,
                               MsgKind::Question, MsgKind::Question};
    EXPECT_EQ(rec.kinds(), kinds);
    EXPECT_EQ(rec.texts(),
              QStringList({"ошибка", "первый?", "внимание", "второй?", "по умолчанию?"}));
}

TEST(MsgRecorder, AnswersNoWhenNothingIsQueued) {
    MsgRecorder rec;
    EXPECT_FALSE(ShowMsg(nullptr, MsgKind::Question, QStringLiteral("удалить?")));
}

TEST(MsgRecorder, NestedRecorderHandsBackToTheOuterOne) {
    MsgRecorder outer;
    {
        MsgRecorder inner;
        inner.answer(true);
        EXPECT_TRUE(ShowMsg(nullptr, MsgKind::Question, QStringLiteral("внутри")));
        EXPECT_EQ(inner.texts(), QStringList{"внутри"});
    }
    ShowMsg(nullptr, MsgKind::Error, QStringLiteral("снаружи"));
    EXPECT_EQ(outer.texts(), QStringList{"снаружи"});
    outer.clear();
    EXPECT_TRUE(outer.texts().isEmpty());
    EXPECT_TRUE(outer.kinds().isEmpty());
}

TEST(Beep, CountsEveryCall) {
    const int before = BeepCount();
    Beep();
    Beep();
    EXPECT_EQ(BeepCount(), before + 2);
}

TEST(WaitCursor, HoldsTheWaitCursorForItsLifetime) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        WaitCursor wait;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
