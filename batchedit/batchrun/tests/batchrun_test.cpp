// The batch runner end to end: the real program, the real worker and real plug-ins on
// generated shot records.

#include "segygen/segygen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../../core/tests/qtprint.h"

#include <gtest/gtest.h>

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
    // The final table's rows: file -> result column.
    QMap<QString, QString> rows;
};

bool hasPlugin(const char* code) {
    return QFileInfo::exists(QString(GRAVIK_BIN_DIR) + "/ProcLib/" + code + ".so");
}

class BatchRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        in = dir.path() + "/in";
        out = dir.path() + "/out";
        QDir().mkpath(in);
    }

    // Shot records shot1.sgy ... shotN.sgy.
    void makeShots(int count, int sources = 1, int receivers = 24, int samples = 500) {
        for (int i = 1; i <= count; ++i) {
            SynthSpec synth;
            synth.sources = sources;
            synth.receivers = receivers;
            synth.samples = samples;
            synth.seed = unsigned(i);
            const QString path = in + QString("/shot%1.sgy").arg(i);
            ASSERT_EQ(WriteSynthSegy(path.toStdString(), synth), 0);
        }
    }

    // Starts the build's batchrun, or `program`.
    static void start(QProcess& p, const QStringList& args, const QString& program = {}) {
        p.setProgram(program.isEmpty() ? QString(GRAVIK_BIN_DIR) + "/batchrun" : program);
        p.setArguments(args);
        p.start();
        ASSERT_TRUE(p.waitForStarted());
    }

    Result finish(QProcess& p) {
        Result r;
        EXPECT_TRUE(p.waitForFinished(120000));
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        const QStringList lines = r.out.split('\n');
        const int head = int(lines.indexOf(QString::fromUtf8("Файл\tРезультат\tОшибка")));
        for (int i = head + 1; head >= 0 && i < lines.size(); ++i) {
            const QStringList cells = lines[i].split('\t');
            if (cells.size() == 3)
                r.rows.insert(cells[0], cells[1]);
        }
        return r;
    }

    // Reads the program's output until it holds `text`; what was read is kept in `seen`.
    bool waitForText(QProcess& p, const QString& text, QByteArray& seen) {
        while (!QString::fromUtf8(seen).contains(text)) {
            if (!p.waitForReadyRead(60000))
                return false;
            seen += p.readAllStandardOutput();
        }
        return true;
    }

    Result run(const QStringList& args, const QString& program = {},
               const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
        QProcess p;
        p.setProcessEnvironment(env);
        start(p, args, program);
        return finish(p);
    }

    QStringList base(const char* code, const QString& job) const {
        QStringList args{"--proc", code, "--in", in, "--out", out};
        if (!job.isNull())
            args << "--job" << job;
        return args;
    }

    QTemporaryDir dir;
    QString in;
    QString out;
};

} // namespace

TEST_F(BatchRunTest, SixFilesTwoWorkers) {
    makeShots(6);
    const Result r = run(base("tva3", "1:1-100;24:1-100") << "--suffix"
                                                          << "_m"
                                                          << "--workers"
                                                          << "2");
    ASSERT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_EQ(r.rows.size(), 6);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(r.rows.value(QString("shot%1.sgy").arg(i)), "OK") << i;
        EXPECT_TRUE(QFile::exists(out + QString("/shot%1_m.sgy").arg(i))) << i;
    }
    // Never more than two running: count starts against ends in the progress lines.
    int running = 0;
    int most = 0;
    for (const QString& line : r.out.split('\n')) {
        if (line.endsWith(QString::fromUtf8(": начат")))
            most = std::max(most, ++running);
        else if (line.endsWith(": OK"))
            --running;
    }
    EXPECT_EQ(most, 2);
    EXPECT_TRUE(r.out.contains(
        QString::fromUtf8("Обработано файлов: успешно - 6,  с ошибкой - 0.  Время  ")));
}

TEST_F(BatchRunTest, Lum6FileWithoutRecordFails200) {
    if (!hasPlugin("lum6"))
        GTEST_SKIP() << "lum6 not built";
    makeShots(3);
    const Result r = run(base("lum6", "1:1,100,200,*,*;3:3,300,400,*,*"));
    EXPECT_EQ(r.exitCode, 1) << r.out.toStdString();
    EXPECT_EQ(r.rows.value("shot1.sgy"), "OK");
    EXPECT_EQ(r.rows.value("shot2.sgy"), "200");
    EXPECT_EQ(r.rows.value("shot3.sgy"), "OK");
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("В задании нет записи для номера этого файла.")));
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("успешно - 2,  с ошибкой - 1.")));
}

