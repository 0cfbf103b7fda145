// The main window through its real widgets, offscreen, on generated SEG-Y files.

#include "apptools/appfolders.h"
#include "plotcore/tcseisplotter1.h"
#include "plotcore/tctrcdelegate.h"
#include "segygen/segygen.h"
#include "traceview/kvcommands.h"
#include "traceview/kvstrings.h"
#include "traceview/tkv5mainwin.h"
#include "traceview/tkvimage.h"
#include "uikit/helpwindow.h"
#include "uikit/screenshot.h"
#include "uikit/uibeep.h"
#include "uikit/uimsgbox.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <memory>

namespace {

constexpr int kSamples = 500;

QString Home() {
    return qEnvironmentVariable("GRAVIK_HOME");
}

// A shot record of `sources` x `receivers` IEEE-float traces of 500 samples at 2 ms.
SynthSpec Spec(int sources, int receivers) {
    SynthSpec s;
    s.sources = sources;
    s.receivers = receivers;
    s.samples = kSamples;
    s.format = 5;
    s.amplitude = 5.0;
    return s;
}

QString MakeFile(const QString& name, const SynthSpec& s) {
    const QString path = Home() + "/" + name;
    EXPECT_EQ(WriteSynthSegy(path.toStdString(), s), 0);
    return path;
}

// Sets the samples of traces first..last to zero (IEEE 0.0 is all zero bytes).
void ZeroTraces(const QString& path, int first, int last) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    const qint64 traceBytes = 240 + 4 * kSamples;
    const QByteArray zeros(4 * kSamples, '\0');
    for (int t = first; t <= last; ++t) {
        ASSERT_TRUE(f.seek(3600 + (t - 1) * traceBytes + 240));
        ASSERT_EQ(f.write(zeros), zeros.size());
    }
}

// A program that writes its arguments one a line into `out`.
void MakeStandIn(const QString& path, const QString& out) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\n").arg(out).toUtf8());
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

QStringList ReadLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

class MainWin : public ::testing::Test {
protected:
    void SetUp() override {
        KT_SetAppDir(Home() + "/app");
        QDir().mkpath(Home() + "/app");
        win = std::make_unique<TKv5MainWin>(QStringList());
        win->resize(960, 570);
        win->show();
        QCoreApplication::processEvents(); // the reload message
        QCoreApplication::processEvents();
    }
    void TearDown() override { win.reset(); }

    void Open(const QString& path) {
        win->OpenFile(path);
        QCoreApplication::processEvents();
    }
    // A file of 4 x 24 = 96 traces, opened.
    QString OpenRecord() {
        const QString path = MakeFile("record.sgy", Spec(4, 24));
        Open(path);
        EXPECT_TRUE(win->FileOpen());
        return path;
    }
    void Key(int key, Qt::KeyboardModifiers mods) {
        QTest::keyClick(win->Image(), Qt::Key(key), mods);
    }
    QImage Canvas() const { return win->Image()->Canvas(); }
    QPoint Screen(int trace, int sample) const {
        return win->Plotter().RealToScreen(QPoint(trace, sample));
    }
    template <class T> T* Find(const char* name) const {
        return win->findChild<T*>(QString::fromLatin1(name));
    }

    MsgRecorder rec;
    std::unique_ptr<TKv5MainWin> win;
};

// The raw samples times the window's scale, negative phases cut: what the defaults show.
class DirectDelegate : public TCTrcDelegate {
public:
    DirectDelegate(const SynthSpec& s, float scale) : m_spec(s), m_scale(scale) {}
    const float* ProvideTrace(const TCSeisPlotter1& plotter, int trace) override {
        const QRect f = plotter.GetFrameRect();
        const std::vector<float> raw =
            SynthTrace(m_spec, (trace - 1) / m_spec.receivers, (trace - 1) % m_spec.receivers);
        m_buf.clear();
        for (int s = f.top(); s <= f.bottom(); ++s) {
            const float v = raw[size_t(s - 1)] * m_scale;
            m_buf.push_back(v < 0 ? 0.0f : float(double(v)));
        }
        return m_buf.data();
    }

private:
    SynthSpec m_spec;
    float m_scale;
    std::vector<float> m_buf;
};

