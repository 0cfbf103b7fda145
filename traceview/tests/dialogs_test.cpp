// The view options dialog, the gain table window with its entry dialog and the maximum-amplitude
// dialog, driven through the main window's commands and their real widgets, offscreen, on
// generated SEG-Y files.

#include "apptools/appfolders.h"
#include "segygen/segygen.h"
#include "traceview/kvcommands.h"
#include "traceview/kvstrings.h"
#include "traceview/tagaeditdlg.h"
#include "traceview/tagatablewin.h"
#include "traceview/tampmaxdlg.h"
#include "traceview/tkv5mainwin.h"
#include "traceview/tkvimage.h"
#include "traceview/tviewoptdlg.h"
#include "uikit/helpwindow.h"
#include "uikit/screenshot.h"
#include "uikit/uibeep.h"
#include "uikit/uimsgbox.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <functional>
#include <memory>

namespace {

constexpr int kSamples = 500;
constexpr int kTraces = 96;

QString Home() {
    return qEnvironmentVariable("GRAVIK_HOME");
}

// Runs `fn` on the modal dialog that the next call opens, once it is up.
void OnModal(std::function<void(QWidget*)> fn) {
    QTimer::singleShot(0, [fn] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        // Focus moves only inside the active window.
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        fn(w);
    });
}

template <class T> T* Child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

void Type(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
}

// The box loses the focus, as when the user moves on.
void Leave(QLineEdit* e) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(e, &out);
}

QByteArray Image(const TCViewerParams& p) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    p.Save(&b);
    return b.data();
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        KT_SetAppDir(Home() + "/app");
        QDir().mkpath(Home() + "/app");
        win = std::make_unique<TKv5MainWin>(QStringList());
        win->resize(960, 570);
        win->show();
        win->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(win.get()));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void TearDown() override { win.reset(); }

    // 4 x 24 = 96 traces of 500 samples; `block` > 0 adds a block of that amplitude over traces
    // 35..39 and samples 195..205.
    void OpenRecord(float block = 0) {
        SynthSpec s;
        s.sources = 4;
        s.receivers = 24;
        s.samples = kSamples;
        s.format = 5;
        const QString path = Home() + "/record.sgy";
        ASSERT_EQ(WriteSynthSegy(path.toStdString(), s), 0);
        if (block > 0) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            char b[4];
            qToBigEndian(block, b);
            for (int t = 35; t <= 39; ++t)
                for (int j = 195; j <= 205; ++j) {
                    f.seek(3600 + qint64(t - 1) * (240 + 4 * kSamples) + 240 + 4 * (j - 1));
                    f.write(b, 4);
                }
        }
        win->OpenFile(path);
        QCoreApplication::processEvents();
        ASSERT_TRUE(win->FileOpen());
    }
    // Scales at which a frame from trace 37, sample 200 fits inside the record.
    void LargeScales() {
        P().viewOpts.tScale = 20;
        P().viewOpts.sScale = 3;
        win->ShowFrame(1);
    }
    TAGATableWin* AgaWin() const { return win->findChild<TAGATableWin*>(); }
    TCViewerParams& P() { return win->Params(); }

    MsgRecorder rec;
    std::unique_ptr<TKv5MainWin> win;
};

// ---- view options

