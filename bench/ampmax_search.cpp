// The viewer's maximum-amplitude search over a record of 2000 traces x 2000 samples with
// half-widths 25 and 50, beside a plain sum of the absolute samples read through the same
// reader in the same run. Best of 3 rounds each.
//
// Usage: ampmax_search [DATA_DIR]   (default $GRAVIK_BENCH_DATA or /tmp/gravik-bench)

#include "segygen/segygen.h"
#include "traceview/tcampmaxsearch.h"
#include "trcfile/tcsegyreaderex.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kTraces = 2000;
constexpr int kSamples = 2000;

double Best(const std::function<void()>& run) {
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        const auto t0 = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        best = std::min(best, d.count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    const QString dir =
        argc > 1 ? QString::fromLocal8Bit(argv[1])
                 : qEnvironmentVariable("GRAVIK_BENCH_DATA", QStringLiteral("/tmp/gravik-bench"));
    QDir().mkpath(dir);
    const QString path = dir + QStringLiteral("/ampmax2000.sgy");
    if (QFileInfo(path).size() != 3600 + qint64(kTraces) * (240 + 4 * kSamples)) {
        SynthSpec s;
        s.sources = 20;
        s.receivers = kTraces / 20;
        s.samples = kSamples;
        s.intervalUs = 1000;
        if (WriteSynthSegy(path.toStdString(), s) != 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    TCSegyReaderEx reader;
    if (reader.Open(path.toStdString()) != 0) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        return 1;
    }

    double total = 0.0;
    const double plain = Best([&] {
        std::vector<float> buf(kSamples);
        double sum = 0.0;
        for (int t = 1; t <= kTraces; ++t) {
            reader.SetTrace(t);
            reader.SamplesAsFloat(buf.data(), 0, kSamples);
            for (float v : buf)
                sum += std::fabs(double(v));
        }
        total = sum;
    });
    QPoint found;
    const double search = Best([&] {
        TCAmpMaxSearch s;
        found = s.Run(reader, {1, kTraces, 1, kSamples, 25, 50}, nullptr);
    });
    std::printf("maximum-amplitude search, %d traces x %d samples, half-widths 25 and 50\n",
                kTraces, kSamples);
    std::printf("  %-44s %8.3f s  (sum %.6g)\n", "plain sum of |samples| (reference)", plain,
                total);
    std::printf("  %-44s %8.3f s  (%.2f x the plain sum; vertex %d, %d)\n",
                "search with running sums", search, search / plain, found.x(), found.y());
    return 0;
}
