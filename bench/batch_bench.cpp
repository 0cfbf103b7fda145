// The same batch of files through batchrun with one and with two workers, beside procrunner
// run on them one after another, measured in one run. Usage: batch_bench [files, default 8]
// [MiB per file, default 128] [folder, default /tmp]. Prints the wall time and files per second
// of each (best of two).

#include "benchkit.h"

#include <QDir>

#include <cstdio>

namespace {

const char* const kJob = "1:1-100;500:200-400;*:1000-*";

bool Batchrun(const QString& in, const QString& out, int workers) {
    QDir(out).removeRecursively();
    return RunProgram(QStringLiteral(GRAVIK_BENCH_BIN) + "/batchrun",
                      {"--proc", "tva3", "--job", kJob, "--in", in, "--out", out, "--workers",
                       QString::number(workers)});
}

QString ShotName(int i) {
    return QString("shot%1.sgy").arg(i + 1, 2, 10, QChar('0'));
}

} // namespace

int main(int argc, char** argv) {
    const int files = int(BenchArgNumber(argc, argv, 1, 8));
    const long mib = BenchArgNumber(argc, argv, 2, 128);
    const QString root = BenchArgFolder(argc, argv, 3) + "/batch_bench_data";
    const QString in = root + "/in";
    const QString out = root + "/out";
    QDir().mkpath(in);
    SynthSpec synth;
    synth.samples = 2000;
    synth.receivers = 1000;
    synth.format = 1;
    SizeSynth(synth, mib);
    double mb = 0;
    for (int i = 0; i < files; ++i) {
        synth.seed = unsigned(i + 1);
        if (!WriteBenchFile(in + "/" + ShotName(i), synth))
            return 1;
        mb += FileMb(in + "/" + ShotName(i));
    }
    RunProgram("/bin/sh", {"-c", "cat '" + in + "'/*.sgy > /dev/null"}); // warms the page cache

    TCWorkerHarness owner;
    owner.SetJob(kJob);
    const auto sequential = [&] {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        for (int i = 0; i < files; ++i)
            if (!RunWorker(owner, "tva3", unsigned(i), in + "/" + ShotName(i),
                           out + "/" + ShotName(i)))
                return false;
        return true;
    };
    TBest seq, one, two;
    for (int k = 0; k < 2; ++k) {
        seq.Add(Seconds(sequential));
        one.Add(Seconds([&] { return Batchrun(in, out, 1); }));
        two.Add(Seconds([&] { return Batchrun(in, out, 2); }));
    }
    QDir(root).removeRecursively();
    if (!seq.Ok() || !one.Ok() || !two.Ok()) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    std::printf("batch bench: %d files, %.0f MB in all, tva3\n", files, mb);
    std::printf("  procrunner one after another  %7.2f s  %6.2f files/s\n", seq.seconds,
                files / seq.seconds);
    std::printf("  batchrun, 1 worker            %7.2f s  %6.2f files/s  = %.0f %% of it\n",
                one.seconds, files / one.seconds, 100.0 * seq.seconds / one.seconds);
    std::printf("  batchrun, 2 workers           %7.2f s  %6.2f files/s  = %.0f %% of it\n",
                two.seconds, files / two.seconds, 100.0 * seq.seconds / two.seconds);
    return 0;
}