TEST_F(Dialogs, ViewOptionsGainEntryAndModes) {
    OpenRecord();
    P().signal.mode = 2;
    P().signal.gain[2] = 10.0f; // 20 dB
    const int beeps = BeepCount();
    OnModal([&](QWidget* d) {
        auto* pages = Child<QTabWidget>(d, "p_pcMain");
        pages->setCurrentIndex(1);
        auto* gain = Child<QLineEdit>(d, "p_ed1Gain");
        EXPECT_EQ(gain->text(), QStringLiteral("20.000"));
        EXPECT_EQ(Child<QLabel>(d, "p_lb1Mode")->text(), QStringLiteral("3"));
        EXPECT_TRUE(Child<QSpinBox>(d, "p_sed1Agc")->isEnabled());
        Type(gain, QStringLiteral("600"));
        EXPECT_EQ(gain->text(), QStringLiteral("500"));
        EXPECT_EQ(BeepCount(), beeps + 1);
        Type(gain, QStringLiteral("x"));
        EXPECT_EQ(gain->text(), QStringLiteral("0"));
        EXPECT_EQ(BeepCount(), beeps + 2);
        Type(gain, QStringLiteral("26"));
        // Mode 0 shows its own gain; back in mode 2 the typed 26 dB is there.
        QTest::mouseClick(Child<QRadioButton>(d, "p_rbn1Gain"), Qt::LeftButton);
        EXPECT_EQ(gain->text(), QStringLiteral("0.000"));
        EXPECT_EQ(Child<QLabel>(d, "p_lb1Mode")->text(), QStringLiteral("1"));
        EXPECT_FALSE(Child<QSpinBox>(d, "p_sed1Agc")->isEnabled());
        EXPECT_EQ(Child<QComboBox>(d, "p_cb1Inc")->currentText(), QStringLiteral("10"));
        EXPECT_EQ(Child<QLabel>(d, "p_lb1IncFactor")->text(), QStringLiteral("(3.162E+00)"));
        Type(gain, QStringLiteral("-6"));
        QTest::mouseClick(Child<QRadioButton>(d, "p_rbn1Agc"), Qt::LeftButton);
        EXPECT_EQ(gain->text(), QStringLiteral("26.000"));
        EXPECT_EQ(Child<QLabel>(d, "p_lb1Factor")->text(), QStringLiteral("(1.995E+01)"));
        SaveScreenshot(d, "viewopt_1_amplitude");
        Child<QPushButton>(d, "p_bnOk")->click();
    });
    win->Dispatch(kvc::ViewOptions);
    EXPECT_EQ(P().signal.mode, 2);
    EXPECT_NEAR(TCSignal::FactorToDecibel(P().signal.gain[2]), 26.0, 1e-4);
    EXPECT_NEAR(TCSignal::FactorToDecibel(P().signal.gain[0]), -6.0, 1e-4);
    EXPECT_FLOAT_EQ(P().signal.gain[1], 1.0f);
}

TEST_F(Dialogs, ViewOptionsDelayVelocityFilterAndEmptyBoxes) {
    OpenRecord();
    const int beeps = BeepCount();
    OnModal([&](QWidget* d) {
        auto* pages = Child<QTabWidget>(d, "p_pcMain");
        pages->setCurrentIndex(2);
        Child<QCheckBox>(d, "p_cbn2Dt")->setChecked(true);
        Type(Child<QLineEdit>(d, "p_ed2Dt"), QStringLiteral("9999"));
        auto* vr = Child<QLineEdit>(d, "p_ed2Vr");
        Type(vr, QStringLiteral("1000000"));
        pages->setCurrentIndex(3);
        EXPECT_EQ(pages->currentIndex(), 2);
        EXPECT_EQ(BeepCount(), beeps + 1);
        EXPECT_EQ(d->focusWidget(), vr);
        Child<QPushButton>(d, "p_bnOk")->click(); // OK leaves the page too
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(BeepCount(), beeps + 2);
        // An emptied box takes its default when it is left.
        Type(vr, QString());
        Leave(vr);
        EXPECT_EQ(vr->text(), QStringLiteral("8000.0"));
        Type(vr, QStringLiteral("6000"));
        SaveScreenshot(d, "viewopt_2_reduction");

        pages->setCurrentIndex(3);
        EXPECT_EQ(pages->currentIndex(), 3);
        Type(Child<QLineEdit>(d, "p_ed3F1"), QStringLiteral("60"));
        pages->setCurrentIndex(4);
        EXPECT_EQ(pages->currentIndex(), 3);
        EXPECT_EQ(BeepCount(), beeps + 3);
        EXPECT_EQ(d->focusWidget(), Child<QLineEdit>(d, "p_ed3F1"));
        Type(Child<QLineEdit>(d, "p_ed3F1"), QStringLiteral("10"));
        Child<QSpinBox>(d, "p_sed3Win")->setValue(30);
        SaveScreenshot(d, "viewopt_3_filter");
        pages->setCurrentIndex(4);
        Child<QSpinBox>(d, "p_sed4BtnV")->setValue(35);
        SaveScreenshot(d, "viewopt_4_scroll");
        Child<QPushButton>(d, "p_bnOk")->click();
    });
    win->Dispatch(kvc::ViewOptions);
    EXPECT_TRUE(P().signal.delayOn);
    EXPECT_EQ(P().signal.delay, kSamples - 1);
    EXPECT_FLOAT_EQ(P().signal.rVel, 6000.0f);
    EXPECT_EQ(P().signal.lowFreq, 10);
    EXPECT_EQ(P().signal.halfLen, 30);
    EXPECT_EQ(P().scroll.GetInc(3), 35);
}

