// The batch run scheduler with real worker processes over the real channel. The workers are
// the stand-in of fakeworker.cpp, told by their input file what to do.

#include "batchfixture.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace {

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

class SchedulerTest : public BatchFixture {
protected:
    SchedulerTest() : BatchFixture(TEST_APP_DIR) {}

    // One input file per script line, named f0.sgy, f1.sgy, ...
    void makeInputs(const QStringList& scripts) {
        for (int i = 0; i < scripts.size(); ++i) {
            QFile f(in + QString("/f%1.sgy").arg(i));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(scripts[i].toUtf8() + "\n");
        }
        files.Load(in + "/*.sgy");
    }

    TUBatchRun::Request request(int workers, quint16 flags = 0, const QStringList& job = {}) {
        TUBatchRun::Request r;
        r.proc = TUProcRec{"TST1", "", flags};
        r.jobLines = job;
        r.inputFolder = in;
        r.outputFolder = out;
        r.suffix = "_o";
        r.workers = workers;
        return r;
    }
};

} // namespace

TEST_F(SchedulerTest, SixFilesTwoWorkersEachBoundToOneProcessor) {
    makeInputs({"slow 300", "slow 300", "slow 300", "slow 300", "slow 300", "slow 300"});
    int mostRunning = 0;
    QObject::connect(run.get(), &TUBatchRun::fileChanged,
                     [&](int) { mostRunning = std::max(mostRunning, files.Running()); });
    ASSERT_TRUE(startAndFinish(request(2)));
    EXPECT_EQ(run->GetMode(), TUBatchRun::smFinished);
    EXPECT_EQ(run->Successes(), 6);
    EXPECT_EQ(run->Failures(), 0);
    EXPECT_EQ(mostRunning, 2);
    EXPECT_TRUE(run->CountText().startsWith(
        QString::fromUtf8("Обработано файлов: успешно - 6,  с ошибкой - 0.  Время  ")));
    // What each worker saw as its processors from its first moment: exactly one, the same one
    // for every worker the scheduler bound to the same processor, another for another.
    QMap<int, QString> seen;
    for (int i = 0; i < files.Count(); ++i) {
        EXPECT_EQ(files.At(i).state, fsDone);
        EXPECT_EQ(files.At(i).result, 0);
        EXPECT_EQ(files.At(i).percent, 100);
        const QString cpus = readAll(files.OutputPath(i)).section('\n', 0, 0);
        EXPECT_TRUE(QRegularExpression("^cpus=[0-9]+$").match(cpus).hasMatch())
            << cpus.toStdString();
        EXPECT_EQ(seen.value(files.At(i).core, cpus), cpus) << i;
        seen.insert(files.At(i).core, cpus);
    }
    EXPECT_EQ(QSet<QString>(seen.begin(), seen.end()).size(), seen.size());
    // The least-loaded rule: the first two workers take the two lowest processors.
    if (concurrency.Size() >= 2) {
        EXPECT_EQ(files.At(0).core, 0);
        EXPECT_EQ(files.At(1).core, 1);
    }
    for (int p = 0; p < concurrency.Size(); ++p)
        EXPECT_EQ(concurrency.Load(p), 0);
}

// The workers are started from the event loop, one per turn, so the channel takes the first
// ones' connections while later ones start: Start itself starts none.
TEST_F(SchedulerTest, WorkersStartFromTheEventLoop) {
    makeInputs(QStringList(8, "ok"));
    ASSERT_EQ(run->Start(request(8)), 0);
    EXPECT_EQ(files.LastStarted(), -1);
    ASSERT_TRUE(runUntil([this] { return ended; }));
    EXPECT_EQ(run->Successes(), 8);

    // A stop before the first turn starts nothing and still ends the run.
    run->EnterPrepare();
    ended = false;
    ASSERT_EQ(run->Start(request(8)), 0);
    ASSERT_EQ(run->SoftStopAll(false), 0);
    ASSERT_TRUE(runUntil([this] { return ended; }));
    EXPECT_EQ(files.LastStarted(), -1);
    EXPECT_EQ(run->Successes() + run->Failures(), 0);
}

