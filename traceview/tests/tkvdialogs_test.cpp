// The bookmark, go-to and parameter-set dialogs and the quick-control panel through the real
// main window and widgets, offscreen, on a generated record of 40 x 24 traces of 1000 samples at
// 2 ms (long enough that the frames the tests go to are not pulled back to the record's end).

#include "apptools/appfolders.h"
#include "segygen/segygen.h"
#include "traceview/kvcommands.h"
#include "traceview/tbkmarksdlg.h"
#include "traceview/tbookmarkdlg.h"
#include "traceview/tfastctrlwin.h"
#include "traceview/tkv5mainwin.h"
#include "traceview/tkvimage.h"
#include "traceview/tkvmarksmodel.h"
#include "traceview/tmemsetdlg.h"
#include "traceview/tmovedlg.h"
#include "uikit/screenshot.h"
#include "uikit/uibeep.h"
#include "uikit/uimsgbox.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <functional>
#include <memory>

namespace {

QString Home() {
    return qEnvironmentVariable("GRAVIK_HOME");
}

// Runs `act` once on the modal dialog of type D as soon as it shows (the test goes on inside
// the dialog's own event loop); any other modal dialog before it is rejected and counted.
template <class D> class OnModal {
public:
    explicit OnModal(std::function<void(D*)> act) : m_act(std::move(act)) {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dlg == nullptr)
                return;
            if (auto* d = qobject_cast<D*>(dlg); d != nullptr) {
                m_ran = true;
                m_timer.stop();
                // Focus moves and shortcuts need the dialog to be the active window, and
                // clicks on list rows need its views laid out.
                QApplication::setActiveWindow(dlg);
                QCoreApplication::processEvents();
                m_act(d);
                if (dlg->isVisible()) { // a test that failed to close it would hang here
                    ADD_FAILURE() << "the dialog was left open";
                    dlg->reject();
                }
            } else if (dlg->isVisible()) {
                ++m_unexpected;
                dlg->reject();
            }
        });
        m_timer.start();
    }
    bool ran() const { return m_ran; }
    int unexpected() const { return m_unexpected; }

private:
    std::function<void(D*)> m_act;
    QTimer m_timer;
    bool m_ran = false;
    int m_unexpected = 0;
};

template <class T> T* Child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

// Types `text` key by key (QTest::keyClicks knows Latin letters only).
void Type(QWidget* w, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void Retype(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    Type(e, text);
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        // The cases write and delete per-user files: only ever below a test's own folder.
        ASSERT_FALSE(Home().isEmpty()) << "GRAVIK_HOME must name a scratch folder (ctest sets it)";
        // Every case starts without the per-user files of the one before (sets, bookmarks).
        QDir(Home() + "/sets").removeRecursively();
        QFile::remove(KV_GetSetArrayFile());
        KT_SetAppDir(Home() + "/app");
        QDir().mkpath(Home() + "/app");
        SynthSpec s;
        s.sources = 40;
        s.receivers = 24;
        s.samples = 1000;
        s.format = 5;
        s.amplitude = 5.0;
        path = Home() + "/record.sgy";
        ASSERT_EQ(WriteSynthSegy(path.toStdString(), s), 0);
        Start();
    }
    void TearDown() override { win.reset(); }

    // A viewer window with the record open; the settings keep bookmarks in sets/.
    void Start() {
        win = std::make_unique<TKv5MainWin>(QStringList());
        win->resize(960, 570);
        win->show();
        QCoreApplication::processEvents();
        const QString sets = Home() + "/sets";
        QDir().mkpath(sets);
        win->Settings().setDirs.Add(sets);
        win->Settings().setIndex = 0;
        win->Settings().SetFlags(false, false, false, false, true);
        win->OpenFile(path);
        QCoreApplication::processEvents();
        ASSERT_TRUE(win->FileOpen());
    }
    QPoint Vertex() const { return win->Plotter().GetFrameVertex(); }
    void Key(int key, Qt::KeyboardModifiers mods) {
        QTest::keyClick(win->Image(), Qt::Key(key), mods);
    }

    MsgRecorder rec;
    QString path;
    std::unique_ptr<TKv5MainWin> win;
};

