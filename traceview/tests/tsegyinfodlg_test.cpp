// The SEG-Y information dialog through its real widgets, offscreen, on generated files; and the
// main window's commands that open it and the header inspector.

#include "apptools/appfolders.h"
#include "segygen/segygen.h"
#include "traceview/kvcommands.h"
#include "traceview/tkv5mainwin.h"
#include "traceview/tkvimage.h"
#include "traceview/tsegyinfodlg.h"
#include "trcfile/segyfields.h"
#include "trcfile/tcsegyreaderex.h"
#include "uikit/screenshot.h"
#include "uikit/uimsgbox.h"
#include "viewcore/tappsettings.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

QString Home() {
    return qEnvironmentVariable("GRAVIK_HOME");
}

// 2 shots x 5 receivers = 10 traces of 200 samples at 2 ms, two extended textual blocks.
SynthSpec Spec() {
    SynthSpec s;
    s.sources = 2;
    s.receivers = 5;
    s.samples = 200;
    s.extBlocks = 2;
    return s;
}

QString MakeFile(const QString& name, const SynthSpec& s) {
    const QString path = Home() + "/" + name;
    EXPECT_EQ(WriteSynthSegy(path.toStdString(), s), 0);
    return path;
}

// The application folder holds the shipped descriptions file.
void UseAppDir() {
    const QString app = Home() + "/app";
    QDir().mkpath(app);
    KT_SetAppDir(app);
    QFile::remove(app + "/kinfo.hdr");
    QFile::copy(QStringLiteral(GRAVIK_BIN_DIR "/kinfo.hdr"), app + "/kinfo.hdr");
}

QStringList Row(const QTreeWidget* list, int row) {
    QStringList texts;
    const QTreeWidgetItem* item = list->topLevelItem(row);
    for (int c = 0; item && c < list->columnCount(); ++c)
        texts << item->text(c);
    return texts;
}

QAction* MenuAction(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions())
        if (a->text() == caption)
            return a;
    ADD_FAILURE() << "no menu item " << caption.toStdString();
    return nullptr;
}

class InfoDialog : public ::testing::Test {
protected:
    void SetUp() override { UseAppDir(); }

    void OpenReader(const SynthSpec& s) {
        path = MakeFile("info.sgy", s);
        ASSERT_EQ(reader.Open(path.toStdString()), 0);
        reader.SetTrace(4);
        rec.reader = &reader;
    }
    TSEGYInfoDlg& Show(int trace, int page) {
        rec.trace = trace;
        rec.page = page;
        dlg = std::make_unique<TSEGYInfoDlg>(rec, 25);
        dlg->show();
        return *dlg;
    }
    template <class T> T* Find(const char* name) const {
        T* w = dlg->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Enabled state of First, Prev, Go, Next, Last.
    std::vector<bool> Nav() const {
        std::vector<bool> on;
        for (const char* n : {"p_bn3First", "p_bn3Prev", "p_bn3Go", "p_bn3Next", "p_bn3Last"})
            on.push_back(Find<QPushButton>(n)->isEnabled());
        return on;
    }

    MsgRecorder msgs;
    QString path;
    TCSegyReaderEx reader;
    TSEGYInfoRec rec;
    std::unique_ptr<TSEGYInfoDlg> dlg;
};

} // namespace