TEST_F(SchedulerTest, FailedFileAndDeletingFailedOutputs) {
    makeInputs({"ok", "fail 200", "ok"});
    ASSERT_TRUE(startAndFinish(request(2)));
    EXPECT_EQ(run->Successes(), 2);
    EXPECT_EQ(run->Failures(), 1);
    EXPECT_EQ(files.At(1).state, fsFailed);
    EXPECT_EQ(files.At(1).result, 200);
    answerer.answer = false;
    EXPECT_EQ(run->DeleteFailedOutputs(), -1);
    EXPECT_TRUE(QFile::exists(files.OutputPath(1)));
    answerer.answer = true;
    int deleted = -1;
    EXPECT_EQ(run->DeleteFailedOutputs(&deleted), 0);
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(QFile::exists(files.OutputPath(1)));
    EXPECT_TRUE(QFile::exists(files.OutputPath(0)));
    EXPECT_TRUE(QFile::exists(files.OutputPath(2)));
    EXPECT_EQ(answerer.ids, (QList<int>{39, 39, 40}));
    EXPECT_EQ(answerer.texts.last(), QString::fromUtf8("Из выходной папки удалено 1 файлов."));

    EXPECT_EQ(run->ClearOutputFolder(out), 0);
    EXPECT_TRUE(QDir(out).isEmpty());
    EXPECT_EQ(answerer.ids.mid(3), (QList<int>{44, 45}));

    // A new start needs preparation mode, which clears the results.
    EXPECT_EQ(run->Start(request(2)), -1);
    run->EnterPrepare();
    EXPECT_EQ(files.At(1).state, fsIdle);
    EXPECT_EQ(files.At(1).result, -1);
    EXPECT_TRUE(run->CountText().isEmpty());
}

namespace {

// Every file of a folder with its bytes.
QMap<QString, QByteArray> folderBytes(const QString& folder) {
    QMap<QString, QByteArray> bytes;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::System)) {
        QFile f(folder + "/" + name);
        bytes.insert(name, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
    }
    return bytes;
}

} // namespace