// ---- bookmark naming

TEST_F(Dialogs, BookmarkNameIsProposedAndOkAddsIt) {
    win->ShowFrame(2, QPoint(120, 1));
    ASSERT_EQ(Vertex(), QPoint(120, 1));
    OnModal<TBookmarkDlg> dlg([](TBookmarkDlg* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Закладка для кадра"));
        auto* name = Child<QLineEdit>(d, "p_edName");
        EXPECT_EQ(name->text(), QStringLiteral("Кадр  120-1"));
        EXPECT_EQ(name->maxLength(), 40);
        EXPECT_FALSE(Child<QLabel>(d, "p_lbWarn")->isVisible());
        SaveScreenshot(d, "traceview_bookmark_dlg");
        name->clear();
        EXPECT_FALSE(Child<QPushButton>(d, "p_bnOk")->isEnabled());
        Type(name, QStringLiteral("Отражение"));
        QTest::mouseClick(Child<QPushButton>(d, "p_bnOk"), Qt::LeftButton);
    });
    win->Dispatch(kvc::MakeMark);
    ASSERT_TRUE(dlg.ran());
    ASSERT_EQ(win->Bookmarks().Count(), 1);
    EXPECT_EQ(win->Bookmarks().At(0).GetName(), QStringLiteral("Отражение"));
    EXPECT_EQ(win->Bookmarks().At(0).GetVertex(), QPoint(120, 1));
    EXPECT_TRUE(win->Action(kvc::GoMark)->isEnabled());
}

TEST_F(Dialogs, ExistingNameTabbedToOkWarnsAndKeepsTheDialog) {
    win->Bookmarks().Add(QStringLiteral("Разлом"), QPoint(50, 1));
    const int beeps = BeepCount();
    OnModal<TBookmarkDlg> dlg([&](TBookmarkDlg* d) {
        auto* name = Child<QLineEdit>(d, "p_edName");
        Retype(name, QStringLiteral("РАЗЛОМ")); // letter case does not matter
        QTest::keyClick(name, Qt::Key_Tab);
        EXPECT_TRUE(Child<QLabel>(d, "p_lbWarn")->isVisible());
        EXPECT_EQ(BeepCount(), beeps + 1);
        EXPECT_EQ(QApplication::focusWidget(), name);
        EXPECT_TRUE(d->isVisible());
        SaveScreenshot(d, "traceview_bookmark_dlg_duplicate");
        // Enter presses OK without the focus passing there: still refused.
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        QTest::keyClick(name, Qt::Key_1);
        EXPECT_FALSE(Child<QLabel>(d, "p_lbWarn")->isVisible());
        QTest::keyClick(name, Qt::Key_Return);
        EXPECT_FALSE(d->isVisible());
    });
    win->Dispatch(kvc::MakeMark);
    ASSERT_TRUE(dlg.ran());
    ASSERT_EQ(win->Bookmarks().Count(), 2);
    EXPECT_EQ(win->Bookmarks().At(1).GetName(), QStringLiteral("РАЗЛОМ1"));
}