TEST_F(Dialogs, ViewOptionsColoursAndOkRedraws) {
    OpenRecord();
    const quint32 env = P().viewOpts.traceColor, fill = P().viewOpts.fillColor;
    const QImage before = win->Image()->Canvas().copy();
    OnModal([&](QWidget* d) {
        EXPECT_EQ(Child<QTabWidget>(d, "p_pcMain")->currentIndex(), 0);
        SaveScreenshot(d, "viewopt_0_view");
        // The fill colour chosen equal to the envelope's is refused with message 3.
        OnModal([&](QWidget* c) {
            auto* cd = qobject_cast<QColorDialog*>(c);
            ASSERT_NE(cd, nullptr);
            cd->setCurrentColor(QColor(int(env & 0xFF), int((env >> 8) & 0xFF), int(env >> 16)));
            cd->accept();
        });
        Child<QPushButton>(d, "p_sh0Fill")->click();
        ASSERT_EQ(rec.texts().size(), 1);
        EXPECT_EQ(rec.texts().at(0), QStringLiteral("Выбранный цвет уже использован."));
        EXPECT_EQ(rec.kinds().at(0), MsgKind::Error);
        // A free colour is taken.
        OnModal([&](QWidget* c) {
            static_cast<QColorDialog*>(c)->setCurrentColor(QColor(0, 160, 0));
            static_cast<QColorDialog*>(c)->accept();
        });
        Child<QPushButton>(d, "p_sh0Axis")->click();
        Child<QSpinBox>(d, "p_sed0TDist")->setValue(12);
        Child<QPushButton>(d, "p_bnOk")->click();
    });
    win->Dispatch(kvc::ViewOptions);
    EXPECT_EQ(P().viewOpts.fillColor, fill);
    EXPECT_EQ(P().viewOpts.frameColor, 0x00A000u);
    EXPECT_EQ(P().viewOpts.tScale, 12);
    EXPECT_NE(win->Image()->Canvas(), before);
}

TEST_F(Dialogs, ViewOptionsCancelKeepsParametersAndPage) {
    OpenRecord();
    const QByteArray before = Image(P());
    OnModal([&](QWidget* d) {
        Child<QTabWidget>(d, "p_pcMain")->setCurrentIndex(3);
        Child<QCheckBox>(d, "p_cbn3Filt")->setChecked(true);
        Child<QSpinBox>(d, "p_sed0TDist")->setValue(20);
        Child<QPushButton>(d, "p_bnCancel")->click();
    });
    const int frames = win->FramesDrawn();
    win->Dispatch(kvc::ViewOptions);
    EXPECT_EQ(Image(P()), before);
    EXPECT_EQ(win->FramesDrawn(), frames);
    OnModal([&](QWidget* d) {
        EXPECT_EQ(Child<QTabWidget>(d, "p_pcMain")->currentIndex(), 3);
        EXPECT_TRUE(Child<QGroupBox>(d, "p_gb1Mode")->isEnabled());
        Child<QPushButton>(d, "p_bnHelp")->click();
        EXPECT_EQ(HelpTopicShown(), 460);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != d && top != win.get() && top->isVisible())
                top->close(); // the help window
        d->close();
    });
    win->Dispatch(kvc::ViewOptions);
}

TEST_F(Dialogs, ModeButtonsOffWhileTheGainTableWindowIsShown) {
    OpenRecord();
    win->Dispatch(kvc::AgaTable);
    ASSERT_NE(AgaWin(), nullptr);
    ASSERT_TRUE(AgaWin()->isVisible());
    OnModal([&](QWidget* d) {
        EXPECT_FALSE(Child<QRadioButton>(d, "p_rbn1Gain")->isEnabled());
        EXPECT_FALSE(Child<QRadioButton>(d, "p_rbn1Norm")->isEnabled());
        EXPECT_FALSE(Child<QRadioButton>(d, "p_rbn1Agc")->isEnabled());
        EXPECT_TRUE(Child<QLineEdit>(d, "p_ed1Gain")->isEnabled());
        d->close();
    });
    win->Dispatch(kvc::ViewOptions);
    // In the table-gain mode the gain panel and the zero-offset trace are off too.
    AgaWin()->AddEntry(10, 0, 2.0f);
    win->Dispatch(kvc::AgaMode);
    AgaWin()->hide();
    QCoreApplication::processEvents();
    OnModal([&](QWidget* d) {
        EXPECT_FALSE(Child<QGroupBox>(d, "p_gb1Mode")->isEnabled());
        EXPECT_FALSE(Child<QGroupBox>(d, "p_gb1Gain")->isEnabled());
        EXPECT_FALSE(Child<QLineEdit>(d, "p_ed2Zero")->isEnabled());
        d->close();
    });
    win->Dispatch(kvc::ViewOptions);
}