TEST_F(BatchRunTest, Zar9OutputsListedByTheHashPattern) {
    if (!hasPlugin("zar9"))
        GTEST_SKIP() << "zar9 not built";
    makeShots(2, 3, 12);
    const Result r = run(base("zar9", "0,1,1,3;0,0;1"));
    ASSERT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    for (const char* name : {"shot1#1.sgy", "shot1#2.sgy", "shot1#3.sgy", "shot2#3.sgy"}) {
        EXPECT_TRUE(QFile::exists(out + "/" + name)) << name;
        EXPECT_TRUE(r.out.contains("  " + out + "/" + name)) << name;
    }
}

TEST_F(BatchRunTest, Qos5IsOneRunOverAllTheFiles) {
    if (!hasPlugin("qos5"))
        GTEST_SKIP() << "qos5 not built";
    makeShots(3);
    const Result r = run(base("qos5", "0;1:*;3:1-5;2:*") << "--prefix"
                                                         << "all_");
    ASSERT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    // One worker run, reported as the first file; the output is named after it.
    EXPECT_EQ(r.rows.size(), 1);
    EXPECT_EQ(r.rows.value("shot1.sgy"), "OK");
    EXPECT_EQ(r.out.count(QString::fromUtf8(": начат")), 1);
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{"all_shot1.sgy"});
    // 24 + 5 + 24 traces of 500 four-byte samples.
    EXPECT_EQ(QFileInfo(out + "/all_shot1.sgy").size(), 3600 + 53 * (240 + 500 * 4));
}

TEST_F(BatchRunTest, RefusedStartsExitWith2AndTheEditorsMessage) {
    makeShots(1);
    QDir().mkpath(dir.path() + "/empty");
    struct Case {
        const char* what;
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {"bad character", base("tva3", "1:1-5;x"), "Недопустимый символ  'x'  в задании."},
        {"syntax", base("tva3", "1:1"), "Ошибка в синтаксисе задания."},
        {"value", base("tva3", "1:5-1"), "Ошибка в значении параметра задания."},
        {"same folder", QStringList{"--proc", "tva3", "--job", "1:1-5", "--in", in, "--out", in},
         "Выходная папка может совпадать с входной"},
        {"no files",
         QStringList{"--proc", "tva3", "--job", "1:1-5", "--in", dir.path() + "/empty", "--out",
                     out},
         "Во входной папке нет файлов c выбранной маской имени."},
        {"no workers",
         base("tva3", "1:1-5") << "--workers"
                               << "0",
         "Число параллельно обрабатываемых файлов должно быть не меньше 1."},
        {"bad count",
         base("tva3", "1:1-5") << "--workers"
                               << "2x",
         "Недопустимое число"},
        {"unknown procedure", base("abc1", "1"), "Процедура abc1 не найдена"},
        {"no job", base("tva3", QString()), "Процедура требует задания"},
        {"unknown option",
         base("tva3", "1:1-5") << "--fast"
                               << "1",
         "--fast"},
        {"missing value", base("tva3", "1:1-5") << "--mask", "--mask"},
        {"prefix leaving the folder",
         base("tva3", "1:1-5") << "--prefix"
                               << "../x",
         "Недопустимый префикс или суффикс имени файла: ../x"},
        {"suffix with a dot",
         base("tva3", "1:1-5") << "--suffix"
                               << ".v2",
         "Недопустимый префикс или суффикс"},
        {"mask in another folder",
         base("tva3", "1:1-5") << "--mask"
                               << "../*.sgy",
         "Недопустимая маска имени файла"},
        {"mask without extension",
         base("tva3", "1:1-5") << "--mask"
                               << "shot*",
         "Маска должна иметь расширение."},
    };
    for (const Case& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.what;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message)))
            << c.what << ": " << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out + "/shot1.sgy"));
}

