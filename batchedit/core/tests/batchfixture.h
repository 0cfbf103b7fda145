#pragma once
// The set-up the scheduler tests share: an application folder whose procrunner the workers are
// started from, input and output folders, an open channel and a scheduler over them, and an
// event loop to run until the batch run reaches a state.

#include "apptools/appfolders.h"
#include "core/tcconcurrency.h"
#include "core/tubatchrun.h"
#include "core/tufilelist.h"
#include "corebase/process.h"
#include "msgchannel/tcmsgserver.h"
#include "recordinganswerer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include "qtprint.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class BatchFixture : public ::testing::Test {
protected:
    explicit BatchFixture(const QString& appDir) : m_appDir(appDir) {}

    void SetUp() override {
        static int argc = 1;
        static char name[] = "batch_test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication* app = new QCoreApplication(argc, argv);
        (void)app;
        KT_SetAppDir(m_appDir);
        in = dir.path() + "/in";
        out = dir.path() + "/out";
        QDir().mkpath(in);
        QDir().mkpath(out);
        ASSERT_TRUE(channel.Open());
        run = std::make_unique<TUBatchRun>(files, concurrency, channel, answerer);
        QObject::connect(run.get(), &TUBatchRun::finished, [this] { ended = true; });
    }

    // Runs the event loop until `done` holds; false when it did not within two minutes.
    static bool runUntil(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 120000)
                return false;
            QEventLoop loop;
            QTimer::singleShot(20, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return true;
    }

    bool startAndFinish(const TUBatchRun::Request& r) {
        ended = false;
        return run->Start(r) == 0 && runUntil([this] { return ended; });
    }

    QTemporaryDir dir;
    QString in;
    QString out;
    TUFileList files;
    TCConcurrency concurrency{CP_ProcessorCount()};
    TCMsgServer channel;
    RecordingAnswerer answerer;
    std::unique_ptr<TUBatchRun> run;
    bool ended = false;

private:
    QString m_appDir;
};