TEST_F(Dialogs, RefusalsBeforeTheNamingDialog) {
    // The current frame bookmarked already: message 37, no dialog.
    win->Bookmarks().Add(QStringLiteral("Начало"), Vertex());
    {
        OnModal<TBookmarkDlg> dlg([](TBookmarkDlg* d) { d->reject(); });
        win->Dispatch(kvc::MakeMark);
        EXPECT_FALSE(dlg.ran());
    }
    EXPECT_EQ(rec.texts(), QStringList{"Закладка для этого кадра уже существует."});
    EXPECT_EQ(rec.kinds(), QList<MsgKind>{MsgKind::Warning});
    rec.clear();
    // 100 bookmarks leave room for one more; 101 refuse with message 21.
    for (int t = 2; t <= 100; ++t)
        win->Bookmarks().Add(QString::number(t), QPoint(t, 7));
    win->ShowFrame(2, QPoint(30, 1));
    {
        OnModal<TBookmarkDlg> dlg([](TBookmarkDlg* d) { d->accept(); });
        win->Dispatch(kvc::MakeMark);
        EXPECT_TRUE(dlg.ran());
    }
    ASSERT_EQ(win->Bookmarks().Count(), 101);
    win->ShowFrame(2, QPoint(40, 1));
    {
        OnModal<TBookmarkDlg> dlg([](TBookmarkDlg* d) { d->reject(); });
        win->Dispatch(kvc::MakeMark);
        EXPECT_FALSE(dlg.ran());
    }
    EXPECT_EQ(rec.texts(), QStringList{"Число закладок слишком велико. Удалите лишние."});
    EXPECT_EQ(win->Bookmarks().Count(), 101);
}

TEST_F(Dialogs, BookmarksSurviveClosingAndReopeningTheFile) {
    win->ShowFrame(2, QPoint(33, 120));
    OnModal<TBookmarkDlg> dlg([](TBookmarkDlg* d) {
        QTest::mouseClick(Child<QPushButton>(d, "p_bnOk"), Qt::LeftButton);
    });
    win->Dispatch(kvc::MakeMark);
    ASSERT_TRUE(dlg.ran());
    win->Dispatch(kvc::FileClose);
    EXPECT_EQ(win->Bookmarks().Count(), 0);
    win.reset(); // the settings and sets are saved as the window closes
    Start();
    ASSERT_EQ(win->Bookmarks().Count(), 1);
    EXPECT_EQ(win->Bookmarks().At(0).GetName(), QStringLiteral("Кадр  33-120"));
    EXPECT_EQ(win->Bookmarks().At(0).GetVertex(), QPoint(33, 120));
    EXPECT_TRUE(rec.texts().isEmpty()) << rec.texts().join('|').toStdString();
}

// ---- bookmark list

class MarkList : public Dialogs {
protected:
    void SetUp() override {
        Dialogs::SetUp();
        if (HasFatalFailure())
            return;
        win->Bookmarks().Add(QStringLiteral("b"), QPoint(20, 1));
        win->Bookmarks().Add(QStringLiteral("A"), QPoint(10, 1));
        win->Bookmarks().Add(QStringLiteral("c"), QPoint(30, 50));
    }
    QStringList Names() const {
        QStringList n;
        for (int i = 0; i < win->Bookmarks().Count(); ++i)
            n << win->Bookmarks().At(i).GetName();
        return n;
    }
    static QStringList Rows(TBkMarksDlg* d) {
        QStringList n;
        QAbstractItemModel* m = Child<QTreeView>(d, "p_lvMarks")->model();
        for (int r = 0; r < m->rowCount(); ++r)
            n << m->index(r, 0).data().toString();
        return n;
    }
    static void SelectRow(TBkMarksDlg* d, int row) {
        auto* view = Child<QTreeView>(d, "p_lvMarks");
        const QModelIndex i = view->model()->index(row, 0);
        view->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
    }
};

