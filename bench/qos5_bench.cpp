// qos5 through the real procrunner: two files of 512 MiB merged into one (page cache warm),
// beside cat of the two into one file, measured in one run. Usage: qos5_bench [MiB per file,
// default 512] [folder, default /tmp]. Best of three.

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

double Seconds(const std::function<bool()>& run) {
    QElapsedTimer t;
    t.start();
    if (!run())
        return -1;
    return t.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    const long mib = argc > 1 ? std::atol(argv[1]) : 512;
    const std::string dir = argc > 2 ? argv[2] : "/tmp";
    SynthSpec synth;
    synth.samples = 1500;
    synth.receivers = 500;
    synth.format = 1;
    const double traceBytes = 240.0 + 4.0 * synth.samples;
    synth.sources = std::max(1, int(mib * 1048576.0 / traceBytes / synth.receivers + 1));
    const QString a = QString::fromStdString(dir + "/qos5_bench_a.sgy");
    const QString b = QString::fromStdString(dir + "/qos5_bench_b.sgy");
    const QString out = QString::fromStdString(dir + "/qos5_bench_out.sgy");
    if (WriteSynthSegy(a.toStdString(), synth) != 0) {
        std::fprintf(stderr, "cannot write the inputs\n");
        return 1;
    }
    synth.seed = 2;
    synth.samples = 1200; // the second file's traces are shorter: the merge pads them
    synth.sources =
        std::max(1, int(mib * 1048576.0 / (240.0 + 4.0 * synth.samples) / synth.receivers + 1));
    if (WriteSynthSegy(b.toStdString(), synth) != 0) {
        std::fprintf(stderr, "cannot write the inputs\n");
        return 1;
    }
    const double mb = (QFile(a).size() + QFile(b).size()) / 1e6;

    TCWorkerHarness owner;
    owner.SetJob(QStringLiteral("1;1:*;2:*|") + QString::fromStdString(dir) +
                 QStringLiteral("|qos5_bench_a.sgy|qos5_bench_b.sgy"));
    const auto cat = [&] {
        QFile::remove(out);
        QProcess p;
        p.setStandardOutputFile(out);
        p.start("cat", {a, b});
        return p.waitForFinished(-1) && p.exitCode() == 0;
    };
    const auto qos5 = [&] {
        QFile::remove(out);
        const TWorkerRun r = owner.Run("qos5", 0, a, out);
        return r.result == 0 && r.finals == 1;
    };
    cat(); // warms the page cache
    double tCat = 1e9, tQos5 = 1e9;
    for (int i = 0; i < 3; ++i) {
        tCat = std::min(tCat, Seconds(cat));
        tQos5 = std::min(tQos5, Seconds(qos5));
    }
    const double outMb = QFile(out).size() / 1e6;
    QFile::remove(out);
    QFile::remove(a);
    QFile::remove(b);
    if (tCat <= 0 || tQos5 <= 0) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    std::printf("qos5 bench: two files, %.0f MB together (the second padded: output %.0f MB)\n", mb,
                outMb);
    std::printf("  cat a b > out         %8.2f s  (%.1f MB/s)\n", tCat, mb / tCat);
    std::printf("  qos5 via procrunner   %8.2f s  (%.1f MB/s)  = %.0f %% of cat\n", tQos5,
                mb / tQos5, 100.0 * tCat / tQos5);
    return 0;
}
