// The exporter's form on a generated record: start, region, checks, making, stopping, saving,
// the previous job, fonts; offscreen, message boxes answered by the recorder.
#include "krfixture.h"

#include "apptools/appfolders.h"
#include "plotcore/tcimageprops.h"
#include "rastexport/krtexts.h"
#include "uikit/screenshot.h"
#include "uikit/uimsgbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class KrForm : public ::testing::Test {
protected:
    void SetUp() override {
        // The tests of this program share one GRAVIK_HOME: no job or picture of an earlier one.
        QFile::remove(KV_GetImagerJobFile());
        QFile::remove(TKrSession::PreviewFile());
        file = KrWriteRecord();
        TCViewerParams params;
        KrWriteViewerParams(params);
        openLog = qEnvironmentVariable("GRAVIK_HOME") + QStringLiteral("/opened.log");
        qputenv("GRAVIK_OPEN_LOG", openLog.toLocal8Bit());
    }
    void Start(int t1 = 5, int t2 = 40, int s1 = 51, int s2 = 300) {
        form = KrStartForm(KrArgs(file.path, t1, t2, s1, s2));
    }
    template <class W> W* Child(const char* name) { return KrChild<W>(form.get(), name); }
    QLineEdit* Box(const char* name) { return Child<QLineEdit>(name); }
    QString ResultLine() { return Child<QLabel>("p_lab0Size")->text(); }
    void Make() { Child<QPushButton>("p_bnMake")->click(); }
    // Chooses the target through "Обзор", typing `name` into the save dialog.
    void Browse(const QString& name) {
        QTimer::singleShot(0, [this, name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialogTitle = dialog->windowTitle();
            proposed = dialog->selectedFiles().value(0);
            dialog->selectFile(name);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        Child<QToolButton>("p_lnk0Browse")->click();
    }
    void Save() { Child<QPushButton>("p_bnSave")->click(); }

    TKrFixtureFile file;
    QString openLog;
    std::unique_ptr<TKrMainWin> form;
    MsgRecorder msgs;
    QString dialogTitle, proposed;
};

TEST(KrProgram, SixArgumentsOrFewerEndAtOnceWithoutAWindow) {
    for (int n : {0, 1, 6}) {
        QProcess p;
        QStringList args;
        for (int i = 0; i < n; ++i)
            args << QStringLiteral("1");
        p.start(QStringLiteral(GRAVIK_BIN_DIR "/rastexport"), args);
        ASSERT_TRUE(p.waitForFinished(60000)) << n;
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0);
    }
    EXPECT_FALSE(QFileInfo::exists(KV_GetImagerJobFile()));
}

TEST_F(KrForm, StartFillsTheFormFromTheViewersCommandLine) {
    Start(5, 40, 51, 300);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Экспорт  в графический в файл"));
    EXPECT_EQ(Box("p_ed0Trc1")->text(), "5");
    EXPECT_EQ(Box("p_ed0Trc2")->text(), "40");
    EXPECT_EQ(Box("p_ed0Time1")->text(), "102");
    EXPECT_EQ(Box("p_ed0Time2")->text(), "600");
    EXPECT_EQ(Child<QLabel>("p_labTUnit")->text(), "ms");
    EXPECT_EQ(Child<QComboBox>("p_cb0Bits")->currentIndex(), 0);
    EXPECT_EQ(Child<QComboBox>("p_cb0GFmt")->currentIndex(), 0);
    EXPECT_EQ(Child<QComboBox>("p_cb1Scale")->currentIndex(), 3);
    EXPECT_FALSE(Child<QSpinBox>("p_sed1Off")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>("p_bnView")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>("p_bnSave")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>("p_bnMake")->isEnabled());
    EXPECT_TRUE(msgs.texts().isEmpty());
    SaveScreenshot(form.get(), QStringLiteral("rastexport_record_page"));
}

TEST_F(KrForm, AnIntervalOfMicrosecondsIsLabelledMcs) {
    file = KrWriteRecord(QStringLiteral("fine.sgy"), 250);
    Start(1, 10, 1, 100);
    EXPECT_EQ(Child<QLabel>("p_labTUnit")->text(), "mcs");
    EXPECT_EQ(Box("p_ed0Time2")->text(), "25000");
}

