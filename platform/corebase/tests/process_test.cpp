#include "corebase/process.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

TEST(Process, SplitCommandLine) {
    EXPECT_EQ(CP_SplitCommandLine("\"/a b/procrunner\" tva3 0 \"/in/x y.sgy\" \"\""),
              (QStringList{"/a b/procrunner", "tva3", "0", "/in/x y.sgy", ""}));
    EXPECT_EQ(CP_SplitCommandLine("  a   b "), (QStringList{"a", "b"}));
    EXPECT_TRUE(CP_SplitCommandLine("").isEmpty());
}

namespace {

int waitExit(CP_ProcInfo& info) {
    int code = -1;
    for (int i = 0; i < 500 && !CP_HasExited(info, &code); ++i)
        QThread::msleep(10);
    return code;
}

} // namespace

TEST(Process, StartKillReap) {
    CP_ProcInfo info;
    EXPECT_FALSE(CP_CreateProc("\"/nonexistent/program\" x", info));
    EXPECT_EQ(info.pid, 0);

    ASSERT_TRUE(CP_CreateProc("/bin/sh -c \"exit 3\"", info));
    EXPECT_EQ(waitExit(info), 3);
    EXPECT_EQ(info.pid, 0);

    ASSERT_TRUE(CP_CreateProc("/bin/sleep 30", info));
    EXPECT_FALSE(CP_HasExited(info));
    EXPECT_TRUE(CP_Terminate(info));
    EXPECT_EQ(waitExit(info), 128 + 9);
    EXPECT_GE(CP_ProcessorCount(), 1);
}

TEST(Process, BoundAndGroupedBeforeItsProgramRuns) {
    // The program reads its processor list as its very first act: it must already be one
    // processor, not the whole machine.
    QTemporaryDir dir;
    const QString list = dir.path() + "/cpus";
    const int last = CP_ProcessorCount() - 1;
    CP_ProcInfo info;
    ASSERT_TRUE(CP_CreateProc(
        "/bin/sh -c \"grep Cpus_allowed_list: /proc/self/status > '" + list + "'\"", info, last));
    EXPECT_EQ(waitExit(info), 0);
    QFile f(list);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray cpus = f.readAll().mid(18).trimmed();
    EXPECT_FALSE(cpus.isEmpty());
    EXPECT_FALSE(cpus.contains('-') || cpus.contains(',')) << cpus.constData();

    // It leads a process group of its own: field 5 of its stat is its group.
    ASSERT_TRUE(
        CP_CreateProc("/bin/sh -c \"cut -d' ' -f5 /proc/self/stat > '" + list + "'\"", info));
    const qint64 pid = info.pid;
    EXPECT_EQ(waitExit(info), 0);
    f.close();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().trimmed().toLongLong(), pid);

    EXPECT_FALSE(CP_CreateProc("/bin/true", info, last + 1));
    EXPECT_FALSE(CP_CreateProc("\"/nonexistent/program\"", info, 0));
    EXPECT_EQ(info.pid, 0);
}