TEST_F(InfoDialog, FilePageListsTheElevenPropertiesInTheTimeUnitOfTheFile) {
    const struct {
        int intervalUs;
        const char* unit;
        const char* interval;
        const char* length;
    } cases[] = {{2000, "мс", "2", "400"}, {2500, "мкс", "2500", "500000"}};
    for (const auto& c : cases) {
        SynthSpec s = Spec();
        s.intervalUs = c.intervalUs;
        reader.Close();
        OpenReader(s);
        Show(0, 0);
        EXPECT_EQ(dlg->windowTitle(), "SEG-Y файл: свойства и заголовки");
        EXPECT_EQ(Find<QTabWidget>("p_pcInfo")->currentIndex(), 0);
        const auto* list = Find<QTreeWidget>("p_lv0Props");
        ASSERT_EQ(list->topLevelItemCount(), 11);
        const QString unit = QString::fromUtf8(c.unit);
        EXPECT_EQ(Row(list, 0), QStringList({"Имя файла", "info.sgy"}));
        EXPECT_EQ(Row(list, 1),
                  QStringList({"Размер файла,  байт", QString::number(QFileInfo(path).size())}));
        EXPECT_EQ(Row(list, 5), QStringList({"Дополнительных текстовых блоков", "2"}));
        EXPECT_EQ(Row(list, 6), QStringList({"Число трасс в файле", "10"}));
        EXPECT_EQ(Row(list, 7), QStringList({"Интервал дискретизации,  " + unit, c.interval}));
        EXPECT_EQ(Row(list, 8), QStringList({"Число отсчетов сигнала", "200"}));
        EXPECT_EQ(Row(list, 9), QStringList({"Длительность записи трассы,  " + unit, c.length}));
        EXPECT_EQ(list->topLevelItem(10)->text(0), "Формат отсчета");
        // The folder line: the full folder in the hint.
        EXPECT_EQ(Find<QLabel>("p_lbDir")->toolTip(), QDir::toNativeSeparators(Home()));
        EXPECT_TRUE(Find<QLabel>("p_lbDir")->text().startsWith("Папка:  "));
        if (c.intervalUs == 2000)
            SaveScreenshot(dlg.get(), "segyinfo_file");
        dlg->close();
    }
}

TEST_F(InfoDialog, TextPageShowsTheHeaderAndEveryExtendedBlock) {
    OpenReader(Spec());
    Show(0, 1);
    auto* memo = Find<QPlainTextEdit>("p_mem1Text");
    const QStringList lines = memo->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 3 * 40);
    EXPECT_TRUE(lines[0].contains("SYNTHETIC SHOT RECORDS")) << lines[0].toStdString();
    EXPECT_TRUE(lines[40].contains("EXTENDED TEXTUAL HEADER 1 OF 2")) << lines[40].toStdString();
    EXPECT_TRUE(lines[80].contains("EXTENDED TEXTUAL HEADER 2 OF 2")) << lines[80].toStdString();
    EXPECT_EQ(memo->font().family(), "Courier New");
    EXPECT_EQ(memo->font().pointSize(), 8);
    SaveScreenshot(dlg.get(), "segyinfo_text");

    // The memo's menu: Arial and larger, then the text in the desktop's text editor.
    QMenu* menu = dlg->TextMenu();
    EXPECT_TRUE(MenuAction(menu, "&Courier")->isChecked());
    EXPECT_TRUE(MenuAction(menu, "&Мельче")->isChecked());
    MenuAction(menu, "&Arial")->trigger();
    MenuAction(menu, "&Крупнее")->trigger();
    EXPECT_EQ(memo->font().family(), "Arial");
    EXPECT_EQ(memo->font().pointSize(), 10);
    EXPECT_FALSE(MenuAction(menu, "&Courier")->isChecked());

    const QString log = Home() + "/opened.txt";
    qputenv("GRAVIK_OPEN_LOG", log.toUtf8());
    MenuAction(menu, "&Блокнот")->trigger();
    QFile logFile(log);
    ASSERT_TRUE(logFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(logFile.readAll()).trimmed(), KV_GetTextHeaderFile());
    QFile text(KV_GetTextHeaderFile());
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(text.readAll()).split('\n', Qt::SkipEmptyParts).size(), 120);
    EXPECT_TRUE(msgs.texts().isEmpty());
    // The editor cannot be started (here: its log cannot be written).
    qputenv("GRAVIK_OPEN_LOG", (Home() + "/no/such/folder/log").toUtf8());
    MenuAction(menu, "&Блокнот")->trigger();
    qunsetenv("GRAVIK_OPEN_LOG");
    EXPECT_EQ(msgs.texts(), QStringList({"Ошибка запуска Блокнота Windows."}));
    EXPECT_EQ(msgs.kinds().value(0), MsgKind::Error);
    // The memo never shows a caret.
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(memo, &in);
    EXPECT_EQ(memo->cursorWidth(), 1);
    QCoreApplication::sendPostedEvents(dlg.get(), kWmHideCaret);
    EXPECT_EQ(memo->cursorWidth(), 0);
}