TEST_F(KrForm, AFileThatDoesNotOpenIsReportedAndTheFormCloses) {
    form = KrStartForm(KrArgs(qEnvironmentVariable("GRAVIK_HOME") + "/none.sgy", 1, 2, 1, 2));
    ASSERT_EQ(msgs.texts().size(), 1);
    EXPECT_TRUE(msgs.texts()[0].startsWith(QStringLiteral("Ошибка открытия файла [")));
    EXPECT_EQ(msgs.kinds()[0], MsgKind::Error);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(QFileInfo::exists(KV_GetImagerJobFile()));
}

TEST_F(KrForm, TheRegionIsNormalisedOnLeavingABoxAndByTheLinks) {
    Start(5, 40, 51, 300);
    // A last time above the record length (2000 ms) becomes the last sample.
    KrEnterText(Box("p_ed0Time2"), "5000");
    EXPECT_EQ(Box("p_ed0Time2")->text(), "2000");
    // An empty first trace becomes 1, a last trace beyond the record the last trace.
    KrEnterText(Box("p_ed0Trc1"), "");
    EXPECT_EQ(Box("p_ed0Trc1")->text(), "1");
    KrEnterText(Box("p_ed0Trc2"), "500");
    EXPECT_EQ(Box("p_ed0Trc2")->text(), "96");
    // A time between samples falls on the sample before it.
    KrEnterText(Box("p_ed0Time1"), "105");
    EXPECT_EQ(Box("p_ed0Time1")->text(), "104");

    Child<QToolButton>("p_lnk0TrcFrame")->click();
    Child<QToolButton>("p_lnk0TimeFrame")->click();
    EXPECT_EQ(Box("p_ed0Trc1")->text(), "5");
    EXPECT_EQ(Box("p_ed0Trc2")->text(), "40");
    EXPECT_EQ(Box("p_ed0Time1")->text(), "102");
    EXPECT_EQ(Box("p_ed0Time2")->text(), "600");
    Child<QToolButton>("p_lnk0TrcAll")->click();
    Child<QToolButton>("p_lnk0TimeAll")->click();
    EXPECT_EQ(Box("p_ed0Trc1")->text(), "1");
    EXPECT_EQ(Box("p_ed0Trc2")->text(), "96");
    EXPECT_EQ(Box("p_ed0Time1")->text(), "2");
    EXPECT_EQ(Box("p_ed0Time2")->text(), "2000");
}

// Refusals before making: a message box each, and nothing made.
TEST_F(KrForm, ChecksRefuseAJobThatCannotBeMade) {
    struct Case {
        const char* box;
        QString text;
        const char* caption2;
        QString message;
    };
    const Case cases[] = {
        {"p_ed0Trc1", "60", "", KrText(krBadRegion)},
        {"p_ed0Trc1", "40", "", KrText(krBadRegion)},
        {"p_ed0Time1", "700", "", KrText(krBadRegion)},
        {"p_ed0Time1", "102", "Второй", KrText(krCaptionOrder)},
    };
    for (const Case& c : cases) {
        Start(5, 40, 51, 300);
        msgs.clear();
        KrEnterText(Box(c.box), c.text);
        Box("p_ed1Cap2")->setText(QString::fromUtf8(c.caption2));
        Make();
        ASSERT_EQ(msgs.texts().size(), 1) << c.box << " " << c.text.toStdString();
        EXPECT_EQ(msgs.texts()[0], c.message);
        EXPECT_FALSE(form->Session().Made());
        EXPECT_FALSE(QFileInfo::exists(TKrSession::PreviewFile()));
        EXPECT_TRUE(ResultLine().isEmpty());
    }
}

TEST_F(KrForm, JpegTakesTwentyFourBitsOnly) {
    Start();
    auto* bits = Child<QComboBox>("p_cb0Bits");
    auto* fmt = Child<QComboBox>("p_cb0GFmt");
    bits->setCurrentIndex(2); // 8 bits
    fmt->setCurrentIndex(3);  // JPG
    ASSERT_EQ(msgs.texts().size(), 1);
    EXPECT_EQ(msgs.texts()[0], QStringLiteral("Формат JPEG требует 24-битной глубины цвета."));
    EXPECT_EQ(fmt->currentIndex(), 0);
    EXPECT_EQ(bits->currentIndex(), 2);

    bits->setCurrentIndex(4);
    fmt->setCurrentIndex(3);
    EXPECT_EQ(msgs.texts().size(), 1);
    bits->setCurrentIndex(1); // JPG stays, the depth returns to 24 bits
    EXPECT_EQ(msgs.texts().size(), 2);
    EXPECT_EQ(bits->currentIndex(), 4);
    EXPECT_EQ(fmt->currentIndex(), 3);
}

