// The open options dialog through its real widgets, offscreen.

#include "traceview/kvstrings.h"
#include "traceview/topenoptsdlg.h"
#include "uikit/screenshot.h"
#include "uikit/uimsgbox.h"
#include "viewcore/tappsettings.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

QString Home() {
    return qEnvironmentVariable("GRAVIK_HOME");
}

QString MakeDir(const QString& name) {
    const QString path = Home() + "/" + name;
    QDir().mkpath(path);
    return path;
}

// A click on the box or circle of a check box or radio button (its middle may lie beyond the
// caption, where a click does nothing).
void Tick(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

QStringList Items(const QComboBox* cb) {
    QStringList items;
    for (int i = 0; i < cb->count(); ++i)
        items << cb->itemText(i);
    return items;
}

class OpenOpts : public ::testing::Test {
protected:
    // Settings with two SEG-Y folders (the first selected), one settings folder and every flag.
    void SetUp() override {
        sgyA = MakeDir("sgyA");
        sgyB = MakeDir("sgyB");
        setDir = MakeDir("sets");
        settings.CopyFrom({sgyA, sgyB}, 0);
        settings.CopyFrom({setDir}, 1);
        settings.sgyIndex = 0;
        settings.setIndex = 0;
        settings.SetFlags(true, true, true, false, true);
    }

    TOpenOptsDlg& Dialog(bool lastSetValid = true) {
        dlg = std::make_unique<TOpenOptsDlg>(settings, lastSetValid);
        dlg->SetFolderChooser([this](const QString& title, const QString& start) {
            asked << title + "|" + start;
            return chooseNext;
        });
        dlg->show();
        return *dlg;
    }
    template <class T> T* Find(const char* name) const {
        T* w = dlg->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    MsgRecorder rec;
    TAppSettings settings;
    QString sgyA, sgyB, setDir;
    QString chooseNext;
    QStringList asked;
    std::unique_ptr<TOpenOptsDlg> dlg;
};

} // namespace

TEST_F(OpenOpts, FillsTheListsAndSettlesTheDependentOptions) {
    Dialog();
    EXPECT_EQ(dlg->windowTitle(), "Опции открытия файла");
    EXPECT_EQ(Items(Find<QComboBox>("p_cbSgy")), QStringList({sgyA, sgyB}));
    EXPECT_EQ(Find<QComboBox>("p_cbSgy")->toolTip(), sgyA);
    EXPECT_EQ(Find<QComboBox>("p_cbRast")->count(), 0);
    EXPECT_TRUE(Find<QCheckBox>("p_cbnSgy")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("p_cbnFHdr")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("p_cbnTHdr")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("p_cbnBM")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("p_rbnLast")->isChecked());
    SaveScreenshot(dlg.get(), "openopts");

    // Without folders and without a valid last set the options that need them are off.
    const struct {
        const char* what;
        int list;
        const char* box;
    } cases[] = {{"no SEG-Y folder", 0, "p_cbnSgy"}, {"no settings folder", 1, "p_cbnBM"}};
    for (const auto& c : cases) {
        TAppSettings keep = settings;
        settings.CopyFrom({}, c.list);
        Dialog();
        EXPECT_FALSE(Find<QCheckBox>(c.box)->isEnabled()) << c.what;
        EXPECT_FALSE(Find<QCheckBox>(c.box)->isChecked()) << c.what;
        settings = keep;
    }
    Dialog(false);
    EXPECT_FALSE(Find<QRadioButton>("p_rbnLast")->isEnabled());
    EXPECT_FALSE(Find<QRadioButton>("p_rbnLast")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("p_rbnDef")->isChecked());
    // So bookmarks are not kept, nor the last set applied, after OK.
    settings.CopyFrom({}, 1);
    Dialog(false);
    QTest::mouseClick(Find<QPushButton>("p_bnOK"), Qt::LeftButton);
    EXPECT_FALSE(settings.SaveBookMarks());
    EXPECT_FALSE(settings.UseLastSet());
}

TEST_F(OpenOpts, BrowsingRefusesARootAndAddsAFolderAtTheTop) {
    Dialog();
    // The browser starts at the list's folder, or at the root for an empty list.
    chooseNext = QDir::rootPath();
    QTest::mouseClick(Find<QToolButton>("p_bnSgy"), Qt::LeftButton);
    QTest::mouseClick(Find<QToolButton>("p_bnRast"), Qt::LeftButton);
    EXPECT_EQ(asked, QStringList({"Определите папку для файлов SEG-Y|" + sgyA,
                                  "Определите папку для графических файлов.|" + QDir::rootPath()}));
    EXPECT_EQ(rec.texts(), QStringList({"Корневую папку нельзя использовать.",
                                        "Корневую папку нельзя использовать."}));
    EXPECT_EQ(rec.kinds().value(0), MsgKind::Warning);
    EXPECT_EQ(Items(Find<QComboBox>("p_cbSgy")), QStringList({sgyA, sgyB}));
    EXPECT_EQ(Find<QComboBox>("p_cbRast")->count(), 0);

    rec.clear();
    const QString pics = MakeDir("pics");
    chooseNext = pics;
    QTest::mouseClick(Find<QToolButton>("p_bnRast"), Qt::LeftButton);
    EXPECT_TRUE(rec.texts().isEmpty());
    EXPECT_EQ(Items(Find<QComboBox>("p_cbRast")), QStringList({pics}));
    EXPECT_EQ(Find<QComboBox>("p_cbRast")->toolTip(), pics);
    // A folder already listed moves to the top instead of being added twice.
    chooseNext = sgyB;
    QTest::mouseClick(Find<QToolButton>("p_bnSgy"), Qt::LeftButton);
    EXPECT_EQ(Items(Find<QComboBox>("p_cbSgy")), QStringList({sgyB, sgyA}));
    EXPECT_EQ(Find<QComboBox>("p_cbSgy")->currentText(), sgyB);
}

TEST_F(OpenOpts, AFolderDeletedOnDiskLeavesTheList) {
    // Picked from the SEG-Y list, and chosen in the browser after another program removed it.
    const struct {
        const char* what;
        bool browse;
    } cases[] = {{"picked", false}, {"browsed", true}};
    for (const auto& c : cases) {
        rec.clear();
        MakeDir("sgyB");
        Dialog();
        QDir(sgyB).removeRecursively();
        if (c.browse) {
            chooseNext = sgyB;
            QTest::mouseClick(Find<QToolButton>("p_bnSgy"), Qt::LeftButton);
        } else {
            QTest::keyClick(Find<QComboBox>("p_cbSgy"), Qt::Key_Down);
        }
        EXPECT_EQ(rec.texts(),
                  QStringList({"Выбранная папка не существует и удаляется из списка."}))
            << c.what;
        EXPECT_EQ(Items(Find<QComboBox>("p_cbSgy")), QStringList({sgyA})) << c.what;
        EXPECT_EQ(Find<QComboBox>("p_cbSgy")->currentIndex(), 0) << c.what;
        EXPECT_TRUE(Find<QCheckBox>("p_cbnSgy")->isEnabled()) << c.what;
    }
    // The last folder gone: nothing is selected and the option that needs it is cleared.
    settings.CopyFrom({sgyB}, 0);
    Dialog();
    rec.clear();
    chooseNext = sgyB;
    QTest::mouseClick(Find<QToolButton>("p_bnSgy"), Qt::LeftButton);
    EXPECT_EQ(rec.texts().size(), 1);
    EXPECT_EQ(Find<QComboBox>("p_cbSgy")->count(), 0);
    EXPECT_FALSE(Find<QCheckBox>("p_cbnSgy")->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>("p_cbnSgy")->isChecked());
}

TEST_F(OpenOpts, CancelChangesNothingAndOkRoundTripsThroughTheFile) {
    QFile::remove(TAppSettings::FilePath());
    const QString before = settings.GetAsString();
    Dialog();
    chooseNext = MakeDir("pics");
    QTest::mouseClick(Find<QToolButton>("p_bnRast"), Qt::LeftButton);
    Tick(Find<QCheckBox>("p_cbnTHdr"));
    Tick(Find<QCheckBox>("p_cbnWin"));
    QTest::mouseClick(Find<QPushButton>("p_bnCancel"), Qt::LeftButton);
    EXPECT_EQ(settings.GetAsString(), before);
    EXPECT_EQ(settings.rastDirs.Count(), 0);
    EXPECT_FALSE(settings.newWindow);
    EXPECT_FALSE(QFile::exists(TAppSettings::FilePath()));

    Dialog();
    QTest::mouseClick(Find<QToolButton>("p_bnRast"), Qt::LeftButton);
    QTest::keyClick(Find<QComboBox>("p_cbSgy"), Qt::Key_Down); // sgyB to the top
    Tick(Find<QCheckBox>("p_cbnTHdr"));
    Tick(Find<QCheckBox>("p_cbnFHdr"));
    Tick(Find<QCheckBox>("p_cbnWin"));
    Tick(Find<QRadioButton>("p_rbnDef"));
    // A click leaves the focus on the invisible panel, not on the control.
    EXPECT_EQ(dlg->focusWidget(), Find<QWidget>("p_panFoc"));
    QTest::mouseClick(Find<QPushButton>("p_bnOK"), Qt::LeftButton);
    EXPECT_TRUE(rec.texts().isEmpty());
    EXPECT_TRUE(settings.newWindow);

    TAppSettings loaded;
    loaded.Load();
    QStringList dirs;
    loaded.CopyTo(dirs, 0);
    EXPECT_EQ(dirs, QStringList({sgyB, sgyA}));
    loaded.CopyTo(dirs, 2);
    EXPECT_EQ(dirs, QStringList({chooseNext}));
    EXPECT_EQ(loaded.sgyIndex, 0);
    EXPECT_EQ(loaded.rastIndex, 0);
    EXPECT_TRUE(loaded.UseSgyDir());
    EXPECT_FALSE(loaded.UseLastSet());
    EXPECT_FALSE(loaded.IgnoreFHdr());
    EXPECT_TRUE(loaded.IgnoreTHdr());
    EXPECT_TRUE(loaded.SaveBookMarks());
}

TEST_F(OpenOpts, AFailedSaveIsReportedAndKeepsTheChoice) {
    // A folder where the settings file should be: it cannot be written.
    QFile::remove(TAppSettings::FilePath());
    QDir().mkpath(TAppSettings::FilePath());
    QWidget window;
    dlg = std::make_unique<TOpenOptsDlg>(settings, true, &window);
    dlg->show();
    Tick(Find<QCheckBox>("p_cbnTHdr"));
    QTest::mouseClick(Find<QPushButton>("p_bnOK"), Qt::LeftButton);
    EXPECT_EQ(rec.texts(), QStringList({KV_Text(kvs::SaveError)}));
    EXPECT_EQ(rec.kinds().value(0), MsgKind::Error);
    EXPECT_TRUE(settings.IgnoreTHdr());
    dlg.reset(); // before its parent
    QDir(TAppSettings::FilePath()).removeRecursively();
}
