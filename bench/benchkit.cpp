#include "benchkit.h"

#include "trcfile/segycodec.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

long BenchArgNumber(int argc, char** argv, int index, long fallback) {
    if (index >= argc)
        return fallback;
    bool ok = false;
    const long v = QString::fromLocal8Bit(argv[index]).toLong(&ok);
    if (!ok || v < 1) {
        std::fprintf(stderr, "%s: argument %d must be a whole number above 0, not \"%s\"\n",
                     argv[0], index, argv[index]);
        std::exit(2);
    }
    return v;
}

QString BenchArgFolder(int argc, char** argv, int index) {
    return index < argc ? QString::fromLocal8Bit(argv[index]) : QStringLiteral("/tmp");
}

void SizeSynth(SynthSpec& synth, long mib, int minSources) {
    const double traceBytes = 240.0 + trc::SampleSize(synth.format) * synth.samples;
    synth.sources = std::max(minSources, int(mib * 1048576.0 / traceBytes / synth.receivers + 1));
}

bool WriteBenchFile(const QString& path, const SynthSpec& synth) {
    if (WriteSynthSegy(path.toStdString(), synth) == 0)
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

double FileMb(const QString& path) {
    return QFile(path).size() / 1e6;
}

double Seconds(const std::function<bool()>& run) {
    // Dirty pages of the previous run would otherwise be written back during this one.
    ::sync();
    QElapsedTimer t;
    t.start();
    if (!run())
        return -1;
    return t.nsecsElapsed() / 1e9;
}

void TBest::Add(double s) {
    if (s < 0)
        failed = true;
    else
        seconds = std::min(seconds, s);
}

bool RunProgram(const QString& program, const QStringList& args) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(program, args);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool RunWorker(TCWorkerHarness& owner, const QString& code, unsigned index, const QString& in,
               const QString& out) {
    const TWorkerRun r = owner.Run(code, index, in, out);
    return r.result == 0 && r.finals == 1;
}