TEST_F(KrForm, MakingShowsTheSizeAndEnablesPreviewAndSave) {
    Start(1, 96, 1, 500);
    // While drawing, only "Стоп" may act.
    bool checked = false;
    QTimer::singleShot(0, [&] {
        checked = true;
        EXPECT_TRUE(Child<QProgressBar>("p_pbarDraw")->isVisible());
        EXPECT_TRUE(Child<QToolButton>("p_lnk0Stop")->isEnabled());
        EXPECT_FALSE(Child<QPushButton>("p_bnMake")->isEnabled());
        EXPECT_FALSE(Child<QPushButton>("p_bnLast")->isEnabled());
        EXPECT_FALSE(Box("p_ed0Trc1")->isEnabled());
        EXPECT_FALSE(Box("p_ed1Cap1")->isEnabled());
        EXPECT_GE(Child<QProgressBar>("p_pbarDraw")->value(), 20);
        SaveScreenshot(form.get(), QStringLiteral("rastexport_making"));
    });
    Make();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(msgs.texts().isEmpty()) << msgs.texts().join("|").toStdString();
    EXPECT_TRUE(ResultLine().startsWith(QStringLiteral("Размер битового образа в памяти ")));
    EXPECT_TRUE(ResultLine().endsWith(QStringLiteral(" Мб")));
    EXPECT_FALSE(Child<QProgressBar>("p_pbarDraw")->isVisible());
    EXPECT_TRUE(Child<QPushButton>("p_bnView")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>("p_bnSave")->isEnabled());
    const QImage preview(TKrSession::PreviewFile());
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.depth(), 1);

    // "Просмотр" hands the preview to the desktop's viewer.
    Child<QPushButton>("p_bnView")->click();
    EXPECT_EQ(QString::fromUtf8(Bytes(openLog)).trimmed(), TKrSession::PreviewFile());
    // Without the log the desktop is asked, and a preview that is gone cannot be shown.
    qunsetenv("GRAVIK_OPEN_LOG");
    QFile::remove(TKrSession::PreviewFile());
    Child<QPushButton>("p_bnView")->click();
    qputenv("GRAVIK_OPEN_LOG", openLog.toLocal8Bit());
    ASSERT_EQ(msgs.texts().size(), 1);
    EXPECT_EQ(msgs.texts()[0], KrText(krViewerError));

    // A change of the region discards the picture.
    Make();
    KrEnterText(Box("p_ed1Cap1"), "Профиль");
    EXPECT_FALSE(Child<QPushButton>("p_bnView")->isEnabled());
    EXPECT_TRUE(ResultLine().isEmpty());
}

TEST_F(KrForm, StopDuringDrawingEndsWithoutAnImage) {
    Start(1, 96, 1, 1000);
    QTimer::singleShot(0, [&] { Child<QToolButton>("p_lnk0Stop")->click(); });
    Make();
    EXPECT_EQ(ResultLine(), QStringLiteral("Создание растрового образа прервано."));
    EXPECT_FALSE(form->Session().Made());
    EXPECT_FALSE(QFileInfo::exists(TKrSession::PreviewFile()));
    EXPECT_FALSE(Child<QPushButton>("p_bnView")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>("p_bnMake")->isEnabled());
    EXPECT_FALSE(Child<QToolButton>("p_lnk0Stop")->isVisible());
    EXPECT_TRUE(msgs.texts().isEmpty());
}