// In the input folder with a prefix, a.sgy's output would be the input p_a.sgy: refused before
// anything is written.
TEST_F(BatchRunTest, OutputOverAnotherInputIsRefusedWithNothingWritten) {
    makeShots(2);
    ASSERT_TRUE(QFile::rename(in + "/shot2.sgy", in + "/p_shot1.sgy"));
    const auto snapshot = [this] {
        QStringList state;
        for (const QFileInfo& f : QDir(in).entryInfoList(QDir::Files))
            state << f.fileName() + " " + QString::number(f.size()) + " " +
                         f.lastModified().toString(Qt::ISODateWithMs);
        return state;
    };
    const QStringList before = snapshot();
    const Result r = run(QStringList{"--proc", "tva3", "--job", "1:1-100;24:1-300", "--in", in,
                                     "--out", in, "--prefix", "p_"});
    EXPECT_EQ(r.exitCode, 2) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains(
        QString::fromUtf8("Выходной файл для shot1.sgy заменил бы входной файл p_shot1.sgy.")))
        << r.err.toStdString();
    EXPECT_EQ(snapshot(), before);
}

// Help and version answer with exit 0; the catalogue and a description can be read without a
// run.
TEST_F(BatchRunTest, InformationOptions) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* out; // what the output holds
        const char* err;
    };
    const Case cases[] = {
        {{"--help"}, 0, "Использование: batchrun --proc", ""},
        {{"-h"}, 0, "batchrun --list | --describe КОД", ""},
        {{"--proc", "tva3", "--help"}, 0, "Использование", ""},
        {{"--version"}, 0, "batchrun ", ""},
        {{"--list"}, 0, "Код\tФлаги\tНазвание", ""},
        {{"--list"}, 0, "TVA3\t1\tОбнуление зон трасс", ""},
        {{"--describe", "tva3"}, 0, "Задание: записи через \";\", каждая вида N:A-B", ""},
        {{"--describe", "abc1"}, 2, "", "Процедура abc1 не найдена"},
        {{"--list", "x"}, 2, "", "Неизвестный или неполный параметр: --list"},
    };
    for (const Case& c : cases) {
        const Result r = run(c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(c.out))) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.err))) << r.err.toStdString();
    }
    EXPECT_TRUE(
        QRegularExpression("^batchrun [0-9.]+ \\(").match(run({"--version"}).out).hasMatch());
}

// The editor's spin box stops at 100 workers, and so does the runner.
TEST_F(BatchRunTest, WorkerCountUpTo100) {
    makeShots(1, 1, 4, 10);
    const Result many = run(base("tva3", "1:1-5") << "--workers"
                                                  << "101");
    EXPECT_EQ(many.exitCode, 2);
    EXPECT_TRUE(many.err.contains(QString::fromUtf8("Недопустимое число обработчиков: 101")));
    const Result most = run(base("tva3", "1:1-5") << "--workers"
                                                  << "100");
    EXPECT_EQ(most.exitCode, 0) << most.err.toStdString();
}

// An input the worker cannot open fails with 150, and the line says why the reader refused it.
TEST_F(BatchRunTest, UnreadableInputShowsTheReadersReason) {
    makeShots(1, 1, 4, 10);
    QFile bad(in + "/bad.sgy");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(100, 'x'));
    bad.close();
    const Result r = run(base("tva3", "1:1-5"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.rows.value("bad.sgy"), "150");
    EXPECT_EQ(r.rows.value("shot1.sgy"), "OK");
    const QString reason = QString::fromUtf8(
        "Не удалось открыть входной файл. Ошибка 6 открытия файла: Файл слишком мал для файла "
        "SEG-Y.");
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("bad.sgy: ошибка 150 ") + reason))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("bad.sgy\t150\t" + reason)) << r.out.toStdString();
}

