#include "apptools/appfolders.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(AppFolders, DataFilesLiveUnderGravikHomeAndFoldersAreCreated) {
    const QString home = qEnvironmentVariable("GRAVIK_HOME");
    ASSERT_FALSE(home.isEmpty()) << "tests run with a fresh GRAVIK_HOME";
    const QString editor = home + "/editor/";
    const QString viewer = home + "/viewer/";
    const QString files[] = {KE_GetFileName('P'),   KE_GetFileName('E'),  KE_GetFileName('m'),
                             KE_GetFileName('T'),   KV_GetSetArrayFile(), KV_GetImgrParamsFile(),
                             KV_GetImagerJobFile(), KV_GetImagerPreviewFile(),
                             KV_GetTextHeaderFile()};
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