TEST_F(KrForm, ClosingWhileDrawingStopsAndClosesAfterwards) {
    Start(1, 96, 1, 1000);
    QTimer::singleShot(0, [&] { form->close(); });
    Make();
    EXPECT_EQ(ResultLine(), KrText(krMakeStopped));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(KrForm, BrowseProposesTheRecordNameAndKeepsTheFormatsExtension) {
    Start();
    QDir().mkpath(qEnvironmentVariable("GRAVIK_HOME") + "/out");
    Browse(qEnvironmentVariable("GRAVIK_HOME") + "/out/figure.txt");
    EXPECT_EQ(dialogTitle, QStringLiteral("Имя графического файла"));
    EXPECT_EQ(QFileInfo(proposed).fileName(), "line.bmp");
    const QString home = qEnvironmentVariable("GRAVIK_HOME");
    EXPECT_EQ(form->TargetFile(), home + "/out/figure.bmp");
    EXPECT_EQ(Box("p_ed0File")->toolTip(), form->TargetFile());
    Child<QComboBox>("p_cb0GFmt")->setCurrentIndex(2);
    EXPECT_EQ(form->TargetFile(), home + "/out/figure.png");
    // The dialog opens where the last target is.
    Browse(home + "/out/second");
    EXPECT_EQ(QFileInfo(proposed).absolutePath(), home + "/out");
    EXPECT_EQ(form->TargetFile(), home + "/out/second.png");
}

TEST_F(KrForm, SavingAsBmpCopiesThePreviewByteForByte) {
    Start(1, 96, 1, 500);
    Child<QComboBox>("p_cb0Bits")->setCurrentIndex(2);
    Make();
    const QString target = qEnvironmentVariable("GRAVIK_HOME") + "/figure.bmp";
    Browse(target);
    ASSERT_TRUE(Child<QPushButton>("p_bnSave")->isEnabled());
    Save();
    EXPECT_TRUE(msgs.texts().isEmpty());
    const QByteArray preview = Bytes(TKrSession::PreviewFile());
    ASSERT_FALSE(preview.isEmpty());
    EXPECT_EQ(Bytes(target), preview);
}

// Bits per pixel a PNG, GIF or JPEG file declares in its own header.
int DeclaredBits(const QByteArray& b) {
    if (b.startsWith("\x89PNG")) {
        const int depth = uchar(b[24]), colour = uchar(b[25]);
        const int channels = colour == 2 ? 3 : colour == 6 ? 4 : colour == 4 ? 2 : 1;
        return depth * channels;
    }
    if (b.startsWith("GIF"))
        return (uchar(b[10]) & 7) + 1;     // size of the global colour table
    for (int i = 2; i + 9 < b.size(); ++i) // JPEG: components of the start-of-frame segment
        if (uchar(b[i]) == 0xFF && (uchar(b[i + 1]) == 0xC0 || uchar(b[i + 1]) == 0xC2))
            return 8 * uchar(b[i + 9]);
    return 0;
}

TEST_F(KrForm, PngGifAndJpegOpenInQtWithTheSizeAndDepthOfThePicture) {
    struct Case {
        int depthIndex, format;
        const char* ext;
        int bits; // as the file declares them
    };
    const Case cases[] = {
        {0, kKrPng, "png", 1}, {2, kKrPng, "png", 8}, {4, kKrPng, "png", 24}, {0, kKrGif, "gif", 1},
        {1, kKrGif, "gif", 4}, {4, kKrGif, "gif", 2}, {4, kKrJpg, "jpg", 24},
    };
    Start(1, 48, 1, 400);
    KrEnterText(Box("p_ed1Cap1"), "Профиль 1");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ext) + " " + std::to_string(c.depthIndex));
        Child<QComboBox>("p_cb0GFmt")->setCurrentIndex(kKrBmp);
        Child<QComboBox>("p_cb0Bits")->setCurrentIndex(c.depthIndex);
        Child<QComboBox>("p_cb0GFmt")->setCurrentIndex(c.format);
        Make();
        const QString target = QStringLiteral("%1/figure%2.%3")
                                   .arg(qEnvironmentVariable("GRAVIK_HOME"))
                                   .arg(c.depthIndex)
                                   .arg(QLatin1String(c.ext));
        Browse(target);
        Save();
        EXPECT_TRUE(msgs.texts().isEmpty()) << msgs.texts().join("|").toStdString();
        const QImage preview(TKrSession::PreviewFile());
        QImageReader reader(target);
        const QImage saved = reader.read();
        ASSERT_FALSE(saved.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(saved.size(), preview.size());
        const int bits = DeclaredBits(Bytes(target));
        // A GIF's table holds the colours the picture has, at most 8 bits of them.
        if (c.format == kKrGif)
            EXPECT_LE(bits, 8);
        else
            EXPECT_EQ(bits, c.bits);
        if (c.format != kKrJpg) {
            EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
                      preview.convertToFormat(QImage::Format_RGB32));
        }
    }
}