TEST_F(MarkList, SortAndDeleteKeptByTheCloseButtonWhileTicked) {
    OnModal<TBkMarksDlg> dlg([](TBkMarksDlg* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Список закладок"));
        auto* view = Child<QTreeView>(d, "p_lvMarks");
        EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Имя"));
        EXPECT_EQ(view->selectionModel()->selectedRows().size(), 1);
        EXPECT_EQ(view->selectionModel()->selectedRows().value(0).row(), 0);
        EXPECT_TRUE(Child<QCheckBox>(d, "p_chbSave")->isChecked());
        EXPECT_TRUE(Child<QAction>(d, "p_miSort")->isEnabled());
        Child<QAction>(d, "p_miSort")->trigger();
        EXPECT_EQ(Rows(d), (QStringList{"A", "b", "c"}));
        SaveScreenshot(d, "traceview_bkmarks_dlg");
        SelectRow(d, 1);
        QTest::keyClick(view, Qt::Key_Delete);
        EXPECT_EQ(Rows(d), (QStringList{"A", "c"}));
        d->close(); // the window's close button
    });
    win->Dispatch(kvc::GoMark);
    ASSERT_TRUE(dlg.ran());
    EXPECT_EQ(Names(), (QStringList{"A", "c"}));
    EXPECT_EQ(Vertex(), QPoint(1, 1));
}

TEST_F(MarkList, UntickedDropsTheChanges) {
    OnModal<TBkMarksDlg> dlg([](TBkMarksDlg* d) {
        Child<QCheckBox>(d, "p_chbSave")->setChecked(false);
        auto* view = Child<QTreeView>(d, "p_lvMarks");
        view->selectAll();
        EXPECT_FALSE(Child<QAction>(d, "p_miGo")->isEnabled()); // more than one row
        Child<QAction>(d, "p_miDelete")->trigger();
        EXPECT_TRUE(Rows(d).isEmpty());
        EXPECT_FALSE(Child<QAction>(d, "p_miDelete")->isEnabled());
        d->close();
    });
    win->Dispatch(kvc::GoMark);
    ASSERT_TRUE(dlg.ran());
    EXPECT_EQ(Names(), (QStringList{"b", "A", "c"}));
}

TEST_F(MarkList, GoingToABookmarkShowsItsFrame) {
    OnModal<TBkMarksDlg> dlg([](TBkMarksDlg* d) {
        Child<QAction>(d, "p_miSort")->trigger();
        SelectRow(d, 2);
        auto* view = Child<QTreeView>(d, "p_lvMarks");
        const QRect r = view->visualRect(view->model()->index(2, 0));
        // What a desktop delivers: press, release, double click, release.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(r.center()),
                        view->viewport()->mapToGlobal(QPointF(r.center())), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &dbl);
    });
    win->Dispatch(kvc::GoMark);
    ASSERT_TRUE(dlg.ran());
    EXPECT_EQ(Vertex(), QPoint(30, 50)); // "c", after sorting
    EXPECT_EQ(Names(), (QStringList{"A", "b", "c"}));

    // The current frame's bookmark: nothing is redrawn.
    const int drawn = win->FramesDrawn();
    OnModal<TBkMarksDlg> again([](TBkMarksDlg* d) {
        SelectRow(d, 2);
        Child<QAction>(d, "p_miGo")->trigger();
    });
    win->Dispatch(kvc::GoMark);
    ASSERT_TRUE(again.ran());
    EXPECT_EQ(win->FramesDrawn(), drawn);
}

TEST(MarksModel, PassesTheModelTester) {
    TCBookmarks marks;
    marks.Add(QStringLiteral("один"), QPoint(1, 1));
    marks.Add(QStringLiteral("два"), QPoint(2, 2));
    TKvMarksModel model(&marks);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.Change([&] { marks.SortByName(); });
    EXPECT_EQ(model.index(0, 0).data().toString(), QStringLiteral("два"));
    model.Change([&] { marks.Delete(-1); });
    EXPECT_EQ(model.rowCount(), 0);
}

// ---- go to frame