TEST_F(BatchRunTest, JobFromFileAndMask) {
    makeShots(2);
    QFile::rename(in + "/shot2.sgy", in + "/shot2.segy");
    const QString jobFile = dir.path() + "/job.txt";
    QFile f(jobFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1:1-100;\n 24:1-100\n");
    f.close();
    const Result r = run(QStringList{"--proc", "TVA3", "--job-file", jobFile, "--in", in, "--mask",
                                     "*.segy", "--out", out, "--prefix", "p_"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.rows.keys(), QStringList{"shot2.segy"});
    EXPECT_TRUE(QFile::exists(out + "/p_shot2.segy"));
    const Result missing = run(QStringList{"--proc", "tva3", "--job-file", dir.path() + "/none",
                                           "--in", in, "--out", out});
    EXPECT_EQ(missing.exitCode, 2);
}

namespace {

// batchrun in an application folder of its own whose procrunner is the stand-in worker of the
// scheduler tests, told by the first line of each input file what to do, and whose catalogue
// holds one procedure without a job. Stops then act on workers that wait for them.
class FakeWorkerRunTest : public BatchRunTest {
protected:
    void SetUp() override {
        BatchRunTest::SetUp();
        app = dir.path() + "/app";
        QDir().mkpath(app + "/procedures");
        ASSERT_TRUE(QFile::copy(QString(GRAVIK_BIN_DIR) + "/batchrun", app + "/batchrun"));
        ASSERT_TRUE(QFile::copy(QString(TEST_APP_DIR) + "/procrunner", app + "/procrunner"));
        ASSERT_TRUE(
            QFile::copy(QString(GRAVIK_BIN_DIR) + "/ked_errors.lst", app + "/ked_errors.lst"));
        QFile description(app + "/procedures/TST1_000Fake.dsc");
        ASSERT_TRUE(description.open(QIODevice::WriteOnly));
    }

    void makeInputs(const QStringList& scripts) {
        for (int i = 0; i < scripts.size(); ++i) {
            QFile f(in + QString("/f%1.sgy").arg(i));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(scripts[i].toUtf8() + "\n");
        }
    }

    // Starts the run with one worker and waits until the first file has begun.
    void startOne(QProcess& p, QByteArray& seen) {
        // In a group of its own, as a program started at a terminal.
        p.setChildProcessModifier([] { ::setpgid(0, 0); });
        start(p, {"--proc", "tst1", "--in", in, "--out", out, "--workers", "1"}, app + "/batchrun");
        ASSERT_TRUE(waitForText(p, QString::fromUtf8("f0.sgy: начат"), seen));
    }

    // Ctrl+C at a terminal: SIGINT to the whole group of the program in front.
    static void interrupt(QProcess& p) { ::kill(-pid_t(p.processId()), SIGINT); }

    Result finishSeen(QProcess& p, const QByteArray& seen) {
        Result r = finish(p);
        r.out.prepend(QString::fromUtf8(seen));
        return r;
    }

    QString app;
};

} // namespace

// Ctrl+C once: no new file starts, the started one is asked to stop and ends (the workers do
// not get the Ctrl+C themselves).
TEST_F(FakeWorkerRunTest, FirstInterruptStopsSoftly) {
    makeInputs({"stoppable", "stoppable", "stoppable"});
    QProcess p;
    QByteArray seen;
    startOne(p, seen);
    interrupt(p);
    const Result r = finishSeen(p, seen);
    EXPECT_EQ(r.exitCode, 1) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("Мягкая остановка")));
    EXPECT_EQ(r.rows.value("f0.sgy"), "OK");
    EXPECT_EQ(r.rows.value("f1.sgy"), QString::fromUtf8("не обработан"));
    EXPECT_EQ(r.rows.value("f2.sgy"), QString::fromUtf8("не обработан"));
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("успешно - 1,  с ошибкой - 0.  Время  ")));
}

// A second interrupt kills the file that does not stop: result 199 with its text.
TEST_F(FakeWorkerRunTest, SecondInterruptStopsHard) {
    makeInputs({"hang", "ok"});
    QProcess p;
    QByteArray seen;
    startOne(p, seen);
    interrupt(p);
    // Signals sent together merge into one; the second goes after the soft stop is seen.
    ASSERT_TRUE(waitForText(p, QString::fromUtf8("Мягкая остановка"), seen));
    interrupt(p);
    const Result r = finishSeen(p, seen);
    EXPECT_EQ(r.exitCode, 1) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("Жесткая остановка")));
    EXPECT_EQ(r.rows.value("f0.sgy"), "199");
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("Обработка прервана жесткой остановкой.")));
    EXPECT_EQ(r.rows.value("f1.sgy"), QString::fromUtf8("не обработан"));
}

// Workers that end without a final status, or are killed from outside, fail with their own
// code and its text; the run goes on and ends.
TEST_F(FakeWorkerRunTest, WorkersThatCannotReportFailWithTheirOwnCode) {
    makeInputs({"die", "noconnect", "ok", "fail 213"});
    const Result r =
        run({"--proc", "tst1", "--in", in, "--out", out, "--workers", "2"}, app + "/batchrun");
    EXPECT_EQ(r.exitCode, 1) << r.out.toStdString();
    EXPECT_EQ(r.rows.value("f0.sgy"), "197");
    EXPECT_EQ(r.rows.value("f1.sgy"), "197");
    EXPECT_EQ(r.rows.value("f2.sgy"), "OK");
    EXPECT_EQ(r.rows.value("f3.sgy"), "213");
    EXPECT_TRUE(
        r.out.contains(QString::fromUtf8("Процесс обработки завершился, не сообщив результат.")));
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("успешно - 1,  с ошибкой - 3.")));
}