TEST_F(MainWin, WithoutAFileOnlyOpeningAndHelpWork) {
    EXPECT_FALSE(win->FileOpen());
    EXPECT_EQ(win->windowTitle(), QStringLiteral("Gravik Viewer"));
    EXPECT_TRUE(win->Action(kvc::FileOpen)->isEnabled());
    EXPECT_TRUE(win->Action(kvc::HelpViewer)->isEnabled());
    EXPECT_FALSE(win->Action(kvc::Export)->isEnabled());
    EXPECT_FALSE(win->Action(kvc::HeaderProbe)->isEnabled());
    EXPECT_FALSE(Find<QToolButton>("p_bnAInc")->isEnabled());
    EXPECT_FALSE(Find<QScrollBar>("p_obarH")->isEnabled());
    EXPECT_FALSE(Find<QScrollBar>("p_obarV")->isEnabled());
    QTest::mouseClick(win->Image(), Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_FALSE(win->PopupMenu()->isVisible());
    Key(Qt::Key_A, Qt::ControlModifier); // nothing happens without a file
    EXPECT_EQ(win->FramesDrawn(), 0);
    for (const char* name :
         {"p_bnFileOpen",   "p_bnFileFold",   "p_bnFileProp", "p_bnFilePrint", "p_bnFileWin",
          "p_bnViewSet",    "p_bnViewFast",   "p_bnViewMem",  "p_bnViewDef",   "p_bnViewAgaS",
          "p_bnAInc",       "p_bnADec",       "p_bnDnRt",     "p_bnUpLt",      "p_bnDnLt",
          "p_bnUpRt",       "p_bnBack",       "p_bnFwd",      "p_bnFindFrm",   "p_bnFindMax",
          "p_bnFindBmMake", "p_bnFindBmList", "p_bnHelp"})
        EXPECT_NE(Find<QToolButton>(name), nullptr) << name;
    EXPECT_NE(Find<QWidget>("p_sbarMain"), nullptr);
    EXPECT_EQ(Find<QLabel>("p_sbarMain_0")->width(), 370);
    EXPECT_EQ(Find<QLabel>("p_sbarMain_3")->width(), 150);
    SaveScreenshot(win.get(), "traceview_nofile");
}

TEST_F(MainWin, OpenDrawsTheFrameThePlotterDraws) {
    const SynthSpec shot = Spec(4, 24);
    const QString path = MakeFile("record.sgy", shot);
    win->SetFileChooser([&](bool save, const QString&, const QString&, const QString&,
                            const QString&) { return save ? QString() : path; });
    win->Dispatch(kvc::FileOpen);
    ASSERT_TRUE(win->FileOpen());
    EXPECT_EQ(win->windowTitle(), QStringLiteral("KxViewer [record.sgy]"));
    EXPECT_TRUE(rec.texts().isEmpty()) << rec.texts().join('|').toStdString();
    EXPECT_TRUE(win->Action(kvc::Export)->isEnabled());
    EXPECT_TRUE(win->Action(kvc::HeaderProbe)->isEnabled());

    // The amplitude factor from trace 1: 10 / mean |sample|.
    const std::vector<float> first = SynthTrace(shot, 0, 0);
    double sum = 0;
    for (float v : first)
        sum += std::fabs(double(v));
    const float factor = float(10.0 / (sum / kSamples));
    EXPECT_FLOAT_EQ(win->AmpFactor(), factor);

    QImage direct(Canvas().size(), QImage::Format_RGB32);
    TCSViewOpts opts;
    TCSeisPlotter1 plotter;
    DirectDelegate source(shot, factor * TKv5MainWin::kDisplayScale);
    plotter.Init(&direct, &opts, true);
    plotter.SetFileInfo(96, 2000, kSamples);
    plotter.SetDelegate(&source);
    plotter.Update(QPoint(1, 1));
    EXPECT_TRUE(Canvas() == direct);
    SaveScreenshot(win.get(), "traceview_file_variable_area");

    const int drawn = win->FramesDrawn();
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(win->FramesDrawn(), drawn + 1);
    EXPECT_FALSE(Canvas() == direct);

    // Wiggle alone at the opening gain: negative phases shown, no fill.
    Key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    win->Params().viewOpts.fillColor = 0xFFFFFF;
    Key(Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_FALSE(win->Params().signal.cutNegative);
    SaveScreenshot(win.get(), "traceview_file_wiggle");
}

TEST_F(MainWin, AgcAndFilterOn) {
    OpenRecord();
    Key(Qt::Key_G, Qt::ControlModifier | Qt::AltModifier);
    Key(Qt::Key_F, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(win->Params().signal.mode, 2);
    EXPECT_TRUE(win->Params().signal.filtOn);
    EXPECT_FALSE(win->Action(kvc::AgaTable)->isEnabled()); // AGC selected
    SaveScreenshot(win.get(), "traceview_agc_filter");
}

TEST_F(MainWin, PopupMenuOnTheImage) {
    OpenRecord();
    const QPoint at = Screen(10, 100);
    QTest::mouseClick(win->Image(), Qt::RightButton, {}, at);
    ASSERT_TRUE(win->PopupMenu()->isVisible());
    QList<int> tags;
    for (QAction* a : win->PopupMenu()->actions())
        tags << a->property("tag").toInt();
    EXPECT_EQ(tags, (QList<int>{100, 101, 71, 21, 28}));
    // The window with the open menu drawn over it at its place.
    QPixmap shot = win->grab();
    {
        QPainter p(&shot);
        p.drawPixmap(win->mapFromGlobal(win->PopupMenu()->pos()), win->PopupMenu()->grab());
    }
    QLabel composed;
    composed.setPixmap(shot);
    composed.resize(shot.size());
    SaveScreenshot(&composed, "traceview_popup_menu");
    win->PopupMenu()->hide();
}

TEST_F(MainWin, ZeroFirstTracesAskOnce) {
    const QString path = MakeFile("zero100.sgy", Spec(2, 100));
    ZeroTraces(path, 1, 100);
    rec.answer(false);
    Open(path);
    EXPECT_FALSE(win->FileOpen());
    ASSERT_EQ(rec.kinds().size(), 1);
    EXPECT_EQ(rec.kinds()[0], MsgKind::Question);
    EXPECT_EQ(rec.texts()[0], QStringLiteral("Первые 100 трасс файла нулевые. Продолжать поиск?"));
    EXPECT_EQ(win->LastAttempted(), path);
    EXPECT_TRUE(win->PendingName().isEmpty());

    rec.clear();
    rec.answer(true);
    Open(path);
    EXPECT_TRUE(win->FileOpen());
    EXPECT_EQ(rec.kinds(), QList<MsgKind>{MsgKind::Question});
}

TEST_F(MainWin, AllZeroFileOfHundredTracesIsRefusedWithoutAQuestion) {
    const QString path = MakeFile("allzero.sgy", Spec(1, 100));
    ZeroTraces(path, 1, 100);
    Open(path);
    EXPECT_FALSE(win->FileOpen());
    EXPECT_EQ(rec.kinds(), QList<MsgKind>{MsgKind::Warning});
    EXPECT_EQ(rec.texts(), QStringList{"Файл не будет открыт: все трассы файла нулевые."});
}

TEST_F(MainWin, OpeningRefusals) {
    const QString path = OpenRecord();
    Open(path);
    EXPECT_EQ(rec.texts(), QStringList{"Файл уже открыт."});
    EXPECT_TRUE(win->FileOpen());

    rec.clear();
    Open(Home() + "/missing.sgy");
    EXPECT_EQ(rec.texts(), QStringList{"Файл не обнаружен."});
    EXPECT_TRUE(win->FileOpen()); // the open file stays

    // A file too short for SEG-Y: message 7 with the text of code 6; the name stays for the
    // header probe.
    rec.clear();
    const QString bad = Home() + "/short.sgy";
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100, 'x'));
    f.close();
    Open(bad);
    EXPECT_FALSE(win->FileOpen());
    EXPECT_EQ(rec.kinds(), QList<MsgKind>{MsgKind::Error});
    EXPECT_EQ(rec.texts(),
              QStringList{"Ошибка 6 открытия файла:\nФайл слишком мал для файла SEG-Y."});
    EXPECT_EQ(win->LastAttempted(), bad);
    EXPECT_TRUE(win->PendingName().isEmpty());
    EXPECT_TRUE(win->Action(kvc::HeaderProbe)->isEnabled());
    EXPECT_FALSE(win->Action(kvc::FileClose)->isEnabled());
}

struct KeyRow {
    int key;
    Qt::KeyboardModifiers mods;
    int code;  // numeric parameter code, or -1 for a flag
    int flag;  // flag code, or -1
    int delta; // expected change of the numeric value (0: unchanged)
};

TEST_F(MainWin, KeyboardRows) {
    OpenRecord();
    const KeyRow rows[] = {
        {Qt::Key_X, Qt::ControlModifier, 0, -1, 1},
        {Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier, 0, -1, -1},
        {Qt::Key_Y, Qt::ControlModifier, 1, -1, 1},
        {Qt::Key_T, Qt::ControlModifier, 2, -1, 1},
        {Qt::Key_S, Qt::ControlModifier, 3, -1, 1},
        {Qt::Key_F, Qt::ControlModifier, 7, -1, 1},
        {Qt::Key_X, Qt::NoModifier, 0, -1, 0},
        {Qt::Key_X, Qt::ShiftModifier, 0, -1, 0},
        {Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, 0, -1, 0},
        {Qt::Key_N, Qt::ControlModifier | Qt::AltModifier, -1, 1, 0},
        {Qt::Key_R, Qt::ControlModifier | Qt::AltModifier, -1, 4, 0},
        {Qt::Key_I, Qt::ControlModifier | Qt::AltModifier, -1, 7, 0},
    };
    for (const KeyRow& r : rows) {
        const int before = r.code >= 0 ? win->Params().GetIntParamVal(char(r.code)) : 0;
        const bool flagBefore = r.flag >= 0 && win->Params().GetFlagVal(char(r.flag));
        Key(r.key, r.mods);
        if (r.code >= 0) {
            EXPECT_EQ(win->Params().GetIntParamVal(char(r.code)), before + r.delta)
                << r.key << " " << int(r.mods);
        }
        if (r.flag >= 0) {
            EXPECT_NE(win->Params().GetFlagVal(char(r.flag)), flagBefore) << r.key;
        }
    }
    // Ctrl+Shift+Alt with a flag letter or a digit does nothing either.
    const TCViewerParams before = win->Params();
    const int drawn = win->FramesDrawn();
    Key(Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    Key(Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    Key(Qt::Key_G, Qt::NoModifier);
    EXPECT_TRUE(win->Params() == before);
    EXPECT_EQ(win->FramesDrawn(), drawn);
    // Gain: Ctrl+A raises, Shift+Ctrl+A lowers, as the two buttons do.
    const float g = win->Params().signal.CurrentGain();
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_GT(win->Params().signal.CurrentGain(), g);
    Find<QToolButton>("p_bnADec")->click();
    EXPECT_FLOAT_EQ(win->Params().signal.CurrentGain(), g);
}

TEST_F(MainWin, WheelAndScrollBars) {
    OpenRecord();
    win->Params().viewOpts.sScale = 3; // a frame of about 160 of the 500 samples
    win->ShowFrame(1);
    auto* bar = Find<QScrollBar>("p_obarV");
    ASSERT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->value(), bar->minimum());
    const int beeps = BeepCount(), drawn = win->FramesDrawn();
    // Wheel up at the first position: stays there, beeps, no redraw.
    QWheelEvent up(QPointF(200, 200), win->Image()->mapToGlobal(QPointF(200, 200)), QPoint(),
                   QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(win->Image(), &up);
    EXPECT_EQ(bar->value(), bar->minimum());
    EXPECT_EQ(BeepCount(), beeps + 1);
    EXPECT_EQ(win->FramesDrawn(), drawn);
    // A step back on the bar at the first position lands on the current frame too.
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(BeepCount(), beeps + 2);
    EXPECT_EQ(win->FramesDrawn(), drawn);
    // Wheel down moves the frame down by one small step.
    QWheelEvent down(QPointF(200, 200), win->Image()->mapToGlobal(QPointF(200, 200)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(win->Image(), &down);
    EXPECT_EQ(win->FramesDrawn(), drawn + 1);
    EXPECT_EQ(win->Plotter().GetFrameVertex().y(), 1 + bar->singleStep());
    EXPECT_EQ(bar->value(), 1 + bar->singleStep());
    // Over the bar itself the wheel scrolls the same way.
    QWheelEvent overBar(QPointF(5, 50), bar->mapToGlobal(QPointF(5, 50)), QPoint(), QPoint(0, 120),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(bar, &overBar);
    EXPECT_EQ(win->Plotter().GetFrameVertex().y(), 1);
    EXPECT_EQ(bar->value(), 1);
}

TEST_F(MainWin, DragsChangeScalesAndPan) {
    OpenRecord();
    const QPoint a = Screen(3, 50);
    auto drag = [&](Qt::KeyboardModifiers mods, QPoint to) {
        QTest::mousePress(win->Image(), Qt::LeftButton, mods, a);
        QTest::mouseRelease(win->Image(), Qt::LeftButton, mods, to);
    };
    drag(Qt::ControlModifier, a + QPoint(19, 0));
    EXPECT_EQ(win->Params().viewOpts.tScale, 7);
    drag(Qt::ControlModifier, a + QPoint(400, 0));
    EXPECT_EQ(win->Params().viewOpts.tScale, 27);
    drag(Qt::ShiftModifier, a + QPoint(0, 60));
    EXPECT_EQ(win->Params().viewOpts.sStep, 4);
    // Two modifiers: ignored.
    drag(Qt::ControlModifier | Qt::ShiftModifier, a + QPoint(100, 0));
    EXPECT_EQ(win->Params().viewOpts.tScale, 27);
    // A pan drag up moves the frame down the record by the samples dragged over.
    win->Params().viewOpts.sStep = 1;
    win->Params().viewOpts.sScale = 3;
    win->ShowFrame(1);
    const QPoint from = Screen(3, 100), to = from + QPoint(-30, -90);
    const int dragged = win->Plotter().ScreenToReal(from).y() - win->Plotter().ScreenToReal(to).y();
    ASSERT_EQ(dragged, 30);
    QTest::mousePress(win->Image(), Qt::LeftButton, {}, from);
    QTest::mouseRelease(win->Image(), Qt::LeftButton, {}, to);
    EXPECT_EQ(win->Plotter().GetFrameVertex().y(), 31);
}

TEST_F(MainWin, HistoryKeepsTwentyFrames) {
    OpenRecord();
    // Wide slots so a frame shows only some of the 96 traces.
    win->Params().viewOpts.tScale = 30;
    win->ShowFrame(1);
    ASSERT_LT(win->Plotter().FrameTraces(), 30);
    for (int i = 2; i <= 21; ++i)
        win->ShowFrame(2, QPoint(i, 1));
    ASSERT_EQ(win->History().Count(), 20);
    EXPECT_EQ(win->History().At(0), QPoint(21, 1));
    EXPECT_EQ(win->History().At(19), QPoint(2, 1));
    EXPECT_TRUE(Find<QToolButton>("p_bnBack")->isEnabled());
    EXPECT_FALSE(Find<QToolButton>("p_bnFwd")->isEnabled());
    Find<QToolButton>("p_bnBack")->click();
    EXPECT_EQ(win->Plotter().GetFrameVertex(), QPoint(20, 1));
    win->ShowFrame(2, QPoint(40, 1)); // not recorded while back in history
    EXPECT_EQ(win->History().At(0), QPoint(21, 1));
    EXPECT_TRUE(Find<QToolButton>("p_bnFwd")->isEnabled());
    Find<QToolButton>("p_bnFwd")->click();
    EXPECT_EQ(win->Plotter().GetFrameVertex(), QPoint(21, 1));
    Find<QToolButton>("p_bnDnRt")->click();
    EXPECT_EQ(win->History().Count(), 20);
    EXPECT_NE(win->History().At(0), QPoint(21, 1));
}

TEST_F(MainWin, AppliedSetSwitchesTheGainTableModeOff) {
    OpenRecord();
    TCViewerParams p = win->Params();
    p.viewOpts.tScale = 12;
    win->Sets().Set(2, QString(), p);
    win->Params().gainTable.Add(5, 2.0f);
    win->Dispatch(kvc::AgaMode);
    ASSERT_TRUE(win->Params().AgaMode());
    EXPECT_TRUE(win->Action(kvc::AgaMode)->isChecked());
    EXPECT_TRUE(Find<QToolButton>("p_bnViewAgaS")->isChecked());
    EXPECT_FALSE(Find<QToolButton>("p_bnAInc")->isEnabled());
    Key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_FALSE(win->Params().AgaMode());
    EXPECT_EQ(win->Params().viewOpts.tScale, 12);
    EXPECT_FALSE(win->Action(kvc::AgaMode)->isChecked());
    // From the "Применить" submenu as well.
    win->Params().viewOpts.tScale = 7;
    win->SetItem(2)->trigger();
    EXPECT_EQ(win->Params().viewOpts.tScale, 12);
    EXPECT_FALSE(win->SetItem(1)->isEnabled());
    EXPECT_TRUE(win->SetItem(2)->isEnabled());
    // Defaults.
    win->Dispatch(kvc::Defaults);
    EXPECT_EQ(win->Params().viewOpts.tScale, 7);
}

TEST_F(MainWin, StatusBarUnderTheCursor) {
    OpenRecord();
    const QPoint at = Screen(5, 10);
    QTest::mouseMove(win->Image(), at);
    QMouseEvent move(QEvent::MouseMove, at, win->Image()->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(win->Image(), &move);
    EXPECT_EQ(win->PanelText(1), QStringLiteral("N: 5"));
    EXPECT_EQ(win->PanelText(2), QStringLiteral("S: 10"));
    EXPECT_EQ(win->PanelText(3), QStringLiteral("T: 20"));
    const float raw = SynthTrace(Spec(4, 24), 0, 4)[9];
    EXPECT_EQ(win->PanelText(4), QStringLiteral(" A: ") + QString::asprintf("%.2E", double(raw)));
    EXPECT_EQ(win->PanelText(5), QStringLiteral("09.04.24  10:00:00"));
    EXPECT_EQ(win->PanelText(6), QStringLiteral("O: 1000")); // |5 - 1| x 250
    EXPECT_TRUE(Find<QWidget>("p_shSNotch")->isVisible());
    // Outside the pad the read-out is cleared.
    QMouseEvent out(QEvent::MouseMove, QPointF(2, 2), win->Image()->mapToGlobal(QPointF(2, 2)),
                    Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(win->Image(), &out);
    EXPECT_TRUE(win->PanelText(1).isEmpty());
    EXPECT_FALSE(Find<QWidget>("p_shSNotch")->isVisible());
    // The double click toggles the hint.
    QTest::mouseDClick(win->Image(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(win->HintOn());
    EXPECT_TRUE(win->Action(kvc::CursorHint)->isChecked());
}

TEST_F(MainWin, ExportStartsTheExporterWithSevenArguments) {
    const QString path = OpenRecord();
    const QString out = Home() + "/export-args.txt";
    MakeStandIn(KV_GetImagerExeName(), out);
    win->Params().gainTable.Add(1, 1.0f);
    win->Dispatch(kvc::AgaMode);
    const QRect r = win->Plotter().GetFrameRect();
    win->Dispatch(kvc::Export);
    EXPECT_FALSE(win->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !win->ExportRunning(); }, 10000));
    QCoreApplication::processEvents();
    EXPECT_TRUE(win->isEnabled());
    EXPECT_EQ(ReadLines(out),
              (QStringList{path, QString::number(r.left()), QString::number(r.right()),
                           QString::number(r.top()), QString::number(r.bottom()),
                           QString::number(quint64(win->winId())), "1"}));
    EXPECT_TRUE(QFileInfo::exists(KV_GetImgrParamsFile()));
    EXPECT_TRUE(rec.texts().isEmpty());

    QFile::remove(KV_GetImagerExeName());
    win->Dispatch(kvc::Export);
    EXPECT_TRUE(QTest::qWaitFor([&] { return win->isEnabled(); }, 10000));
    EXPECT_EQ(rec.texts(), QStringList{"Ошибка запуска модуля экспорта."});
}

TEST_F(MainWin, OpenInANewWindowStartsASecondViewer) {
    const QString first = OpenRecord();
    const QString second = MakeFile("second.sgy", Spec(1, 24));
    const QString out = Home() + "/viewer-args.txt";
    MakeStandIn(win->ViewerProgram(), out);
    Find<QToolButton>("p_bnFileWin")->click();
    EXPECT_TRUE(win->Settings().newWindow);
    EXPECT_TRUE(Find<QToolButton>("p_bnFileWin")->isChecked());
    Open(second);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(out) && !ReadLines(out).isEmpty(); },
                                10000));
    EXPECT_EQ(ReadLines(out), (QStringList{second, QString::number(quint64(win->winId()))}));
    EXPECT_EQ(win->windowTitle(),
              QStringLiteral("KxViewer [record.sgy]")); // this one keeps its file
    Q_UNUSED(first);
    QFile::remove(win->ViewerProgram());
    Open(second);
    EXPECT_EQ(rec.texts(), QStringList{"Ошибка запуска новой копии приложения."});
}

TEST_F(MainWin, ReadErrorWhileDrawingIsToldOnce) {
    const QString path = OpenRecord();
    // Cut the file inside trace 60: traces from there on can no longer be read.
    QFile f(path);
    ASSERT_TRUE(f.resize(3600 + 59 * (240 + 4 * kSamples) + 100));
    win->Params().viewOpts.tScale = 3; // all 96 traces in the frame
    win->ShowFrame(1);
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(rec.texts().size(), 1);
    EXPECT_TRUE(rec.texts()[0].startsWith("Oшибка чтения файла. Tрасса "));
    EXPECT_TRUE(win->FileOpen());
    EXPECT_TRUE(win->isEnabled());
    Key(Qt::Key_X, Qt::ControlModifier); // still answers
    EXPECT_EQ(win->Params().viewOpts.tScale, 4);
}

TEST_F(MainWin, ParameterFilesAndBookmarks) {
    OpenRecord();
    win->Dispatch(kvc::SaveParams);
    EXPECT_EQ(rec.texts(), QStringList{"Папка для настроек не определена в опциях открытия."});
    rec.clear();

    const QString sets = Home() + "/sets";
    QDir().mkpath(sets);
    win->Settings().setDirs.Add(sets);
    win->Settings().setIndex = 0;
    win->Settings().SetFlags(false, false, true, true, true);
    QString proposed;
    win->SetFileChooser(
        [&](bool, const QString&, const QString&, const QString& p, const QString&) {
            proposed = p;
            return sets + "/mine.txt";
        });
    win->Params().viewOpts.tScale = 20;
    win->Dispatch(kvc::SaveParams);
    EXPECT_EQ(proposed, sets + "/record.uprm");
    ASSERT_TRUE(QFileInfo::exists(sets + "/mine.uprm"));
    win->Params().viewOpts.tScale = 5;
    win->Dispatch(kvc::LoadParams);
    EXPECT_EQ(win->Params().viewOpts.tScale, 20);
    EXPECT_TRUE(rec.texts().isEmpty());

    // Bookmarks go to sets/record.bm when the file closes and come back when it opens.
    const QString path = Home() + "/record.sgy";
    win->Bookmarks().Add("Первая", QPoint(10, 20));
    win->Dispatch(kvc::FileClose);
    EXPECT_FALSE(win->FileOpen());
    EXPECT_TRUE(win->PendingName().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(sets + "/record.bm"));
    EXPECT_EQ(win->Bookmarks().Count(), 0);
    Open(path);
    EXPECT_EQ(win->Bookmarks().Count(), 1);
    EXPECT_TRUE(win->Action(kvc::GoMark)->isEnabled());
}

TEST_F(MainWin, ReopenListAndNarrowLayout) {
    const QString path = OpenRecord();
    ASSERT_FALSE(win->ReopenMenu()->actions().isEmpty());
    EXPECT_EQ(win->ReopenMenu()->actions()[0]->toolTip(), path);
    win->Dispatch(kvc::FileClose);
    win->ReopenMenu()->actions()[0]->trigger();
    EXPECT_TRUE(win->FileOpen());
    // Below 650 pixels the buttons take two rows.
    const int tall = Find<QWidget>("p_tbMain")->sizeHint().height();
    win->resize(600, 400);
    QCoreApplication::processEvents();
    EXPECT_GT(Find<QWidget>("p_tbMain")->sizeHint().height(), tall);
    EXPECT_GE(win->minimumWidth(), 340);
    SaveScreenshot(win.get(), "traceview_narrow");
}

} // namespace

namespace {

TEST(MainWinStart, CommandLineFileAndOwnerWindow) {
    MsgRecorder rec;
    const QString path = MakeFile("start.sgy", Spec(1, 24));
    TKv5MainWin owner(QStringList{});
    owner.show();
    TKv5MainWin win(QStringList{path, QString::number(quint64(owner.winId()))});
    EXPECT_FALSE(win.FileOpen()); // opened by the reload message, once the loop runs
    QCoreApplication::processEvents();
    EXPECT_TRUE(win.FileOpen());
    EXPECT_EQ(win.windowTitle(), QStringLiteral("KxViewer [start.sgy]"));
    EXPECT_EQ(win.size(), QSize(960, 570));
    EXPECT_TRUE(rec.texts().isEmpty());
}

TEST(MainWinStart, HelpCommandsAndF1) {
    MsgRecorder rec;
    TKv5MainWin win(QStringList{});
    win.show();
    QCoreApplication::processEvents();
    win.Dispatch(kvc::HelpKeys);
    EXPECT_EQ(HelpTopicShown(), 530);
    win.Dispatch(kvc::HelpContents);
    EXPECT_EQ(HelpTopicShown(), 0);
    win.Image()->setFocus();
    QTest::keyClick(win.Image(), Qt::Key_F1);
    EXPECT_EQ(HelpTopicShown(), 420);
}

} // namespace

namespace {

TEST_F(MainWin, PrivateMessagesOfThePanelAndTheGainTable) {
    OpenRecord();
    win->Params().viewOpts.tScale = 11;
    TKvWinMsg memorize(kWmViewerFastCmd, 4, 1);
    QCoreApplication::sendEvent(win.get(), &memorize);
    EXPECT_TRUE(win->Sets().Valid(3));
    EXPECT_TRUE(win->SetItem(3)->isEnabled());
    EXPECT_TRUE(win->SetItem(3)->text().startsWith(QStringLiteral("Четвертая")));
    TKvWinMsg defaults(kWmViewerFastCmd, 12, 0);
    QCoreApplication::sendEvent(win.get(), &defaults);
    EXPECT_EQ(win->Params().viewOpts.tScale, 7);
    TKvWinMsg apply(kWmViewerFastCmd, 4, 0);
    QCoreApplication::sendEvent(win.get(), &apply);
    EXPECT_EQ(win->Params().viewOpts.tScale, 11);
    const int drawn = win->FramesDrawn();
    TKvWinMsg redraw(kWmViewerFastCmd, 0, 0);
    QCoreApplication::sendEvent(win.get(), &redraw);
    EXPECT_EQ(win->FramesDrawn(), drawn + 1);

    // The gain table emptied while its mode is on: the mode goes off.
    win->Params().gainTable.Add(3, 2.0f);
    win->Dispatch(kvc::AgaMode);
    ASSERT_TRUE(win->Params().AgaMode());
    win->Params().gainTable.Clear();
    TKvWinMsg changed(kWmViewerAgaChanged, 1, 0);
    QCoreApplication::sendEvent(win.get(), &changed);
    EXPECT_FALSE(win->Params().AgaMode());
    EXPECT_FALSE(win->Action(kvc::AgaMode)->isEnabled());
}

} // namespace

namespace {

// 2147483647 traces of 10 samples, only the first written: the rest is a hole in the file.
TEST_F(MainWin, SparseRecordOfTheLargestTraceCount) {
    SynthSpec s = Spec(1, 1);
    s.samples = 10;
    const QString path = MakeFile("sparse.sgy", s);
    {
        QFile f(path);
        ASSERT_TRUE(f.resize(3600 + qint64(2147483647) * (240 + 4 * 10)));
    }
    Open(path);
    ASSERT_TRUE(win->FileOpen()) << rec.texts().join('|').toStdString();
    EXPECT_EQ(win->Plotter().TraceCount(), 2147483647);
    EXPECT_EQ(win->Plotter().GetFrameVertex(), QPoint(1, 1));
    auto* bar = Find<QScrollBar>("p_obarH");
    ASSERT_TRUE(bar->isEnabled());
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    const QRect f = win->Plotter().GetFrameRect();
    EXPECT_EQ(f.right(), 2147483647);
    EXPECT_GT(f.left(), 2147483000);
    EXPECT_TRUE(rec.texts().isEmpty()) << rec.texts().join('|').toStdString();
    // The last trace under the cursor.
    const QPoint at = Screen(2147483647, 5);
    QMouseEvent move(QEvent::MouseMove, at, win->Image()->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(win->Image(), &move);
    EXPECT_EQ(win->PanelText(1), QStringLiteral("N: 2147483647"));
    QFile::remove(path);
}

} // namespace
