// zar9 through the real procrunner: a shuffled file of at least 1 GiB split into one file per
// shot (page cache warm), beside cp of the same file, measured in one run; and the worker's
// peak memory beside the size of the file and of its trace table (20 bytes per trace).
// Usage: zar9_bench [MiB, default 1100] [folder, default /tmp]. Best of three.

#include "benchkit.h"

#include <QDir>
#include <QFile>

#include <sys/resource.h>

#include <cstdio>

namespace {

// Peak resident size in MB of the largest child process waited for so far.
double ChildPeakMb() {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return u.ru_maxrss / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    const long mib = BenchArgNumber(argc, argv, 1, 1100);
    const QString dir = BenchArgFolder(argc, argv, 2);
    SynthSpec synth;
    synth.samples = 1000;
    synth.receivers = 960;
    synth.format = 1;
    synth.shuffle = true;
    SizeSynth(synth, mib, 100);
    const QString in = dir + "/zar9_bench_in.sgy";
    const QString outDir = dir + "/zar9_bench_out";
    const QString copy = dir + "/zar9_bench_copy.sgy";
    if (!WriteBenchFile(in, synth))
        return 1;
    const double mb = FileMb(in);
    const long traces = long(synth.sources) * synth.receivers;

    TCWorkerHarness owner;
    owner.SetJob("0,1,1,3;0,0;1");
    const auto cp = [&] {
        QFile::remove(copy);
        return RunProgram("cp", {in, copy});
    };
    const auto zar9 = [&] {
        QDir(outDir).removeRecursively();
        QDir().mkpath(outDir);
        return RunWorker(owner, "zar9", 0, in, outDir + "/shots.sgy");
    };
    cp(); // warms the page cache
    const double cpPeak = ChildPeakMb();
    TBest tCp, tZar9;
    for (int i = 0; i < 3; ++i) {
        tCp.Add(Seconds(cp));
        tZar9.Add(Seconds(zar9));
    }
    const double peak = ChildPeakMb();
    const int outputs = int(QDir(outDir).entryList(QDir::Files).size());
    QFile::remove(copy);
    QDir(outDir).removeRecursively();
    QFile::remove(in);
    if (!tCp.Ok() || !tZar9.Ok() || outputs != synth.sources) {
        std::fprintf(stderr, "a run failed (%d outputs)\n", outputs);
        return 1;
    }
    std::printf("zar9 bench: shuffled file %.0f MB, %ld traces, %d gathers\n", mb, traces, outputs);
    std::printf("  cp                    %8.2f s  (%.1f MB/s)\n", tCp.seconds, mb / tCp.seconds);
    std::printf("  zar9 via procrunner   %8.2f s  (%.1f MB/s)  = %.1f x cp\n", tZar9.seconds,
                mb / tZar9.seconds, tZar9.seconds / tCp.seconds);
    std::printf("  peak memory of the worker %.1f MB (cp %.1f MB); trace table %.1f MB; file "
                "%.0f MB\n",
                peak, cpPeak, traces * 20 / 1e6, mb);
    return 0;
}
