// The procedure catalogue: the naming rule, the scan of the description folder, and adding a
// procedure from outside.

#include "apptools/appfolders.h"
#include "core/tudescription.h"
#include "core/tuproclist.h"
#include "recordinganswerer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "qtprint.h"

#include <gtest/gtest.h>

namespace {

void touch(const QString& path, const QByteArray& content = "x") {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.isValid());
        KT_SetAppDir(app.path());
        QDir().mkpath(KE_GetProcPath());
    }
    QTemporaryDir app;
};

} // namespace

TEST(CatalogueNames, NamingRule) {
    struct Case {
        const char* file;
        bool accepted;
        const char* code;
        const char* title;
        int flags;
    };
    const Case cases[] = {
        {"TVA3_001.dsc", true, "TVA3", "", 1},
        {"tva3_001Filter.dsc", true, "TVA3", "Filter", 1},
        {"QOS5_027Merge.dsc", true, "QOS5", "Merge", 27},
        {"TVA3_027.dsc", true, "TVA3", "", 27},
        {"ZAR9_005Sort gathers.dsc", true, "ZAR9", "Sort gathers", 5},
        {"TVA3_000.dsc", true, "TVA3", "", 0},
        {"TVA3_002.dsc", false, "", "", 0},
        {"TVA3_006.dsc", false, "", "", 0},
        {"TVA3_12X.dsc", false, "", "", 0},
        {"TVA3_01.dsc", false, "", "", 0},
        {"TVA3001.dsc", false, "", "", 0},
        {"_001.dsc", false, "", "", 0},
    };
    for (const Case& c : cases) {
        TUProcRec rec;
        EXPECT_EQ(TUProcList::ParseName(QString::fromUtf8(c.file), rec), c.accepted) << c.file;
        if (!c.accepted)
            continue;
        EXPECT_EQ(rec.code, QString::fromUtf8(c.code)) << c.file;
        EXPECT_EQ(rec.title, QString::fromUtf8(c.title)) << c.file;
        EXPECT_EQ(rec.flags, c.flags) << c.file;
    }
}

TEST_F(CatalogueTest, ScanKeepsAcceptedFilesAndCanonicalPaths) {
    for (const char* name :
         {"tva3_001Filter.dsc", "QOS5_027Merge.dsc", "TVA3_006.dsc", "LUM6_12X.dsc", "readme.txt"})
        touch(KE_GetProcPath() + QString::fromUtf8(name));
    TUProcList list;
    ASSERT_EQ(list.Load(), 2);
    EXPECT_EQ(list.At(0).code, "QOS5");
    EXPECT_EQ(list.At(1).code, "TVA3");
    EXPECT_EQ(list.Find("tva3"), 1);
    EXPECT_EQ(list.Find("FEK4"), -1);
    // The path is rebuilt from the record; a file spelled with a lower-case code is still found.
    EXPECT_EQ(list.At(0).DescriptionPath(), KE_GetProcPath() + "QOS5_027Merge.dsc");
    EXPECT_EQ(list.At(1).DescriptionPath(), KE_GetProcPath() + "tva3_001Filter.dsc");
    TUProcRec missing{"FEK4", "", 1};
    EXPECT_EQ(missing.DescriptionPath(), KE_GetProcPath() + "FEK4_001.dsc");
}

TEST_F(CatalogueTest, EmptyScanKeepsPreviousEntries) {
    touch(KE_GetProcPath() + "TVA3_001.dsc");
    TUProcList list;
    ASSERT_EQ(list.Load(), 1);
    QFile::remove(KE_GetProcPath() + "TVA3_001.dsc");
    EXPECT_EQ(list.Load(), 0);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.At(0).code, "TVA3");
}

TEST_F(CatalogueTest, ValidateRefusesSystemFolderAndUnfitNames) {
    QTemporaryDir outside;
    struct Case {
        QString path;
        int error;
    };
    const QString procDir = KE_GetProcPath();
    const Case cases[] = {
        {procDir + "TVA3_001.dsc", 28},         {procDir.toUpper() + "TVA3_001.dsc", 28},
        {procDir + "sub/../TVA3_001.dsc", 28},  {outside.path() + "/TVA3_001_x.dsc", 29},
        {outside.path() + "/TVA_001.dsc", 29},  {outside.path() + "/TVA345_001.dsc", 29},
        {outside.path() + "/TVA3_002.dsc", 29}, {outside.path() + "/TVA3_9.dsc", 29},
        {outside.path() + "/TVA3.dsc", 29},     {outside.path() + "/tva3_001Mute.dsc", 0},
        {outside.path() + "/QOS5A_027.dsc", 0},
    };
    for (const Case& c : cases) {
        TUProcRec rec;
        EXPECT_EQ(TUProcList::Validate(c.path, rec), c.error) << c.path.toStdString();
    }
    TUProcRec rec;
    ASSERT_EQ(TUProcList::Validate(outside.path() + "/tva3_001Mute.dsc", rec), 0);
    EXPECT_EQ(rec.code, "TVA3");
    EXPECT_EQ(rec.title, "Mute");
}