TEST_F(KrForm, SaveFailuresAreReported) {
    Start(1, 20, 1, 200);
    Make();
    const QString folder = qEnvironmentVariable("GRAVIK_HOME") + "/missing/";
    QDir().mkpath(folder);
    Browse(folder + "a.bmp");
    ASSERT_EQ(form->TargetFile(), folder + "a.bmp");
    QDir().rmdir(folder); // the target's folder is gone by the time of saving
    Save();
    ASSERT_EQ(msgs.texts().size(), 1);
    EXPECT_EQ(msgs.texts()[0], KrText(krBmpSaveError));
    Child<QComboBox>("p_cb0GFmt")->setCurrentIndex(kKrPng);
    Save();
    ASSERT_EQ(msgs.texts().size(), 2);
    EXPECT_EQ(msgs.texts()[1], KrText(krUnknownSaveError));
}

TEST_F(KrForm, LastRestoresThePreviousJobAfterARestart) {
    Start(5, 40, 51, 300);
    Child<QPushButton>("p_bnLast")->click();
    ASSERT_EQ(msgs.texts().size(), 1);
    EXPECT_EQ(msgs.texts()[0], QStringLiteral("Файл с предыдущим заданием не найден."));
    msgs.clear();

    KrEnterText(Box("p_ed0Trc1"), "11");
    KrEnterText(Box("p_ed0Trc2"), "30");
    KrEnterText(Box("p_ed0Time1"), "200");
    KrEnterText(Box("p_ed0Time2"), "900");
    Child<QComboBox>("p_cb0Bits")->setCurrentIndex(3);
    KrEnterText(Box("p_ed1Cap1"), "Профиль 7");
    KrEnterText(Box("p_ed1Cap2"), "ПВ 1-2");
    KrEnterText(Box("p_ed1CapS"), "Рис. 3");
    Child<QCheckBox>("p_cbn1Off")->setChecked(true);
    Child<QSpinBox>("p_sed1Off")->setValue(3);
    Child<QComboBox>("p_cb1Scale")->setCurrentIndex(1);
    Make();
    ASSERT_TRUE(form->Session().Made());
    form->close();
    form.reset();
    ASSERT_TRUE(QFileInfo::exists(KV_GetImagerJobFile()));

    Start(1, 2, 1, 2);
    Child<QPushButton>("p_bnLast")->click();
    EXPECT_TRUE(msgs.texts().isEmpty());
    EXPECT_EQ(Box("p_ed0Trc1")->text(), "11");
    EXPECT_EQ(Box("p_ed0Trc2")->text(), "30");
    EXPECT_EQ(Box("p_ed0Time1")->text(), "200");
    EXPECT_EQ(Box("p_ed0Time2")->text(), "900");
    EXPECT_EQ(Child<QComboBox>("p_cb0Bits")->currentIndex(), 3);
    EXPECT_EQ(Box("p_ed1Cap1")->text(), "Профиль 7");
    EXPECT_EQ(Box("p_ed1Cap2")->text(), "ПВ 1-2");
    EXPECT_EQ(Box("p_ed1CapS")->text(), "Рис. 3");
    EXPECT_TRUE(Child<QCheckBox>("p_cbn1Off")->isChecked());
    EXPECT_EQ(Child<QSpinBox>("p_sed1Off")->value(), 3);
    EXPECT_EQ(Child<QComboBox>("p_cb1Scale")->currentIndex(), 1);

    // A job file that does not describe a region is refused.
    form.reset();
    QFile job(KV_GetImagerJobFile());
    ASSERT_TRUE(job.open(QIODevice::WriteOnly | QIODevice::Truncate));
    job.write("[PARAMS]\nDomain=1,1,1,500\n");
    job.close();
    Start();
    Child<QPushButton>("p_bnLast")->click();
    ASSERT_EQ(msgs.texts().size(), 1);
    EXPECT_EQ(msgs.texts()[0], QStringLiteral("Предыдущее задание недействительно."));
}

