#include "apptools/appfolders.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(AppFolders, DataFilesLiveUnderGravikHomeAndFoldersAreCreated) {
    const QString home = qEnvironmentVariable("GRAVIK_HOME");
    ASSERT_FALSE(home.isEmpty()) << "tests run with a fresh GRAVIK_HOME";
    const QString editor = home + "/editor/";
    const QString viewer = home + "/viewer/";
    const QString files[] = {
        KE_GetFileName('P'),   KE_GetFileName('E'),       KE_GetFileName('m'),
        KE_GetFileName('T'),   KV_GetSetArrayFile(),      KV_GetImgrParamsFile(),
        KV_GetImagerJobFile(), KV_GetImagerPreviewFile(), KV_GetTextHeaderFile()};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(files[i].startsWith(editor)) << files[i].toStdString();
    for (int i = 4; i < 9; ++i)
        EXPECT_TRUE(files[i].startsWith(viewer)) << files[i].toStdString();
    for (const QString& f : files)
        EXPECT_TRUE(QFileInfo(f).dir().exists()) << f.toStdString();
    EXPECT_EQ(KT_GetAppDataCtrlDir(), home + "/viewer");
    EXPECT_TRUE(KE_GetFileName('X').isEmpty());
}

TEST(AppFolders, ApplicationFolderIsTheProgramsAndCanBeSet) {
    // Test programs are built into the tests folder beside bin.
    EXPECT_EQ(KT_GetAppDir(), QDir(GRAVIK_BIN_DIR "/../tests").absolutePath());
    KT_SetAppDir("/opt/gravik/bin/");
    EXPECT_EQ(KT_GetAppDir(), "/opt/gravik/bin");
    EXPECT_EQ(KE_GetProcPath(), "/opt/gravik/bin/procedures/");
    EXPECT_EQ(KV_GetImagerExeName(), "/opt/gravik/bin/rastexport");
}

TEST(AppFolders, HomeIsReadOnEveryCallAndMissingFoldersAreMade) {
    const QByteArray saved = qgetenv("GRAVIK_HOME");
    const QString root = QString::fromLocal8Bit(saved) + "/moved";

    // A home that does not exist yet is made with the folder asked for.
    qputenv("GRAVIK_HOME", (root + "/a/b/").toLocal8Bit());
    EXPECT_EQ(KE_GetFileName('P'), root + "/a/b/editor/ked_supervisor.dat");
    EXPECT_TRUE(QDir(root + "/a/b/editor").exists());
    EXPECT_EQ(KV_GetSetArrayFile(), root + "/a/b/viewer/kv_sets.bin");
    EXPECT_TRUE(QDir(root + "/a/b/viewer").exists());

    // Without GRAVIK_HOME the files live in the desktop's data folder, under Gravik.
    qunsetenv("GRAVIK_HOME");
    const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (root + "/xdg").toLocal8Bit());
    EXPECT_EQ(KT_GetAppDataCtrlDir(), root + "/xdg/Gravik/viewer");
    EXPECT_TRUE(QDir(root + "/xdg/Gravik/viewer").exists());
    EXPECT_EQ(KE_GetFileName('E'), root + "/xdg/Gravik/editor/ked_errors.lst");

    if (savedXdg.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedXdg);
    qputenv("GRAVIK_HOME", saved);
}
