// zar9 through the real procrunner: a shuffled file of at least 1 GiB split into one file per
// shot (page cache warm), beside cp of the same file, measured in one run; and the worker's
// peak memory beside the size of the file and of its trace table (20 bytes per trace).
// Usage: zar9_bench [MiB, default 1100] [folder, default /tmp]. Best of three.

#include "procrunner/testkit/tcworkerharness.h"
#include "segygen/segygen.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace {

double Seconds(const std::function<bool()>& run) {
    QElapsedTimer t;
    t.start();
    if (!run())
        return -1;
    return t.nsecsElapsed() / 1e9;
}

// Peak resident size in MB of the largest child process waited for so far.
double ChildPeakMb() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return u.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    const long mib = argc > 1 ? std::atol(argv[1]) : 1100;
    const std::string dir = argc > 2 ? argv[2] : "/tmp";
    SynthSpec synth;
    synth.samples = 1000;
    synth.receivers = 960;
    synth.format = 1;
    synth.shuffle = true;
    const double traceBytes = 240.0 + 4.0 * synth.samples;
    synth.sources = std::max(100, int(mib * 1048576.0 / traceBytes / synth.receivers + 1));
    const std::string in = dir + "/zar9_bench_in.sgy";
    const QString qin = QString::fromStdString(in);
    const QString outDir = QString::fromStdString(dir + "/zar9_bench_out");
    const QString copy = QString::fromStdString(dir + "/zar9_bench_copy.sgy");
    if (WriteSynthSegy(in, synth) != 0) {
        std::fprintf(stderr, "cannot write %s\n", in.c_str());
        return 1;
    }
    const double mb = QFile(qin).size() / 1e6;
    const long traces = long(synth.sources) * synth.receivers;

    TCWorkerHarness owner;
    owner.SetJob("0,1,1,3;0,0;1");
    const auto cp = [&] {
        QFile::remove(copy);
        return QProcess::execute("cp", {qin, copy}) == 0;
    };
    const auto zar9 = [&] {
        QDir(outDir).removeRecursively();
        QDir().mkpath(outDir);
        const TWorkerRun r = owner.Run("zar9", 0, qin, outDir + "/shots.sgy");
        return r.result == 0 && r.finals == 1;
    };
    cp(); // warms the page cache
    const double cpPeak = ChildPeakMb();
    double tCp = 1e9, tZar9 = 1e9;
    for (int i = 0; i < 3; ++i) {
        tCp = std::min(tCp, Seconds(cp));
        tZar9 = std::min(tZar9, Seconds(zar9));
    }
    const double peak = ChildPeakMb();
    const int outputs = int(QDir(outDir).entryList(QDir::Files).size());
    QFile::remove(copy);
    QDir(outDir).removeRecursively();
    QFile::remove(qin);
    if (tCp <= 0 || tZar9 <= 0 || outputs != synth.sources) {
        std::fprintf(stderr, "a run failed (%d outputs)\n", outputs);
        return 1;
    }
    std::printf("zar9 bench: shuffled file %.0f MB, %ld traces, %d gathers\n", mb, traces, outputs);
    std::printf("  cp                    %8.2f s  (%.1f MB/s)\n", tCp, mb / tCp);
    std::printf("  zar9 via procrunner   %8.2f s  (%.1f MB/s)  = %.1f x cp\n", tZar9, mb / tZar9,
                tZar9 / tCp);
    std::printf("  peak memory of the worker %.1f MB (cp %.1f MB); trace table %.1f MB; file "
                "%.0f MB\n",
                peak, cpPeak, traces * 20 / 1e6, mb);
    return 0;
}