TEST_F(InfoDialog, HeaderPagesListEveryWordWithItsDescription) {
    OpenReader(Spec());
    Show(3, 2);
    const auto* bin = Find<QTreeWidget>("p_lv2Hdr");
    ASSERT_EQ(bin->topLevelItemCount(), trc::kBinFieldCount);
    EXPECT_EQ(bin->headerItem()->text(0), "ИС");
    EXPECT_EQ(bin->headerItem()->text(1), "Значение");
    EXPECT_EQ(bin->headerItem()->text(2), "Б");
    EXPECT_EQ(bin->headerItem()->text(3), "Описание");
    EXPECT_EQ(Row(bin, 0), QStringList({"1", "1", "4", "Номер задания"}));
    EXPECT_EQ(Row(bin, 7), QStringList({"8", "200", "2", "Число отсчетов в трассе"}));
    EXPECT_EQ(Row(bin, trc::kBinFieldCount - 1),
              QStringList({"30", "2", "2", "Число дополнительных текстовых блоков"}));
    EXPECT_EQ(bin->currentIndex().row(), 0);
    SaveScreenshot(dlg.get(), "segyinfo_fhdr");

    Find<QTabWidget>("p_pcInfo")->setCurrentIndex(3);
    const auto* trc = Find<QTreeWidget>("p_lv3Hdr");
    ASSERT_EQ(trc->topLevelItemCount(), trc::kTraceFieldCount);
    EXPECT_EQ(Row(trc, 0), QStringList({"1", "3", "4", "Номер трассы в профиле"}));
    EXPECT_EQ(Row(trc, 3), QStringList({"4", "3", "4", "Номер трассы в полевой записи"}));
    EXPECT_EQ(Row(trc, trc::tf::kSampleCount),
              QStringList({"39", "200", "2", "Число отсчетов в трассе"}));
    EXPECT_EQ(Row(trc, trc::kTraceFieldCount - 1),
              QStringList({QString::number(trc::kTraceFieldCount), "0", "4",
                           "Не назначено (байты 237-240)"}));
    EXPECT_EQ(trc->currentIndex().row(), 0);
    dlg->close();

    // Without the descriptions file the words are listed without descriptions.
    QFile::remove(KT_GetAppDir() + "/kinfo.hdr");
    Show(3, 3);
    EXPECT_EQ(Row(Find<QTreeWidget>("p_lv3Hdr"), 0), QStringList({"1", "3", "4", ""}));
    EXPECT_EQ(Row(Find<QTreeWidget>("p_lv2Hdr"), 0), QStringList({"1", "1", "4", ""}));
}

