// tva3 through the real procrunner on a file of at least 1 GiB (page cache warm), beside cp of
// the same file, measured in one run. Usage: tva3_bench [MiB, default 1100] [folder, default
// /tmp]. Prints MB/s of each (best of three) and their ratio.

#include "procrunner/testkit/tcworkerharness.h"
#include "segygen/segygen.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

double Seconds(const std::function<bool()>& run) {
    QElapsedTimer t;
    t.start();
    if (!run())
        return -1;
    return t.nsecsElapsed() / 1e9;
}

bool Cp(const QString& from, const QString& to) {
    return QProcess::execute("cp", {from, to}) == 0;
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
    const std::string in = dir + "/tva3_bench_in.sgy";
    const QString qin = QString::fromStdString(in);
    const QString out = QString::fromStdString(dir + "/tva3_bench_out.sgy");
    if (WriteSynthSegy(in, synth) != 0) {
        std::fprintf(stderr, "cannot write %s\n", in.c_str());
        return 1;
    }
    const double mb = QFile(qin).size() / 1e6;

    TCWorkerHarness owner;
    owner.SetJob("1:1-100;500:200-400;*:1000-*");
    // Warm the page cache, then alternate the two so both see the same machine state.
    Cp(qin, out);
    double cp = 1e9, tva3 = 1e9;
    for (int i = 0; i < 3; ++i) {
        QFile::remove(out);
        cp = std::min(cp, Seconds([&] { return Cp(qin, out); }));
        QFile::remove(out);
        tva3 = std::min(tva3, Seconds([&] {
                            const TWorkerRun r = owner.Run("tva3", 0, qin, out);
                            return r.result == 0 && r.finals == 1;
                        }));
    }
    QFile::remove(out);
    QFile::remove(qin);
    if (cp <= 0 || tva3 <= 0) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    std::printf("tva3 bench: file %.0f MB\n", mb);
    std::printf("  cp                    %8.1f MB/s  (%.2f s)\n", mb / cp, cp);
    std::printf("  tva3 via procrunner   %8.1f MB/s  (%.2f s)  = %.0f %% of cp\n", mb / tva3, tva3,
                100.0 * cp / tva3);
    return 0;
}