TEST_F(Dialogs, GoToLinksSampleAndTimeAndTheWindowClamps) {
    win->ShowFrame(2, QPoint(5, 10));
    OnModal<TMoveDlg> dlg([](TMoveDlg* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Перейти к кадру с вершиной ..."));
        auto* trace = Child<QLineEdit>(d, "p_edTrace");
        auto* sample = Child<QLineEdit>(d, "p_edSample");
        auto* time = Child<QLineEdit>(d, "p_edTime");
        EXPECT_EQ(trace->text(), "5");
        EXPECT_EQ(sample->text(), "10");
        EXPECT_EQ(time->text(), "20");
        SaveScreenshot(d, "traceview_move_dlg");
        Retype(time, "250");
        EXPECT_EQ(sample->text(), "125");
        EXPECT_EQ(time->text(), "250"); // the sample box set by code does not write back
        Retype(sample, "31");
        EXPECT_EQ(time->text(), "62");
        time->setFocus();
        time->selectAll();
        QTest::keyClick(time, Qt::Key_Backspace);
        EXPECT_EQ(sample->text(), "");
        EXPECT_FALSE(Child<QPushButton>(d, "p_bnOk")->isEnabled());
        Type(sample, "100000");
        Retype(trace, "0");
        QTest::mouseClick(Child<QPushButton>(d, "p_bnOk"), Qt::LeftButton);
    });
    win->Dispatch(kvc::GoFrame);
    ASSERT_TRUE(dlg.ran());
    // Trace 0 and sample 100000 are clamped to the record before the frame is shown.
    EXPECT_EQ(Vertex().x(), 1);
    EXPECT_LE(Vertex().y(), 1000);
    EXPECT_GT(Vertex().y(), 1);
    EXPECT_TRUE(rec.texts().isEmpty());

    // OK on the unchanged vertex shows nothing new.
    const int drawn = win->FramesDrawn();
    OnModal<TMoveDlg> same([](TMoveDlg* d) { d->accept(); });
    win->Dispatch(kvc::GoFrame);
    EXPECT_EQ(win->FramesDrawn(), drawn);
}

// ---- parameter sets