// Many workers at once: they are started from the owner's event loop, which takes their
// connections between two starts, and each waits for its owner as long as it lives.
TEST_F(FakeWorkerRunTest, ManyWorkersAllReport) {
    makeInputs(QStringList(60, "ok"));
    const Result r =
        run({"--proc", "tst1", "--in", in, "--out", out, "--workers", "60"}, app + "/batchrun");
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QString::fromUtf8("успешно - 60,  с ошибкой - 0.")));
}

namespace {

QProcessEnvironment runtimeEnv(const QString& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("GRAVIK_SESSION");
    env.insert("GRAVIK_RUNTIME_DIR", runtime);
    return env;
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

} // namespace

// An owner killed with SIGKILL leaves its socket, its published names and its owner record;
// the next owner removes them, and its own when it ends.
TEST_F(FakeWorkerRunTest, KilledOwnersNamesAreRemovedByTheNext) {
    const QString runtime = dir.path() + "/rt";
    ASSERT_TRUE(QDir().mkdir(runtime));
    ASSERT_TRUE(QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner));
    makeInputs({"slow 1000"});
    QProcess p;
    p.setProcessEnvironment(runtimeEnv(runtime));
    QByteArray seen;
    start(p, {"--proc", "tst1", "--in", in, "--out", out, "--workers", "1"}, app + "/batchrun");
    ASSERT_TRUE(waitForText(p, QString::fromUtf8("f0.sgy: начат"), seen));
    const QString session = "p" + QString::number(p.processId());
    ::kill(pid_t(p.processId()), SIGKILL);
    ASSERT_TRUE(p.waitForFinished());
    const QStringList left = entries(runtime);
    EXPECT_EQ(left, (QStringList{session + ".ked_procedure_jobstring",
                                 session + ".ked_supervisor_winhandle", session + ".owner",
                                 session + ".sock"}));

    const Result next = run({"--proc", "tst1", "--in", in, "--out", out + "2"}, app + "/batchrun",
                            runtimeEnv(runtime));
    EXPECT_EQ(next.exitCode, 0) << next.out.toStdString();
    EXPECT_EQ(entries(runtime), QStringList());
}

// Without $XDG_RUNTIME_DIR, a <temp>/gravik-<uid> that another user could have made (a link,
// a folder open to all) is not used: the names go to the user's own data folder. With no
// private place at all, the refusal names each folder and why it was refused.
TEST_F(FakeWorkerRunTest, RuntimeFolderFallsBackToAPrivateOne) {
    makeInputs({"ok"});
    const QString shared = dir.path() + "/tmp/gravik-" + QString::number(getuid());
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/tmp"));
    ASSERT_TRUE(QDir().mkpath(dir.path() + "/elsewhere"));
    const auto envWith = [&](const QString& home, const QString& temp) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"GRAVIK_SESSION", "GRAVIK_RUNTIME_DIR", "XDG_RUNTIME_DIR"})
            env.remove(name);
        env.insert("GRAVIK_HOME", home);
        env.insert("TMPDIR", temp);
        return env;
    };
    for (const char* kind : {"link", "open to all"}) {
        SCOPED_TRACE(kind);
        QFile::remove(shared);
        QDir(shared).removeRecursively();
        if (QString(kind) == "link") {
            ASSERT_TRUE(QFile::link(dir.path() + "/elsewhere", shared));
        } else {
            ASSERT_TRUE(QDir().mkdir(shared));
            ASSERT_EQ(0, ::chmod(QFile::encodeName(shared).constData(), 0777));
        }
        const QString home = dir.path() + "/home-" + QString(kind).left(4);
        const Result r = run({"--proc", "tst1", "--in", in, "--out", out}, app + "/batchrun",
                             envWith(home, dir.path() + "/tmp"));
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(QFileInfo(home + "/editor/run").isDir());
        EXPECT_TRUE(entries(dir.path() + "/elsewhere").isEmpty());
    }
    // A file where the folders would go: nothing can be made.
    QFile blocker(dir.path() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Result none = run({"--proc", "tst1", "--in", in, "--out", out}, app + "/batchrun",
                            envWith(dir.path() + "/blocker/home", dir.path() + "/blocker"));
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(
        none.err.contains(QString::fromUtf8("Нет личной папки для связи с процессами обработки")))
        << none.err.toStdString();
    EXPECT_TRUE(none.err.contains(dir.path() + "/blocker/gravik-" + QString::number(getuid()) +
                                  QString::fromUtf8(": не удалось создать папку")))
        << none.err.toStdString();
}