TEST_F(InfoDialog, TraceNavigationKeepsTheRowAndEnablesByPosition) {
    OpenReader(Spec());
    Show(1, 3);
    auto* list = Find<QTreeWidget>("p_lv3Hdr");
    auto* box = Find<QLineEdit>("p_ed3Trace");
    auto* time = Find<QLabel>("p_lb3Time");
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(time->text(), "09.04.2024  10:00:00");
    EXPECT_EQ(Nav(), (std::vector<bool>{false, false, false, true, true}));

    // A row far down: the list keeps it and its scroll position across moves.
    list->setCurrentItem(list->topLevelItem(trc::tf::kSecond));
    list->scrollToItem(list->topLevelItem(trc::tf::kSecond), QAbstractItemView::PositionAtTop);
    const int scroll = list->verticalScrollBar()->value();
    ASSERT_GT(scroll, 0);
    QTest::mouseClick(Find<QPushButton>("p_bn3Next"), Qt::LeftButton);
    EXPECT_EQ(box->text(), "2");
    EXPECT_EQ(list->currentIndex().row(), trc::tf::kSecond);
    EXPECT_EQ(list->verticalScrollBar()->value(), scroll);
    EXPECT_EQ(dlg->focusWidget(), list);
    EXPECT_EQ(Row(list, 0).value(1), "2");
    EXPECT_EQ(Nav(), (std::vector<bool>{true, true, false, true, true}));
    SaveScreenshot(dlg.get(), "segyinfo_thdr");

    // The second shot is recorded 30 s later.
    box->setText("6");
    EXPECT_TRUE(Find<QPushButton>("p_bn3Go")->isEnabled());
    QTest::mouseClick(Find<QPushButton>("p_bn3Go"), Qt::LeftButton);
    EXPECT_EQ(Row(list, 0).value(1), "6");
    EXPECT_EQ(time->text(), "09.04.2024  10:00:30");
    EXPECT_EQ(list->currentIndex().row(), trc::tf::kSecond);

    QTest::mouseClick(Find<QPushButton>("p_bn3Last"), Qt::LeftButton);
    EXPECT_EQ(box->text(), "10");
    EXPECT_EQ(Nav(), (std::vector<bool>{true, true, false, false, false}));
    // "Перейти" only for another trace of the file.
    const struct {
        const char* text;
        bool go;
    } boxes[] = {{"10", false}, {"3", true}, {"11", false}, {"0", false}, {"x", false}};
    for (const auto& b : boxes) {
        box->setText(QString::fromLatin1(b.text));
        EXPECT_EQ(Find<QPushButton>("p_bn3Go")->isEnabled(), b.go) << b.text;
    }
    // Entering the list puts the current trace back into the box.
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(list, &in);
    EXPECT_EQ(box->text(), "10");
    QTest::mouseClick(Find<QPushButton>("p_bn3First"), Qt::LeftButton);
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(Nav(), (std::vector<bool>{false, false, false, true, true}));
    // Leaving the page does too.
    box->setText("7");
    Find<QTabWidget>("p_pcInfo")->setCurrentIndex(0);
    EXPECT_EQ(box->text(), "1");

    // Closing sets the reader back to its trace.
    EXPECT_EQ(reader.Trace(), 1);
    dlg->close();
    EXPECT_EQ(reader.Trace(), 4);
}

TEST_F(InfoDialog, ATraceWithoutTimeShowsNoTime) {
    path = MakeFile("info.sgy", Spec());
    {
        // Year and day of trace 2 set to 0.
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        const qint64 trace2 = 3600 + 2 * 3200 + 240 + 200 * 4;
        ASSERT_TRUE(f.seek(trace2 + 156));
        f.write(QByteArray(4, '\0'));
    }
    ASSERT_EQ(reader.Open(path.toStdString()), 0);
    rec.reader = &reader;
    Show(2, 3);
    EXPECT_EQ(Row(Find<QTreeWidget>("p_lv3Hdr"), trc::tf::kYear).value(1), "0");
    EXPECT_TRUE(Find<QLabel>("p_lb3Time")->text().isEmpty());
    QTest::mouseClick(Find<QPushButton>("p_bn3Next"), Qt::LeftButton);
    EXPECT_EQ(Find<QLabel>("p_lb3Time")->text(), "09.04.2024  10:00:00");
}

namespace {

class ViewerDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        UseAppDir();
        win = std::make_unique<TKv5MainWin>(QStringList());
        win->resize(960, 570);
        win->show();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void TearDown() override { win.reset(); }

    // Triggers `tag` and runs `check` on the modal dialog it opens, then closes that dialog.
    void WithDialog(int tag, const std::function<void(QDialog*)>& check) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d) {
                ADD_FAILURE() << "no dialog for command " << tag;
                return;
            }
            ran = true;
            check(d);
            if (d->isVisible())
                d->reject();
        });
        ASSERT_TRUE(win->Action(tag)->isEnabled()) << tag;
        win->Action(tag)->trigger();
        EXPECT_TRUE(ran) << tag;
    }

    MsgRecorder msgs;
    std::unique_ptr<TKv5MainWin> win;
};

} // namespace