// ---- gain table

// Adds trace/gain through the entry dialog (Insert in the window).
void EditEntry(TAGATableWin* w, const QString& trace, const QString& gain) {
    OnModal([=](QWidget* d) {
        Type(Child<QLineEdit>(d, "p_edTrace"), trace);
        Type(Child<QLineEdit>(d, "p_edGain"), gain);
        QTest::keyClick(d, Qt::Key_Return);
    });
    w->findChild<QAction*>(QStringLiteral("p_miEdit"))->trigger();
}

QStringList Rows(TAGATableWin* w) {
    QStringList rows;
    QAbstractItemModel* m = w->List()->model();
    for (int r = 0; r < m->rowCount(); ++r)
        rows << m->index(r, 1).data().toString() + ":" + m->index(r, 2).data().toString();
    return rows;
}

TEST_F(Dialogs, GainTableSymmetricEntries) {
    OpenRecord();
    P().signal.refTrace = 50;
    win->Dispatch(kvc::AgaTable);
    TAGATableWin* w = AgaWin();
    ASSERT_NE(w, nullptr);
    // Bottom left of the client area, list headers as designed.
    EXPECT_EQ(w->x(), -3);
    EXPECT_EQ(w->List()->model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("Трасса"));
    Child<QCheckBox>(w, "p_cbnSym")->setChecked(true);
    EditEntry(w, QStringLiteral("40"), QStringLiteral("6"));
    EXPECT_EQ(Rows(w), (QStringList{"40:6.00", "60:6.00"}));
    EditEntry(w, QStringLiteral("20"), QStringLiteral("-3.5"));
    EXPECT_EQ(Rows(w), (QStringList{"20:-3.50", "40:6.00", "60:6.00", "80:-3.50"}));
    SaveScreenshot(win.get(), "agatable_entries");
    SaveScreenshot(w, "agatable_window");
    // Deleting 60 deletes 40 with it; the selection stays on row 2.
    win->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(win.get()));
    w->List()->setFocus();
    w->List()->selectRow(2);
    QTest::keyClick(w->List(), Qt::Key_Delete);
    EXPECT_EQ(Rows(w), (QStringList{"20:-3.50", "80:-3.50"}));
    EXPECT_EQ(w->SelectedRow(), 1);
    // Deleting the lower trace of a pair deletes the upper one too.
    w->List()->selectRow(0);
    QTest::keyClick(w->List(), Qt::Key_Delete);
    EXPECT_TRUE(Rows(w).isEmpty());
    EXPECT_EQ(w->SelectedRow(), -1);
    // Zero offset 3: trace 10 has no symmetric trace (below 0).
    P().signal.refTrace = 3;
    EditEntry(w, QStringLiteral("10"), QStringLiteral("1"));
    EXPECT_EQ(Rows(w), (QStringList{"10:1.00"}));
    EXPECT_TRUE(rec.texts().isEmpty());
}

TEST_F(Dialogs, GainTableEntryDialogRefusals) {
    OpenRecord();
    win->Dispatch(kvc::AgaTable);
    TAGATableWin* w = AgaWin();
    const int beeps = BeepCount();
    bool checked = false;
    OnModal([&](QWidget* d) {
        auto* ok = Child<QPushButton>(d, "p_bnOk");
        EXPECT_FALSE(ok->isEnabled());
        Type(Child<QLineEdit>(d, "p_edTrace"), QStringLiteral("5"));
        EXPECT_FALSE(ok->isEnabled());
        Type(Child<QLineEdit>(d, "p_edGain"), QStringLiteral("401"));
        EXPECT_TRUE(ok->isEnabled());
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(BeepCount(), beeps + 1);
        EXPECT_EQ(d->focusWidget(), Child<QLineEdit>(d, "p_edTrace"));
        Type(Child<QLineEdit>(d, "p_edTrace"), QString::number(kTraces + 1));
        Type(Child<QLineEdit>(d, "p_edGain"), QStringLiteral("400"));
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(BeepCount(), beeps + 2);
        QTest::keyClick(d, Qt::Key_Return, Qt::ShiftModifier); // ignored
        EXPECT_TRUE(d->isVisible());
        SaveScreenshot(d, "agatable_entry");
        QTest::keyClick(d, Qt::Key_Escape);
        EXPECT_FALSE(d->isVisible());
        checked = true;
    });
    w->findChild<QAction*>(QStringLiteral("p_miEdit"))->trigger();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(Rows(w).isEmpty());
}

