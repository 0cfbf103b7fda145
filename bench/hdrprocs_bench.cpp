// The header-editing procedures fek4, lum6 and lum8 through the real procrunner on a file of at
// least 1 GiB (page cache warm), beside cp of the same file, measured in one run.
// Usage: hdrprocs_bench [MiB, default 1100] [folder, default /tmp]. Prints MB/s of each (best
// of three, cp and the procedures taking turns) and each procedure's share of cp's speed. cp
// copies inside the kernel (copy_file_range); dd with 8 MiB blocks is printed beside it as the
// reference that, like a worker, moves every byte through user memory.

#include "procrunner/testkit/tcworkerharness.h"
#include "segygen/segygen.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

namespace {

struct Procedure {
    const char* code;
    const char* job;
};

// Every trace of the file gets its header edited.
const Procedure kProcedures[] = {
    {"fek4", "*:2024-01-01-00-00-00,1"},
    {"lum6", "*:101,1000,2000,150,5"},
    {"lum8", "*:1000,25,2000,0,150"},
};

double Seconds(const std::function<bool()>& run) {
    QElapsedTimer t;
    t.start();
    if (!run())
        return -1;
    return t.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    const long mib = argc > 1 ? std::atol(argv[1]) : 1100;
    const std::string dir = argc > 2 ? argv[2] : "/tmp";
    SynthSpec synth;
    synth.samples = 2000;
    synth.receivers = 1000;
    synth.format = 1;
    const double traceBytes = 240.0 + 4.0 * synth.samples;
    synth.sources = std::max(1, int(mib * 1048576.0 / traceBytes / synth.receivers + 1));
    const QString in = QString::fromStdString(dir + "/hdrprocs_bench_in.sgy");
    const QString out = QString::fromStdString(dir + "/hdrprocs_bench_out.sgy");
    if (WriteSynthSegy(in.toStdString(), synth) != 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(in));
        return 1;
    }
    const double mb = QFile(in).size() / 1e6;
    const auto cp = [&] { return QProcess::execute("cp", {in, out}) == 0; };
    const auto dd = [&] {
        return QProcess::execute("dd", {"if=" + in, "of=" + out, "bs=8M", "status=none"}) == 0;
    };

    TCWorkerHarness owner;
    cp(); // warms the page cache
    double cpBest = 1e9, ddBest = 1e9;
    double best[3] = {1e9, 1e9, 1e9};
    bool ok = true;
    for (int round = 0; round < 3 && ok; ++round) {
        QFile::remove(out);
        const double s = Seconds(cp);
        ok = s > 0;
        cpBest = std::min(cpBest, s);
        QFile::remove(out);
        const double d = Seconds(dd);
        ok = ok && d > 0;
        ddBest = std::min(ddBest, d);
        for (int p = 0; p < 3 && ok; ++p) {
            QFile::remove(out);
            owner.SetJob(kProcedures[p].job);
            const double t = Seconds([&] {
                const TWorkerRun r = owner.Run(kProcedures[p].code, 0, in, out);
                return r.result == 0 && r.finals == 1;
            });
            ok = t > 0;
            best[p] = std::min(best[p], t);
        }
    }
    QFile::remove(out);
    QFile::remove(in);
    if (!ok) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    std::printf("header procedures bench: file %.0f MB\n", mb);
    std::printf("  cp                    %8.1f MB/s  (%.2f s)\n", mb / cpBest, cpBest);
    std::printf("  dd bs=8M              %8.1f MB/s  (%.2f s)\n", mb / ddBest, ddBest);
    for (int p = 0; p < 3; ++p)
        std::printf("  %s via procrunner   %8.1f MB/s  (%.2f s)  = %.0f %% of cp, %.0f %% of dd\n",
                    kProcedures[p].code, mb / best[p], best[p], 100.0 * cpBest / best[p],
                    100.0 * ddBest / best[p]);
    return 0;
}
