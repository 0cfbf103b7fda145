#include "uikit/uibeep.h"
#include "uikit/uimsgbox.h"

#include "uikit/screenshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Shows a real box, and once it is up reads its caption and button texts, saves a picture and
// clicks the button with text `click`.
struct BoxSeen {
    QString caption;
    QStringList buttons;
};

bool showAndClick(MsgKind kind, const QString& click, BoxSeen* seen, const QString& picture) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box";
            return;
        }
        seen->caption = box->windowTitle();
        QAbstractButton* target = nullptr;
        for (QAbstractButton* b : box->buttons()) {
            seen->buttons << b->text();
            if (b->text() == click)
                target = b;
        }
        SaveScreenshot(box, picture);
        if (target)
            target->click();
        else
            box->reject();
    });
    return ShowMsg(nullptr, kind, QStringLiteral("Файл уже открыт."));
}

} // namespace

TEST(ShowMsg, RealBoxesAnswerWithTheirButtons) {
    QApplication::setApplicationDisplayName(QStringLiteral("Gravik Viewer"));
    BoxSeen seen;
    EXPECT_TRUE(showAndClick(MsgKind::Question, QStringLiteral("Да"), &seen, "uikit_msg_question"));
    EXPECT_EQ(seen.caption, "Gravik Viewer");
    EXPECT_EQ(seen.buttons, QStringList({"Да", "Нет"}));

    BoxSeen no;
    EXPECT_FALSE(showAndClick(MsgKind::Question, QStringLiteral("Нет"), &no, "uikit_msg_no"));

    BoxSeen error;
    EXPECT_TRUE(showAndClick(MsgKind::Error, QStringLiteral("OK"), &error, "uikit_msg_error"));
    EXPECT_EQ(error.buttons, QStringList({"OK"}));
}

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
