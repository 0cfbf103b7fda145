// The single-file procedures through the real procrunner on a file of at least 1 GiB (page cache
// warm), beside cp of the same file, measured in one run: tva3 muting and the header-editing
// fek4, lum6 and lum8. Usage: procs_bench [MiB, default 1100] [folder, default /tmp]. Prints
// MB/s of each (best of three, the references and the procedures taking turns) and each
// procedure's share of the references' speed. cp copies inside the kernel (copy_file_range);
// dd with 8 MiB blocks is printed beside it as the reference that, like a worker, moves every
// byte through user memory.

#include "benchkit.h"

#include <QFile>

#include <cstdio>

namespace {

struct Procedure {
    const char* code;
    const char* job;
};

const Procedure kProcedures[] = {
    {"tva3", "1:1-100;500:200-400;*:1000-*"},
    // Every trace of the file gets its header edited.
    {"fek4", "*:2024-01-01-00-00-00,1"},
    {"lum6", "*:101,1000,2000,150,5"},
    {"lum8", "*:1000,25,2000,0,150"},
};
constexpr int kCount = int(sizeof kProcedures / sizeof kProcedures[0]);

} // namespace

int main(int argc, char** argv) {
    const long mib = BenchArgNumber(argc, argv, 1, 1100);
    const QString dir = BenchArgFolder(argc, argv, 2);
    SynthSpec synth;
    synth.samples = 2000;
    synth.receivers = 1000;
    synth.format = 1;
    SizeSynth(synth, mib);
    const QString in = dir + "/procs_bench_in.sgy";
    const QString out = dir + "/procs_bench_out.sgy";
    if (!WriteBenchFile(in, synth))
        return 1;
    const double mb = FileMb(in);
    const auto cp = [&] { return RunProgram("cp", {in, out}); };
    const auto dd = [&] {
        return RunProgram("dd", {"if=" + in, "of=" + out, "bs=8M", "status=none"});
    };

    TCWorkerHarness owner;
    cp(); // warms the page cache
    TBest cpBest, ddBest, best[kCount];
    for (int round = 0; round < 3; ++round) {
        QFile::remove(out);
        cpBest.Add(Seconds(cp));
        QFile::remove(out);
        ddBest.Add(Seconds(dd));
        for (int p = 0; p < kCount; ++p) {
            QFile::remove(out);
            owner.SetJob(kProcedures[p].job);
            best[p].Add(Seconds([&] { return RunWorker(owner, kProcedures[p].code, 0, in, out); }));
        }
    }
    QFile::remove(out);
    QFile::remove(in);
    bool ok = cpBest.Ok() && ddBest.Ok();
    for (const TBest& b : best)
        ok = ok && b.Ok();
    if (!ok) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    std::printf("procedures bench: file %.0f MB\n", mb);
    std::printf("  cp                    %8.1f MB/s  (%.2f s)\n", mb / cpBest.seconds,
                cpBest.seconds);
    std::printf("  dd bs=8M              %8.1f MB/s  (%.2f s)\n", mb / ddBest.seconds,
                ddBest.seconds);
    for (int p = 0; p < kCount; ++p)
        std::printf("  %s via procrunner   %8.1f MB/s  (%.2f s)  = %.0f %% of cp, %.0f %% of dd\n",
                    kProcedures[p].code, mb / best[p].seconds, best[p].seconds,
                    100.0 * cpBest.seconds / best[p].seconds,
                    100.0 * ddBest.seconds / best[p].seconds);
    return 0;
}
