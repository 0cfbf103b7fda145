// procrunner's endings: every one short of a kill posts exactly one final status, and the
// endings with no one to tell exit with their own status and a message on stderr. The worker
// runs from a private application folder holding test plug-ins.

#include "procbase/resultcodes.h"
#include "procrunner/testkit/tcworkerharness.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

QString AppDir() {
    static const QString dir = [] {
        const QString d = qEnvironmentVariable("GRAVIK_HOME") + "/app";
        QDir().mkpath(d + "/ProcLib");
        QFile::copy(GRAVIK_BIN_DIR "/procrunner", d + "/procrunner");
        for (const char* p : {"tthr", "tnoe", "tdup"})
            QFile::copy(QString(TEST_PLUGIN_DIR "/") + p + ".so", d + "/ProcLib/" + p + ".so");
        return d;
    }();
    return dir;
}

} // namespace

TEST(Procrunner, EveryEndingPostsOneFinalStatus) {
    TCWorkerHarness owner;
    owner.SetWorker(AppDir() + "/procrunner");
    const struct {
        const char* what;
        const char* code;
        bool job;
        int result;
    } cases[] = {
        {"plug-in missing", "nope", true, prc::kPluginMissing},
        {"code not a procedure code", "../x", true, prc::kPluginMissing},
        {"execute entry missing", "tnoe", true, prc::kEntryMissing},
        {"exception out of the plug-in", "tthr", true, prc::kPluginCrashed},
        {"job text missing", "tthr", false, prc::kJobTextMissing},
        {"the plug-in's own final, repeated", "tdup", true, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.job)
            ASSERT_TRUE(owner.SetJob("1:1-5"));
        else
            owner.ClearJob();
        const TWorkerRun run = owner.Run(c.code, 4, "/in.sgy", "/out.sgy");
        EXPECT_EQ(c.result == 5 ? 0 : 1, run.exitCode);
        EXPECT_EQ(1, run.finals);
        EXPECT_EQ(c.result, run.result);
        EXPECT_FALSE(run.closedWithoutFinal);
    }
}

TEST(Procrunner, WithoutChannelOrArgumentsItExitsWithAMessage) {
    const struct {
        const char* what;
        QStringList args;
        int exitCode;
    } cases[] = {
        {"no owner", {"tva3", "0", "/in.sgy", "/out.sgy"}, 3},
        {"too few arguments", {"tva3", "0", "/in.sgy"}, 2},
        {"index not decimal", {"tva3", "x1", "/in.sgy", "/out.sgy"}, 2},
        {"index beyond 16 bits", {"tva3", "65536", "/in.sgy", "/out.sgy"}, 2},
    };
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("GRAVIK_SESSION", "no-owner-here");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(AppDir() + "/procrunner", c.args);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(c.exitCode, p.exitCode());
        EXPECT_TRUE(p.readAllStandardError().startsWith("procrunner: "));
    }
}
