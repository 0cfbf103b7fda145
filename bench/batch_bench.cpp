// The same batch of files through batchrun with one and with two workers, beside procrunner
// run on them one after another, measured in one run. Usage: batch_bench [files, default 8]
// [MiB per file, default 128] [folder, default /tmp]. Prints the wall time and files per second
// of each (best of two).

#include "procrunner/testkit/tcworkerharness.h"
#include "segygen/segygen.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace {

const char* const kJob = "1:1-100;500:200-400;*:1000-*";

double Seconds(const std::function<bool()>& run) {
    QElapsedTimer t;
    t.start();
    if (!run())
        return -1;
    return t.nsecsElapsed() / 1e9;
}

bool Batchrun(const QString& bin, const QString& in, const QString& out, int workers) {
    QDir(out).removeRecursively();
    return QProcess::execute(bin + "/batchrun",
                             {"--proc", "tva3", "--job", kJob, "--in", in, "--out", out,
                              "--workers", QString::number(workers)}) == 0;
}

} // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::max(1, std::atoi(argv[1])) : 8;
    const long mib = argc > 2 ? std::atol(argv[2]) : 128;
    const QString root = QString::fromLocal8Bit(argc > 3 ? argv[3] : "/tmp") + "/batch_bench_data";
    const QString in = root + "/in";
    const QString out = root + "/out";
    QDir().mkpath(in);
    SynthSpec synth;
    synth.samples = 2000;
    synth.receivers = 1000;
    synth.format = 1;
    synth.sources =
        std::max(1, int(mib * 1048576.0 / (240.0 + 4.0 * synth.samples) / synth.receivers + 1));
    double mb = 0;
    for (int i = 0; i < files; ++i) {
        const QString path = in + QString("/shot%1.sgy").arg(i + 1, 2, 10, QChar('0'));
        synth.seed = unsigned(i + 1);
        if (WriteSynthSegy(path.toStdString(), synth) != 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        mb += QFile(path).size() / 1e6;
    }
    const QString bin = QString::fromLocal8Bit(GRAVIK_BENCH_BIN);
    QProcess::execute("/bin/sh", {"-c", "cat '" + in + "'/*.sgy > /dev/null"});

    TCWorkerHarness owner;
    owner.SetJob(kJob);
    const auto sequential = [&] {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        for (int i = 0; i < files; ++i) {
            const QString name = QString("shot%1.sgy").arg(i + 1, 2, 10, QChar('0'));
            const TWorkerRun r = owner.Run("tva3", unsigned(i), in + "/" + name, out + "/" + name);
            if (r.result != 0 || r.finals != 1)
                return false;
        }
        return true;
    };
    double seq = 1e9, one = 1e9, two = 1e9;
    for (int k = 0; k < 2; ++k) {
        seq = std::min(seq, Seconds(sequential));
        one = std::min(one, Seconds([&] { return Batchrun(bin, in, out, 1); }));
        two = std::min(two, Seconds([&] { return Batchrun(bin, in, out, 2); }));
    }
    QDir(root).removeRecursively();
    if (seq <= 0 || one <= 0 || two <= 0) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    std::printf("batch bench: %d files, %.0f MB in all, tva3\n", files, mb);
    std::printf("  procrunner one after another  %7.2f s  %6.2f files/s\n", seq, files / seq);
    std::printf("  batchrun, 1 worker            %7.2f s  %6.2f files/s  = %.0f %% of it\n", one,
                files / one, 100.0 * seq / one);
    std::printf("  batchrun, 2 workers           %7.2f s  %6.2f files/s  = %.0f %% of it\n", two,
                files / two, 100.0 * seq / two);
    return 0;
}