TEST_F(Dialogs, ShiftCtrlDigitMemorisesThroughTheSetDialog) {
    win->Params().viewOpts.tScale = 11;
    OnModal<TMemSetDlg> dlg([](TMemSetDlg* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Запомнить вариант настройки"));
        auto* list = Child<QListWidget>(d, "p_lbxNumber");
        EXPECT_FALSE(list->isEnabled());
        EXPECT_EQ(list->currentItem()->text(), "3");
        auto* name = Child<QLineEdit>(d, "p_edName");
        EXPECT_EQ(name->text(), QStringLiteral("Третья"));
        EXPECT_EQ(name->maxLength(), 24);
        EXPECT_EQ(Child<QLabel>(d, "p_lbHint")->text(),
                  QStringLiteral("Для применения нажмите Ctrl+3"));
        SaveScreenshot(d, "traceview_memset_dlg");
        Retype(name, QStringLiteral("Крупный план"));
        QTest::mouseClick(Child<QPushButton>(d, "p_bnOk"), Qt::LeftButton);
    });
    Key(Qt::Key_3, Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_TRUE(dlg.ran());
    EXPECT_TRUE(win->Sets().Valid(2));
    EXPECT_TRUE(win->SetItem(2)->text().startsWith(QStringLiteral("Крупный план")));
    EXPECT_TRUE(rec.texts().isEmpty());

    win->Params().viewOpts.tScale = 5;
    Key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(win->Params().viewOpts.tScale, 11);

    // A new viewer reads the set file.
    win.reset();
    Start();
    EXPECT_NE(win->Params().viewOpts.tScale, 11);
    Key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(win->Params().viewOpts.tScale, 11);
    EXPECT_TRUE(win->SetItem(2)->text().startsWith(QStringLiteral("Крупный план")));
}

TEST_F(Dialogs, MemorizeCommandLetsTheUserChoose) {
    OnModal<TMemSetDlg> dlg([](TMemSetDlg* d) {
        auto* list = Child<QListWidget>(d, "p_lbxNumber");
        EXPECT_TRUE(list->isEnabled());
        EXPECT_FALSE(Child<QPushButton>(d, "p_bnOk")->isEnabled());
        EXPECT_FALSE(Child<QLineEdit>(d, "p_edName")->isEnabled());
        QStringList numbers;
        for (int i = 0; i < list->count(); ++i)
            numbers << list->item(i)->text();
        EXPECT_EQ(numbers.join(""), "1234567890");
        list->setCurrentRow(9);
        EXPECT_EQ(Child<QLabel>(d, "p_lbHint")->text(),
                  QStringLiteral("Для применения нажмите Ctrl+0"));
        EXPECT_EQ(Child<QLineEdit>(d, "p_edName")->text(), QStringLiteral("Десятая"));
        d->reject();
    });
    win->Dispatch(kvc::Memorize);
    ASSERT_TRUE(dlg.ran());
    EXPECT_FALSE(win->Sets().Valid(9)); // cancelled
}

// ---- quick-control panel

class FastPanel : public Dialogs {
protected:
    void SetUp() override {
        Dialogs::SetUp();
        if (HasFatalFailure())
            return;
        panel = win->FastPanel();
        ASSERT_NE(panel, nullptr);
        EXPECT_TRUE(panel->isHidden());
        EXPECT_FALSE(win->Action(kvc::FastTop)->isEnabled());
        win->Dispatch(kvc::FastPanel);
        ASSERT_TRUE(panel->isVisible());
        list = Child<QListWidget>(panel, "p_lvParams");
    }
    QToolButton* Button(const char* name) { return Child<QToolButton>(panel, name); }
    void Select(int row) { list->setCurrentRow(row); }

    TFastCtrlWin* panel = nullptr;
    QListWidget* list = nullptr;
};

TEST_F(FastPanel, DocksTopAndBottomAndStaysInside) {
    const QWidget* client = panel->parentWidget();
    EXPECT_EQ(panel->height(), 19 * 14 + 80);
    EXPECT_EQ(panel->geometry().topRight(), QPoint(client->width() - 1, 0));
    const int beeps = BeepCount();
    win->Dispatch(kvc::FastPanel); // shown already
    EXPECT_EQ(BeepCount(), beeps + 1);
    EXPECT_TRUE(win->Action(kvc::FastTop)->isEnabled());
    SaveScreenshot(win.get(), "traceview_fast_top");
    win->Action(kvc::FastBottom)->trigger();
    EXPECT_EQ(panel->geometry().bottomRight(), QPoint(client->width() - 1, client->height() - 1));
    SaveScreenshot(win.get(), "traceview_fast_bottom");
    SaveScreenshot(panel, "traceview_fast_panel");
    win->resize(700, 420);
    QCoreApplication::processEvents();
    EXPECT_TRUE(client->rect().contains(panel->geometry()));
    win->Action(kvc::FastHide)->trigger();
    EXPECT_TRUE(panel->isHidden());
    win->Dispatch(kvc::FastPanel);
    win->Dispatch(kvc::FileClose);
    EXPECT_TRUE(panel->isHidden());
}

TEST_F(FastPanel, RowsShowTheEntriesGreyWhenOff) {
    ASSERT_EQ(list->count(), 14);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Коэффициент усиления"));
    EXPECT_EQ(list->item(13)->text(), QStringLiteral("Инверсия сигнала"));
    EXPECT_EQ(list->item(3)->toolTip(), QStringLiteral("7 пкс между трассами"));
    EXPECT_EQ(list->item(1)->foreground().color(), QColor(128, 128, 128)); // normalisation off
    EXPECT_NE(list->item(3)->foreground().color(), QColor(128, 128, 128)); // not switchable
    // A key of the main window refreshes the panel.
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(list->item(3)->toolTip(), QStringLiteral("8 пкс между трассами"));
    Key(Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_NE(list->item(1)->foreground().color(), QColor(128, 128, 128));
}

TEST_F(FastPanel, StepsRedrawOncePerTickSwitchRedrawsAtOnce) {
    Select(3);
    const int drawn = win->FramesDrawn();
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(Button("p_bnInc"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(win->Params().viewOpts.tScale, 17);
    EXPECT_EQ(win->FramesDrawn(), drawn); // the steps only mark a redraw
    EXPECT_TRUE(panel->RedrawPending());
    panel->FlushRedraw(); // two ticks of the 800 ms timer
    QCoreApplication::processEvents();
    panel->FlushRedraw();
    QCoreApplication::processEvents();
    EXPECT_EQ(win->FramesDrawn(), drawn + 1);

    Select(12);
    EXPECT_FALSE(Button("p_bnInc")->isEnabled());
    QTest::mouseClick(Button("p_bnSwitch"), Qt::LeftButton);
    EXPECT_EQ(win->FramesDrawn(), drawn + 2);
    EXPECT_FALSE(win->Params().signal.cutNegative);
    EXPECT_EQ(list->item(12)->toolTip(), QStringLiteral("Вкл."));

    // Filter entries change only while the filter is on.
    Select(10);
    EXPECT_FALSE(Button("p_bnInc")->isEnabled());
    QTest::mouseClick(Button("p_bnSwitch"), Qt::LeftButton);
    EXPECT_TRUE(win->Params().signal.filtOn);
    EXPECT_TRUE(Button("p_bnInc")->isEnabled());
}

TEST_F(FastPanel, SetButtons) {
    QToolButton* zero = Button("p_bnSet0");
    EXPECT_EQ(zero->toolTip(), QStringLiteral("Не определена"));
    EXPECT_EQ(zero->palette().color(QPalette::ButtonText), QColor(160, 160, 164));
    const int beeps = BeepCount();
    const int drawn = win->FramesDrawn();
    QTest::mouseClick(zero, Qt::LeftButton); // invalid: beep only
    EXPECT_EQ(BeepCount(), beeps + 1);
    EXPECT_EQ(win->FramesDrawn(), drawn);

    win->Params().viewOpts.tScale = 13;
    QTest::mouseClick(zero, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(win->Sets().Valid(9));
    EXPECT_EQ(zero->toolTip(), QStringLiteral("Десятая"));
    EXPECT_NE(zero->palette().color(QPalette::ButtonText), QColor(160, 160, 164));
    EXPECT_EQ(BeepCount(), beeps + 1);

    win->Params().viewOpts.tScale = 4;
    QTest::mouseClick(zero, Qt::LeftButton);
    EXPECT_EQ(win->Params().viewOpts.tScale, 13);
    EXPECT_EQ(win->FramesDrawn(), drawn + 1);
    // Defaults.
    QTest::mouseClick(Button("p_bnDefault"), Qt::LeftButton);
    EXPECT_EQ(win->Params().viewOpts.tScale, 7);
}

TEST_F(FastPanel, NormalisationAndAgcLockedWhileTheGainTableIsShown) {
    panel->SetGainTableShown(true);
    for (int row : {1, 2}) {
        Select(row);
        EXPECT_FALSE(Button("p_bnSwitch")->isEnabled()) << row;
    }
    Select(13);
    EXPECT_TRUE(Button("p_bnSwitch")->isEnabled());
    panel->SetGainTableShown(false);
    Select(2);
    EXPECT_TRUE(Button("p_bnSwitch")->isEnabled());
    // The gain table mode locks the gain and the amplitude modes.
    win->Params().gainTable.Add(3, 2.0f);
    win->Dispatch(kvc::AgaMode);
    EXPECT_FALSE(Button("p_bnSwitch")->isEnabled());
    Select(0);
    EXPECT_FALSE(Button("p_bnInc")->isEnabled());
    EXPECT_EQ(list->item(0)->toolTip(), QStringLiteral("Включено АПУ"));
}

} // namespace