TEST_F(ViewerDialogs, PopupShowsTheTraceUnderTheCursorAndFilePropsTraceOne) {
    win->OpenFile(MakeFile("record.sgy", Spec()));
    QCoreApplication::processEvents();
    ASSERT_TRUE(win->FileOpen());
    const QPoint at = win->Plotter().RealToScreen(QPoint(7, 20));
    QMouseEvent move(QEvent::MouseMove, at, win->Image()->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(win->Image(), &move);
    const int before = win->Reader().Trace(); // the read-out read the trace under the cursor
    ASSERT_GT(before, 0);
    ASSERT_TRUE(win->PopupMenu()->actions().contains(win->Action(kvc::TraceHeader)));
    int keptHeight = 0;
    WithDialog(kvc::TraceHeader, [&](QDialog* d) {
        EXPECT_EQ(d->findChild<QTabWidget*>("p_pcInfo")->currentIndex(), 3);
        EXPECT_EQ(d->findChild<QLineEdit*>("p_ed3Trace")->text(), "7");
        const auto* list = d->findChild<QTreeWidget*>("p_lv3Hdr");
        EXPECT_EQ(list->topLevelItem(0)->text(1), "7");
        // Moving on moves the reader; closing brings it back.
        QTest::mouseClick(d->findChild<QPushButton*>("p_bn3Next"), Qt::LeftButton);
        EXPECT_EQ(list->topLevelItem(0)->text(1), "8");
        // Kept size and position for the next call.
        d->findChild<QCheckBox*>("p_cbnKeep")->setChecked(true);
        d->move(40, 30);
        d->resize(d->width(), d->height() + 50);
        keptHeight = d->height();
    });
    EXPECT_EQ(win->Reader().Trace(), before);

    WithDialog(kvc::FileProps, [&](QDialog* d) {
        EXPECT_EQ(d->findChild<QTabWidget*>("p_pcInfo")->currentIndex(), 0);
        EXPECT_EQ(d->findChild<QLineEdit*>("p_ed3Trace")->text(), "1");
        EXPECT_EQ(d->pos(), QPoint(40, 30));
        EXPECT_EQ(d->height(), keptHeight);
        d->findChild<QCheckBox*>("p_cbnKeep")->setChecked(false);
    });
    EXPECT_EQ(win->Reader().Trace(), before);
    EXPECT_TRUE(msgs.texts().isEmpty());
}

TEST_F(ViewerDialogs, HeaderProbeAfterAFailedOpenReadsThatFile) {
    EXPECT_FALSE(win->Action(kvc::HeaderProbe)->isEnabled());
    const QString bad = Home() + "/short.sgy";
    {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(3599, ' '));
    }
    win->OpenFile(bad);
    QCoreApplication::processEvents();
    ASSERT_FALSE(win->FileOpen());
    ASSERT_EQ(msgs.texts().size(), 1);
    EXPECT_EQ(win->Action(kvc::HeaderProbe)->text().remove('&'), "Пробное чтение заголовка...");
    WithDialog(kvc::HeaderProbe, [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Пробное чтение заголовка SEG-Y файла");
        EXPECT_EQ(d->findChild<QLineEdit*>("p_edFile")->toolTip(), bad);
        auto* result = d->findChild<QLabel*>("p_lblResult");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !result->text().isEmpty(); }));
        EXPECT_TRUE(result->text().contains("слишком мал")) << result->text().toStdString();
    });
}

TEST_F(ViewerDialogs, OpenOptionsCommandEditsTheWindowsSettings) {
    const QString dir = Home() + "/data";
    QDir().mkpath(dir);
    win->Settings().CopyFrom({dir}, 0);
    win->Settings().sgyIndex = 0;
    WithDialog(kvc::OpenOptions, [&](QDialog* d) {
        EXPECT_EQ(d->findChild<QComboBox*>("p_cbSgy")->currentText(), dir);
        d->findChild<QCheckBox*>("p_cbnWin")->setChecked(true);
        d->accept();
    });
    EXPECT_TRUE(win->Settings().newWindow);
    EXPECT_TRUE(QFile::exists(TAppSettings::FilePath()));
}
