// qos5 through the real procrunner: two files of 512 MiB merged into one (page cache warm),
// beside cat of the two into one file, measured in one run. Usage: qos5_bench [MiB per file,
// default 512] [folder, default /tmp]. Best of three.

#include "benchkit.h"

#include <QFile>
#include <QProcess>

#include <cstdio>

int main(int argc, char** argv) {
    const long mib = BenchArgNumber(argc, argv, 1, 512);
    const QString dir = BenchArgFolder(argc, argv, 2);
    SynthSpec synth;
    synth.samples = 1500;
    synth.receivers = 500;
    synth.format = 1;
    SizeSynth(synth, mib);
    const QString a = dir + "/qos5_bench_a.sgy";
    const QString b = dir + "/qos5_bench_b.sgy";
    const QString out = dir + "/qos5_bench_out.sgy";
    if (!WriteBenchFile(a, synth))
        return 1;
    synth.seed = 2;
    synth.samples = 1200; // the second file's traces are shorter: the merge pads them
    SizeSynth(synth, mib);
    if (!WriteBenchFile(b, synth))
        return 1;
    const double mb = FileMb(a) + FileMb(b);

    TCWorkerHarness owner;
    owner.SetJob("1;1:*;2:*|" + dir + "|qos5_bench_a.sgy|qos5_bench_b.sgy");
    const auto cat = [&] {
        QFile::remove(out);
        QProcess p;
        p.setStandardOutputFile(out);
        p.start("cat", {a, b});
        return p.waitForFinished(-1) && p.exitCode() == 0;
    };
    const auto qos5 = [&] {
        QFile::remove(out);
        return RunWorker(owner, "qos5", 0, a, out);
    };
    cat(); // warms the page cache
    TBest tCat, tQos5;
    for (int i = 0; i < 3; ++i) {
        tCat.Add(Seconds(cat));
        tQos5.Add(Seconds(qos5));
    }
    const double outMb = FileMb(out);
    QFile::remove(out);
    QFile::remove(a);
    QFile::remove(b);
    if (!tCat.Ok() || !tQos5.Ok()) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    std::printf("qos5 bench: two files, %.0f MB together (the second padded: output %.0f MB)\n", mb,
                outMb);
    std::printf("  cat a b > out         %8.2f s  (%.1f MB/s)\n", tCat.seconds, mb / tCat.seconds);
    std::printf("  qos5 via procrunner   %8.2f s  (%.1f MB/s)  = %.0f %% of cat\n", tQos5.seconds,
                mb / tQos5.seconds, 100.0 * tCat.seconds / tQos5.seconds);
    return 0;
}