// An output that is another input of the list would replace that input before its own run
// reads it; such a start is refused before anything is written, naming the two inputs.
TEST_F(SchedulerTest, OutputsOverInputsAreRefused) {
    struct Case {
        const char* what;
        QStringList inputs;
        const char* prefix;
        const char* suffix;
        bool inInputFolder;
        quint16 flags;
        const char* link; // "name>target": a link in the output folder to an input
        const char* writer;
        const char* overwritten; // nullptr: the start goes ahead
    };
    const Case cases[] = {
        {"prefix", {"a.sgy", "p_a.sgy"}, "p_", "", true, 0, nullptr, "a.sgy", "p_a.sgy"},
        {"suffix", {"a.sgy", "a_o.sgy"}, "", "_o", true, 0, nullptr, "a.sgy", "a_o.sgy"},
        {"no clash", {"a.sgy", "b.sgy"}, "p_", "", true, 0, nullptr, nullptr, nullptr},
        {"several outputs",
         {"a.sgy", "p_a#3.sgy", "b.sgy"},
         "p_",
         "",
         true,
         pfOutList,
         nullptr,
         "a.sgy",
         "p_a#3.sgy"},
        {"several outputs, a stem with #",
         {"a#1.sgy", "x_a#1#7.sgy"},
         "x_",
         "",
         true,
         pfOutList,
         nullptr,
         "a#1.sgy",
         "x_a#1#7.sgy"},
        {"other extension is no output",
         {"a.sgy", "p_a#3.dat.sgy"},
         "p_",
         "",
         true,
         pfOutList,
         nullptr,
         nullptr,
         nullptr},
        {"single run writes the first output only",
         {"a.sgy", "b.sgy", "p_b.sgy"},
         "p_",
         "",
         true,
         pfSingleRun,
         nullptr,
         nullptr,
         nullptr},
        {"link in the output folder",
         {"a.sgy", "b.sgy"},
         "",
         "_o",
         false,
         0,
         "b_o.sgy>a.sgy",
         "b.sgy",
         "a.sgy"},
        {"link onto its own input", {"a.sgy"}, "", "", false, 0, "a.sgy>a.sgy", "a.sgy", "a.sgy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir caseDir;
        const QString inDir = caseDir.path() + "/in";
        const QString outDir = c.inInputFolder ? inDir : caseDir.path() + "/out";
        QDir().mkpath(inDir);
        QDir().mkpath(outDir);
        for (const QString& name : c.inputs) {
            QFile f(inDir + "/" + name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("ok\n");
        }
        if (c.link) {
            const QString link = QString(c.link).section('>', 0, 0);
            const QString target = QString(c.link).section('>', 1);
            ASSERT_TRUE(QFile::link(inDir + "/" + target, outDir + "/" + link));
        }
        files.Load(inDir + "/*.sgy");
        const QMap<QString, QByteArray> before = folderBytes(inDir);
        TUBatchRun::Request r = request(2, c.flags);
        r.inputFolder = inDir;
        r.outputFolder = outDir;
        r.prefix = c.prefix;
        r.suffix = c.suffix;
        if (!c.overwritten) {
            ASSERT_TRUE(startAndFinish(r));
            EXPECT_EQ(run->Failures(), 0);
            run->EnterPrepare();
            continue;
        }
        EXPECT_EQ(run->Start(r), TUBatchRun::MsgOutputOverInput);
        EXPECT_EQ(run->GetMode(), TUBatchRun::smPrepare);
        EXPECT_EQ(run->RefusalText(),
                  QString::fromUtf8("Выходной файл для %1 заменил бы входной файл %2.")
                      .arg(c.writer, c.overwritten));
        EXPECT_EQ(folderBytes(inDir), before);
    }
}

TEST_F(SchedulerTest, OutputsOfAFileWithSeveralAreItsOwnOnly) {
    // Outputs of names that differ only in case, or that a wildcard in a name would match,
    // belong to other files.
    const QMap<QString, QString> inputs{
        {"a.sgy", "fail 3"}, {"A.sgy", "ok"}, {"x?.sgy", "fail 3"}, {"xy.sgy", "ok"}};
    for (auto it = inputs.begin(); it != inputs.end(); ++it) {
        QFile f(in + "/" + it.key());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(it.value().toUtf8() + "\n");
    }
    files.Load(in + "/*.sgy");
    ASSERT_TRUE(startAndFinish(request(2, pfOutList)));
    ASSERT_EQ(run->Failures(), 2);
    for (const char* name : {"a_o#1.sgy", "a_o#2.sgy", "A_o#1.sgy", "xy_o#1.sgy"}) {
        QFile f(out + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const int a = files.Names().indexOf("a.sgy");
    EXPECT_EQ(run->OutputFiles(a), (QStringList{out + "/a_o#1.sgy", out + "/a_o#2.sgy"}));
    EXPECT_TRUE(run->OutputFiles(files.Names().indexOf("x?.sgy")).isEmpty());
    int deleted = 0;
    EXPECT_EQ(run->DeleteFailedOutputs(&deleted), 0);
    EXPECT_EQ(deleted, 2);
    EXPECT_TRUE(QFile::exists(out + "/A_o#1.sgy"));
    EXPECT_TRUE(QFile::exists(out + "/xy_o#1.sgy"));
}

TEST_F(SchedulerTest, SoftStopOfTheBatchLeavesUnstartedFilesIdle) {
    makeInputs({"stoppable", "stoppable", "stoppable", "stoppable"});
    ASSERT_EQ(run->Start(request(2)), 0);
    ASSERT_TRUE(runUntil(
        [this] { return files.At(0).state == fsRunning && files.At(1).state == fsRunning; }));
    answerer.answer = false;
    EXPECT_EQ(run->SoftStopAll(true), -1);
    EXPECT_EQ(files.At(0).state, fsRunning);
    answerer.answer = true;
    EXPECT_EQ(run->SoftStopAll(true), 0);
    EXPECT_EQ(files.At(0).state, fsStopRequested);
    EXPECT_EQ(run->QueryStop(0), 1);
    EXPECT_EQ(run->QueryStop(2), 0);
    EXPECT_EQ(run->QueryStop(-1), 0);
    EXPECT_EQ(run->QueryStop(99), 0);
    ASSERT_TRUE(runUntil([this] { return ended; }));
    EXPECT_EQ(run->Successes(), 2);
    EXPECT_EQ(files.At(2).state, fsIdle);
    EXPECT_EQ(files.At(3).state, fsIdle);
    EXPECT_TRUE(run->CountText().contains(QString::fromUtf8("успешно - 2,  с ошибкой - 0.")));
    EXPECT_EQ(answerer.ids, (QList<int>{24, 24}));
}

TEST_F(SchedulerTest, SoftStopOfAFileNotYetStartedActsWhenItsWorkerAsks) {
    makeInputs({"slow 400", "stoppable"});
    // Outside a run there is nothing to stop.
    run->SoftStopFiles({0});
    EXPECT_EQ(files.At(0).state, fsIdle);
    ASSERT_EQ(run->Start(request(1)), 0);
    run->SoftStopFiles({1});
    ASSERT_TRUE(runUntil([this] { return ended; }));
    EXPECT_EQ(files.At(0).state, fsDone);
    EXPECT_EQ(files.At(1).state, fsDone);
    EXPECT_EQ(run->Successes(), 2);
}

TEST_F(SchedulerTest, SoftStopOfFinishedFilesKeepsTheirResults) {
    makeInputs({"fail 200", "ok", "stoppable"});
    ASSERT_EQ(run->Start(request(3)), 0);
    ASSERT_TRUE(runUntil([this] {
        return files.At(0).IsFinal() && files.At(1).IsFinal() && files.At(2).state == fsRunning;
    }));
    run->SoftStopFiles({0, 1, 2});
    EXPECT_EQ(files.At(0).state, fsFailed);
    EXPECT_EQ(files.At(1).state, fsDone);
    EXPECT_EQ(files.At(2).state, fsStopRequested);
    ASSERT_TRUE(runUntil([this] { return ended; }));
    EXPECT_EQ(run->Successes(), 2);
    EXPECT_EQ(run->Failures(), 1);
    // The failed file still counts as failed, so its output goes with the others'.
    int deleted = 0;
    EXPECT_EQ(run->DeleteFailedOutputs(&deleted), 0);
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(QFile::exists(files.OutputPath(0)));
}

TEST_F(SchedulerTest, HardStopGives199) {
    makeInputs({"hang", "ok"});
    ASSERT_EQ(run->Start(request(1)), 0);
    ASSERT_TRUE(runUntil([this] { return files.At(0).state == fsRunning; }));
    EXPECT_EQ(run->RunningFiles(), QList<int>{0});
    answerer.answer = false;
    EXPECT_EQ(run->HardStopFiles({0}, true), -1);
    answerer.answer = true;
    // A file not yet started is not touched.
    EXPECT_EQ(run->HardStopFiles({0, 1}, true), 0);
    ASSERT_TRUE(runUntil([this] { return ended; }));
    EXPECT_EQ(files.At(0).result, 199);
    EXPECT_EQ(files.At(1).state, fsDone);
    EXPECT_EQ(answerer.ids, (QList<int>{25, 25}));
}

TEST_F(SchedulerTest, WorkersThatCannotReportAreFailedNotWaitedFor) {
    makeInputs({"die", "noconnect", "hang", "ok"});
    ASSERT_EQ(run->Start(request(4)), 0);
    ASSERT_TRUE(runUntil([this] { return files.At(2).state == fsRunning; }));
    // Killed from outside: no hard stop, no final status.
    CP_ProcInfo victim = files.At(2).hProcess;
    ASSERT_TRUE(CP_Terminate(victim));
    ASSERT_TRUE(runUntil([this] { return ended; }));
    EXPECT_EQ(files.At(0).result, TUFileList::NoFinalStatus);
    EXPECT_EQ(files.At(1).result, TUFileList::NoFinalStatus);
    EXPECT_EQ(files.At(2).result, TUFileList::NoFinalStatus);
    EXPECT_EQ(files.At(3).state, fsDone);
    EXPECT_EQ(run->Failures(), 3);
}

TEST_F(SchedulerTest, UnstartableWorkerGives10AndTheRunGoesOn) {
    QTemporaryDir emptyApp;
    QDir().mkpath(emptyApp.path() + "/ProcLib");
    makeInputs({"ok", "ok"});
    // A first run binds the files' workers; a worker that then cannot start is bound nowhere,
    // so its end uncounts no processor another worker of the new run may be bound to.
    ASSERT_TRUE(startAndFinish(request(2)));
    ASSERT_GE(files.At(0).core, 0);
    run->EnterPrepare();
    KT_SetAppDir(emptyApp.path());
    ASSERT_TRUE(startAndFinish(request(1)));
    EXPECT_EQ(files.At(0).result, 10);
    EXPECT_EQ(files.At(1).result, 10);
    EXPECT_EQ(files.At(0).core, -1);
    EXPECT_EQ(files.At(1).core, -1);
    EXPECT_EQ(run->Failures(), 2);
}

TEST_F(SchedulerTest, ANameTheCommandLineCannotCarryIsNotStarted) {
    // Quoted on the worker's command line, a"b"c.sgy would read as abc.sgy: another file.
    for (const char* name : {"a\"b\"c.sgy", "abc.sgy"}) {
        QFile f(in + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("ok\n");
    }
    files.Load(in + "/*.sgy");
    ASSERT_TRUE(startAndFinish(request(1)));
    EXPECT_EQ(files.At(files.Names().indexOf("a\"b\"c.sgy")).result, 10);
    EXPECT_EQ(files.At(files.Names().indexOf("abc.sgy")).state, fsDone);
}

TEST_F(SchedulerTest, StartRefusals) {
    struct Case {
        const char* what;
        int workers;
        quint16 flags;
        QStringList job;
        bool sameFolder;
        int expected;
    };
    const Case cases[] = {
        {"no workers", 0, 0, {}, false, TUBatchRun::MsgNoWorkers},
        {"same folder", 1, 0, {}, true, 41},
        {"bad character", 1, pfJob, {"1:2", "x"}, false, 38},
        {"syntax", 1, pfJob, {"1"}, false, 19},
        {"value", 1, pfJob, {"12", "3"}, false, 20},
    };
    makeInputs({"ok"});
    for (const Case& c : cases) {
        TUBatchRun::Request r = request(c.workers, c.flags, c.job);
        if (c.sameFolder) {
            r.outputFolder = r.inputFolder;
            r.suffix.clear();
        }
        EXPECT_EQ(run->Start(r), c.expected) << c.what;
        EXPECT_EQ(run->GetMode(), TUBatchRun::smPrepare) << c.what;
    }
    // The input folder under another spelling is the same folder: the outputs would replace
    // the inputs.
    ASSERT_TRUE(QFile::link(in, dir.path() + "/link"));
    for (const QString& same : {in + "/", dir.path() + "/link", out + "/../in"}) {
        TUBatchRun::Request r = request(1);
        r.outputFolder = same;
        r.suffix.clear();
        EXPECT_EQ(run->Start(r), 41) << same.toStdString();
    }
    TUBatchRun::Request r = request(1, pfJob, {"1:2", "x"});
    run->Start(r);
    EXPECT_EQ(run->RefusalText(), QString::fromUtf8("Недопустимый символ  'x'  в задании."));
    // A character that does not print shows as its code.
    for (const auto& [bad, shown] : {std::pair{QChar(0), "U+0000"}, std::pair{QChar(9), "U+0009"},
                                     std::pair{QChar(0xA0), "U+00A0"}}) {
        r.jobLines = QStringList{"1:2" + QString(bad) + "-5"};
        EXPECT_EQ(run->Start(r), 38);
        EXPECT_EQ(run->RefusalText(),
                  QString::fromUtf8("Недопустимый символ  '%1'  в задании.").arg(shown));
    }
    r.jobLines = QStringList{"1:2", "x"};
    r.proc.code = "TST2";
    r.jobLines = QStringList{"0"};
    EXPECT_EQ(run->Start(r), 18);
    r.proc.code = "NONE";
    EXPECT_EQ(run->Start(r), 15);
    r.outputFolder.clear();
    EXPECT_EQ(run->Start(r), TUBatchRun::MsgNoOutputFolder);

    // The reminder: "no" ends the start silently.
    r = request(1);
    r.remind = true;
    answerer.answer = false;
    EXPECT_EQ(run->Start(r), -1);
    EXPECT_EQ(answerer.ids, QList<int>{52});
    EXPECT_TRUE(
        answerer.texts[0].contains(QString::fromUtf8("Префикс: не задан.  Cуффикс: \"_o\".")));

    // A "|" in a name would split it apart in the published text of such procedures.
    QFile bar(in + "/a|b.sgy");
    ASSERT_TRUE(bar.open(QIODevice::WriteOnly));
    files.Load(in + "/*.sgy");
    EXPECT_EQ(run->Start(request(1, pfFileNames)), TUBatchRun::MsgBarInName);

    TUFileList empty;
    TUBatchRun other(empty, concurrency, channel, answerer);
    EXPECT_EQ(other.Start(request(1)), 22);
}

TEST_F(SchedulerTest, PublishedJobCarriesNamesForSingleRunProcedures) {
    makeInputs({"ok", "ok", "ok"});
    ASSERT_TRUE(startAndFinish(request(3, pfJob | pfFileNames | pfSingleRun, {" 0", ""})));
    // One worker for all the files, with index 0.
    EXPECT_EQ(files.LastStarted(), 0);
    EXPECT_EQ(files.At(0).state, fsDone);
    EXPECT_EQ(files.At(1).state, fsIdle);
    EXPECT_EQ(run->Successes(), 1);
    EXPECT_EQ(readAll(files.OutputPath(0)).section('\n', 1, 1),
              "job=0|" + in + "|f0.sgy|f1.sgy|f2.sgy");
}