TEST_F(Dialogs, GainTableFullAndRefusedBesideNormalisation) {
    OpenRecord();
    P().signal.mode = 1;
    win->Dispatch(kvc::AgaTable);
    ASSERT_EQ(rec.texts().size(), 1);
    EXPECT_EQ(rec.texts().at(0),
              QStringLiteral("Опция не доступна в случае АРУ или нормировки сигнала."));
    EXPECT_EQ(AgaWin(), nullptr);
    P().signal.mode = 0;
    rec.clear();
    win->Dispatch(kvc::AgaTable);
    TAGATableWin* w = AgaWin();
    for (int t = 41; t <= 90; ++t)
        w->AddEntry(t, 0, 1.0f);
    EXPECT_TRUE(rec.texts().isEmpty());
    // The 51st, from the image's popup: the trace under the cursor with the first mode's gain.
    P().signal.gain[0] = 2.0f;
    const QPoint at = win->Plotter().RealToScreen(QPoint(20, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(win->Image()->mapToGlobal(at)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(win->Image(), &move);
    ASSERT_TRUE(win->Action(kvc::AddToAga)->isEnabled());
    win->Action(kvc::AddToAga)->trigger();
    ASSERT_EQ(rec.texts().size(), 1);
    EXPECT_EQ(rec.texts().at(0), QStringLiteral("Максимальный размер таблицы АПУ превышен."));
    EXPECT_EQ(P().gainTable.Count(), 50);
    EXPECT_EQ(P().gainTable.IndexOf(20), -1);
    // Below the limit the popup adds the trace under the cursor.
    w->List()->selectRow(0);
    w->DeleteSelected();
    win->Action(kvc::AddToAga)->trigger();
    ASSERT_GE(P().gainTable.IndexOf(20), 0);
    EXPECT_FLOAT_EQ(P().gainTable.At(P().gainTable.IndexOf(20)).gain, 2.0f);
}

TEST_F(Dialogs, GainTableChangesRedrawInTheTableModeAndClearingEndsIt) {
    OpenRecord();
    win->Dispatch(kvc::AgaTable);
    TAGATableWin* w = AgaWin();
    w->AddEntry(10, 0, 1.0f);
    w->AddEntry(80, 0, 8.0f);
    QCoreApplication::processEvents();
    EXPECT_TRUE(win->Action(kvc::AddToAga)->isEnabled());
    win->Dispatch(kvc::AgaMode);
    ASSERT_TRUE(P().AgaMode());
    EXPECT_FALSE(win->Action(kvc::AddToAga)->isEnabled());
    int frames = win->FramesDrawn();
    const QImage before = win->Image()->Canvas().copy();
    w->AddEntry(40, 0, 0.01f);
    QCoreApplication::processEvents(); // message 0x81B4
    EXPECT_EQ(win->FramesDrawn(), frames + 1);
    EXPECT_NE(win->Image()->Canvas(), before);
    frames = win->FramesDrawn();
    w->List()->setFocus();
    QTest::keyClick(w->List(), Qt::Key_F8);
    QCoreApplication::processEvents();
    EXPECT_FALSE(P().AgaMode());
    EXPECT_FALSE(win->Action(kvc::AgaMode)->isChecked());
    EXPECT_EQ(win->FramesDrawn(), frames + 1);
    // Hiding the window lets the popup's command go.
    w->hide();
    QCoreApplication::processEvents();
    EXPECT_FALSE(win->Action(kvc::AddToAga)->isEnabled());
    // Closing the file hides it; "Положение" puts it back in the corner.
    win->Dispatch(kvc::AgaTable);
    w->move(200, 10);
    w->findChild<QAction*>(QStringLiteral("p_miPlace"))->trigger();
    EXPECT_EQ(w->x(), -3);
    EXPECT_GT(w->y(), 10);
    win->Dispatch(kvc::FileClose);
    EXPECT_FALSE(w->isVisible());
}

// ---- maximum amplitude

TEST_F(Dialogs, MaximumAmplitudeShowsTheStrongEvent) {
    OpenRecord(40.0f);
    LargeScales();
    OnModal([&](QWidget* d) {
        auto* search = Child<QPushButton>(d, "p_bnSearch");
        auto* all = Child<QLabel>(d, "p_lbAll");
        EXPECT_EQ(Child<QLineEdit>(d, "p_edT2")->text(), QString::number(kTraces));
        EXPECT_EQ(Child<QLineEdit>(d, "p_edS2")->text(), QString::number(kSamples));
        EXPECT_TRUE(search->isEnabled());
        EXPECT_FALSE(all->isEnabled());
        struct {
            const char *box, *text;
            bool ok;
        } cases[] = {{"p_edT1", "0", false},   {"p_edT1", "", false},   {"p_edT1", "50", true},
                     {"p_edT2", "40", false},  {"p_edT2", "97", false}, {"p_edT2", "96", true},
                     {"p_edS1", "501", false}, {"p_edS1", "1", true},   {"p_edS2", "501", false},
                     {"p_edS2", "500", true}};
        for (const auto& c : cases) {
            Type(Child<QLineEdit>(d, c.box), QString::fromLatin1(c.text));
            EXPECT_EQ(search->isEnabled(), c.ok) << c.box << " " << c.text;
        }
        EXPECT_TRUE(all->isEnabled());
        emit all->linkActivated(QStringLiteral("all"));
        EXPECT_EQ(Child<QLineEdit>(d, "p_edT1")->text(), QStringLiteral("1"));
        EXPECT_FALSE(all->isEnabled());
        Child<QSpinBox>(d, "p_sedT")->setValue(2);
        Child<QSpinBox>(d, "p_sedS")->setValue(5);
        EXPECT_EQ(Child<QSpinBox>(d, "p_sedT")->maximum(), 25);
        EXPECT_EQ(Child<QSpinBox>(d, "p_sedS")->maximum(), 50);
        search->click();
    });
    win->Dispatch(kvc::FindMax);
    EXPECT_EQ(win->Plotter().GetFrameVertex(), QPoint(37, 200));
    EXPECT_EQ(win->History().At(0), QPoint(37, 200));
}

TEST_F(Dialogs, MaximumAmplitudeStopReturnsTheBestSoFar) {
    OpenRecord(40.0f);
    LargeScales();
    bool stopped = false;
    OnModal([&](QWidget* d) {
        Child<QSpinBox>(d, "p_sedT")->setValue(2);
        Child<QSpinBox>(d, "p_sedS")->setValue(5);
        // Pending events run every 50 windows: this looks in until a fifth of the search is done.
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [&, d] {
            auto* bar = Child<QProgressBar>(d, "p_pbProgress");
            if (bar->value() < 20)
                return;
            poll.stop();
            EXPECT_TRUE(static_cast<TAmpMaxDlg*>(d)->Searching());
            EXPECT_TRUE(bar->isVisible());
            EXPECT_FALSE(Child<QWidget>(d, "p_pnRegion")->isEnabled());
            EXPECT_FALSE(Child<QPushButton>(d, "p_bnSearch")->isEnabled());
            EXPECT_FALSE(Child<QPushButton>(d, "p_bnCancel")->isEnabled());
            EXPECT_TRUE(Child<QPushButton>(d, "p_bnStop")->isEnabled());
            SaveScreenshot(d, "ampmax_searching");
            Child<QPushButton>(d, "p_bnStop")->click();
            stopped = true;
        });
        poll.start();
        Child<QPushButton>(d, "p_bnSearch")->click();
    });
    win->Dispatch(kvc::FindMax);
    ASSERT_TRUE(stopped);
    // Stopped about a fifth into the record: no window near the event (traces 35..39) was
    // reached, so the best so far lies before it.
    const QPoint v = win->Plotter().GetFrameVertex();
    EXPECT_GE(v.x(), 1);
    EXPECT_LE(v.x(), 25);
}

TEST_F(Dialogs, MaximumAmplitudeRefusedWithReductionOrDelay) {
    OpenRecord();
    for (int which = 0; which < 2; ++which) {
        P().signal.reduOn = which == 0;
        P().signal.delayOn = which == 1;
        rec.clear();
        win->Dispatch(kvc::FindMax);
        ASSERT_EQ(rec.texts().size(), 1);
        EXPECT_EQ(rec.texts().at(0),
                  QStringLiteral("Редуцирование и задержка зписи должны быть отключены."));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

} // namespace