TEST_F(KrForm, AJobThatCannotBeWrittenOnClosingIsReported) {
    Start(1, 20, 1, 200);
    Make();
    QDir().mkpath(KV_GetImagerJobFile()); // a folder in the job file's place
    form->close();
    ASSERT_EQ(msgs.texts().size(), 1);
    EXPECT_EQ(msgs.texts()[0],
              QStringLiteral("Ошибка сохранения данных (возможно, из-за прав доступа)."));
}

TEST_F(KrForm, TheSampleBoxShowsTheFontUnderTheMouse) {
    Start();
    auto* sample = Child<QLabel>("p_lab1Sample");
    const auto hover = [&](const char* link) {
        QWidget* w = Child<QToolButton>(link);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(w, &enter);
    };
    hover("p_lnk1FontAxis");
    EXPECT_EQ(sample->text(), "1234");
    EXPECT_EQ(sample->font().family(), form->Session().Job().GetFont(0).ToQFont().family());
    hover("p_lnk1FontCap1");
    EXPECT_EQ(sample->text(), "Aa");
    EXPECT_EQ(sample->font().pointSize(), 14);
    Box("p_ed1Cap2")->setText("Профиль");
    hover("p_lnk1FontCap2");
    EXPECT_EQ(sample->text(), "Проф");
    EXPECT_EQ(sample->font().pointSize(), 12);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Child<QToolButton>("p_lnk1FontCap2"), &leave);
    EXPECT_TRUE(sample->text().isEmpty());

    // A font chosen in the dialog becomes the job's and discards the picture.
    Box("p_ed1Cap1")->setText("Профиль 1");
    Make();
    ASSERT_TRUE(form->Session().Made());
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QFont f(QStringLiteral("DejaVu Serif"), 20);
        f.setItalic(true);
        dialog->setCurrentFont(f);
        dialog->accept();
    });
    Child<QToolButton>("p_lnk1FontCap2")->click();
    const TFontInfo chosen = form->Session().Job().GetFont(2);
    EXPECT_EQ(chosen.name, "DejaVu Serif");
    EXPECT_EQ(chosen.size, 20);
    EXPECT_TRUE(chosen.italic);
    EXPECT_FALSE(form->Session().Made());
}

TEST_F(KrForm, ScreenshotsOfBothPagesAndASavedExport) {
    TCViewerParams params;
    params.signal.gain[0] = 3.0f;
    params.viewOpts.tScale = 9;
    params.viewOpts.sScale = 1;
    params.viewOpts.traceLabelStep = 4;
    params.signal.filtOn = true;
    params.signal.lowFreq = 5;
    params.signal.highFreq = 60;
    KrWriteViewerParams(params);
    Start(1, 96, 1, 600);
    KrEnterText(Box("p_ed1Cap1"), "Профиль 12, ПВ 1");
    KrEnterText(Box("p_ed1Cap2"), "Сейсмограмма ОПВ");
    KrEnterText(Box("p_ed1CapS"), "Рис. 4");
    Child<QCheckBox>("p_cbn1Off")->setChecked(true);
    Child<QComboBox>("p_cb1Scale")->setCurrentIndex(0);
    Child<QComboBox>("p_cb0Bits")->setCurrentIndex(4);
    Child<QComboBox>("p_cb0GFmt")->setCurrentIndex(kKrPng);
    Make();
    const QString target = qEnvironmentVariable("GRAVIK_HOME") + "/export.png";
    Browse(target);
    Save();
    ASSERT_TRUE(QFileInfo::exists(target));
    SaveScreenshot(form.get(), QStringLiteral("rastexport_record_made"));
    Child<QTabWidget>("p_pcMain")->setCurrentIndex(1);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(Child<QToolButton>("p_lnk1FontCap1"), &enter);
    SaveScreenshot(form.get(), QStringLiteral("rastexport_design_page"));
    const QString shots = qEnvironmentVariable("GRAVIK_SCREENSHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        const QString copy = shots + "/rastexport_export.png";
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(target, copy));
    }
}

} // namespace