TEST_F(CatalogueTest, InstallCopiesDescriptionAndPluginAndAsksBeforeOverwriting) {
    QTemporaryDir outside;
    const QString dsc = outside.path() + "/ABC1_001New.dsc";
    touch(dsc, "first");
    TUProcRec rec;
    ASSERT_EQ(TUProcList::Validate(dsc, rec), 0);
    RecordingAnswerer answerer;
    EXPECT_EQ(TUProcList::Install(dsc, rec, answerer), 33);

    touch(outside.path() + "/abc1.so", "lib");
    EXPECT_EQ(TUProcList::Install(dsc, rec, answerer), 0);
    EXPECT_TRUE(answerer.ids.isEmpty());
    EXPECT_TRUE(QFile::exists(KT_GetAppDir() + "/ProcLib/abc1.so"));
    TUProcList list;
    ASSERT_EQ(list.Load(), 1);
    EXPECT_EQ(list.At(0).title, "New");

    // An existing procedure is replaced only after "yes" to message 36.
    touch(dsc, "second");
    answerer.answer = false;
    EXPECT_EQ(TUProcList::Install(dsc, rec, answerer), -1);
    EXPECT_EQ(answerer.ids, QList<int>{36});
    QFile kept(KE_GetProcPath() + "ABC1_001New.dsc");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "first");
    kept.close();
    answerer.answer = true;
    EXPECT_EQ(TUProcList::Install(dsc, rec, answerer), 0);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "second");
}

TEST_F(CatalogueTest, InstallReportsCopyFailure) {
    QTemporaryDir outside;
    const QString dsc = outside.path() + "/ABC1_001.dsc";
    touch(dsc);
    touch(outside.path() + "/abc1.so");
    // A folder where the plug-in should go makes its copy fail.
    QDir().mkpath(KT_GetAppDir() + "/ProcLib/abc1.so");
    TUProcRec rec;
    ASSERT_EQ(TUProcList::Validate(dsc, rec), 0);
    RecordingAnswerer answerer;
    EXPECT_EQ(TUProcList::Install(dsc, rec, answerer), 35);
}

TEST_F(CatalogueTest, AFailedOverwriteKeepsTheInstalledProcedure) {
    QTemporaryDir outside;
    const QString dsc = outside.path() + "/ABC1_001.dsc";
    touch(dsc, "new");
    touch(outside.path() + "/abc1.so", "new");
    const QString installed = KT_GetAppDir() + "/ProcLib/abc1.so";
    // Something in the way of the copy's first step: the new plug-in cannot be written.
    QDir().mkpath(installed + ".part/x");
    touch(installed, "old");
    TUProcRec rec;
    ASSERT_EQ(TUProcList::Validate(dsc, rec), 0);
    RecordingAnswerer answerer;
    EXPECT_EQ(TUProcList::Install(dsc, rec, answerer), 35);
    QFile kept(installed);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
}

TEST(Description, PlainTextOfEveryKind) {
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* text;
    };
    const Case cases[] = {
        {"UTF-8", QString::fromUtf8("Обнуление\nзон").toUtf8(), "Обнуление\nзон"},
        {"Windows-1251", QByteArray("\xce\xe1\xed\xf3\xeb\xe5\xed\xe8\xe5"), "Обнуление"},
        {"rich text",
         "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
         "{\\colortbl ;\\red255\\green0\\blue0;}{\\*\\generator Msftedit;}"
         "\\pard\\f0\\fs20 \\'ce\\'e1\\'ed\\'f3\\'eb\\'e5\\'ed\\'e8\\'e5 {\\b "
         "\\'e7\\'ee\\'ed}\\par\n"
         "N:A-B\\tab \\{x\\}\\\\\\par\n\\u1046?\\uc2\\u1046\\'3f\\'3f!}",
         "Обнуление зон\nN:A-B\t{x}\\\nЖЖ!"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TUDescription::PlainText(c.bytes), QString::fromUtf8(c.text)) << c.what;
}
