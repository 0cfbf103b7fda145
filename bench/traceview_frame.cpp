// The viewer's frame: opening a record and showing its first frame, and a full redraw (read,
// band-pass filter, AGC, draw) of 270 traces x 1000 samples on a 1920 x 1080 canvas, beside
// plotcore drawing the same frame from samples already processed and beside plain Qt polylines
// of the same wiggles. Also opening a sparse record of 2147483647 traces and showing its first
// frame, with the bytes the process read.

#include "plotcore/tcseisplotter1.h"
#include "plotcore/tcsviewopts.h"
#include "segygen/segygen.h"
#include "traceview/kvampprobe.h"
#include "trcfile/tcsegyreaderex.h"
#include "viewcore/tcframecasheb.h"
#include "viewcore/tctracesupplier.h"
#include "viewcore/tcviewerparams.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kTraces = 270; // 3 shots x 90 receivers, all in the frame
constexpr int kSamples = 1000;
constexpr int kLargest = 2147483647;

QString DataDir() {
    const QString dir =
        qEnvironmentVariable("GRAVIK_BENCH_DATA", QStringLiteral("/tmp/gravik-bench"));
    QDir().mkpath(dir);
    return dir;
}

std::string RecordFile() {
    const QString path = DataDir() + QStringLiteral("/frame270.sgy");
    if (!QFile::exists(path)) {
        SynthSpec s;
        s.sources = 3;
        s.receivers = 90;
        s.samples = kSamples;
        WriteSynthSegy(path.toStdString(), s);
    }
    return path.toStdString();
}

// One trace of 10 samples written, the rest of the 2147483647 traces a hole in the file.
std::string SparseFile() {
    const QString path = DataDir() + QStringLiteral("/sparse.sgy");
    const qint64 size = 3600 + qint64(kLargest) * (240 + 4 * 10);
    if (QFileInfo(path).size() != size) {
        SynthSpec s;
        s.sources = 1;
        s.receivers = 1;
        s.samples = 10;
        s.format = 5;
        WriteSynthSegy(path.toStdString(), s);
        QFile f(path);
        f.resize(size);
    }
    return path.toStdString();
}

// Bytes this process has read through system calls so far.
long long BytesRead() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return -1;
}

// The window's chain on a 1920 x 1080 canvas: reader, trace supplier and plotter.
struct Viewer {
    QImage canvas{1920, 1080, QImage::Format_RGB32};
    TCSegyReaderEx reader;
    TCViewerParams params;
    TCFrameCasheB cache;
    TCTraceSupplier supplier;
    TCSeisPlotter1 plotter;

    // Opens the file as the viewer does (both header checks relaxed, amplitude scale from the
    // first non-zero trace) and shows the first frame.
    bool OpenAndShow(const std::string& path) {
        if (reader.Open(path, 3) != 0)
            return false;
        int found = 0;
        const double mean = KV_FirstNonZeroMean(reader, 1, std::min(100, reader.GetInt(3)), &found);
        if (found == 0)
            return false;
        params.viewOpts.tScale = 7;
        params.signal.maxDelay = reader.GetInt(7);
        supplier.Bind(&reader, &params, &cache);
        supplier.SetInterval(reader.GetInt(4) * 1e-6);
        supplier.SetInputScale(float(0.1 / mean));
        if (!supplier.Reserve(reader.GetInt(7)))
            return false;
        plotter.Init(&canvas, &params.viewOpts, true);
        plotter.SetFileInfo(reader.GetInt(3), reader.GetInt(4), reader.GetInt(7));
        plotter.SetDelegate(&supplier);
        plotter.Update(QPoint(1, 1));
        return !supplier.Failed();
    }
};

// Opens the 270-trace record with the band-pass filter and AGC on, in 6-pixel slots: the frame
// holds the whole record. False (with the benchmark skipped) when it does not.
bool OpenFilteredAgc(Viewer& v, benchmark::State& state) {
    if (!v.OpenAndShow(RecordFile())) {
        state.SkipWithError("the record did not open");
        return false;
    }
    v.params.viewOpts.tScale = 6;
    v.params.signal.filtOn = true;
    v.params.signal.mode = 2;
    v.plotter.Update(QPoint(1, 1));
    if (v.plotter.FrameTraces() != kTraces || v.plotter.FrameSamples() != kSamples) {
        state.SkipWithError("the frame is not 270 x 1000");
        return false;
    }
    return true;
}

void BM_OpenAndFirstFrame(benchmark::State& state) {
    const std::string path = RecordFile();
    for (auto _ : state) {
        Viewer v;
        if (!v.OpenAndShow(path)) {
            state.SkipWithError("the record did not open");
            return;
        }
        benchmark::DoNotOptimize(v.canvas.constBits());
    }
}

void BM_FullRedrawFilterAgc(benchmark::State& state) {
    Viewer v;
    if (!OpenFilteredAgc(v, state))
        return;
    for (auto _ : state) {
        v.plotter.Update(QPoint(1, 1));
        benchmark::DoNotOptimize(v.canvas.constBits());
    }
}

// The same frame's processed samples, kept, so only plotcore's drawing is timed.
class Kept : public TCTrcDelegate {
public:
    std::vector<std::vector<float>> traces;
    const float* ProvideTrace(const TCSeisPlotter1&, int trace) override {
        return traces[size_t(trace - 1)].data();
    }
};

Kept KeepFrame(Viewer& v) {
    Kept k;
    for (int t = 1; t <= kTraces; ++t) {
        const float* p = v.supplier.Provide(t, 1, 1, 0, kSamples - 1);
        k.traces.emplace_back(p, p + kSamples);
    }
    return k;
}

void BM_PlotcoreDrawOnly(benchmark::State& state) {
    Viewer v;
    if (!OpenFilteredAgc(v, state))
        return;
    Kept kept = KeepFrame(v);
    v.plotter.SetDelegate(&kept);
    for (auto _ : state) {
        v.plotter.Update(QPoint(1, 1));
        benchmark::DoNotOptimize(v.canvas.constBits());
    }
}

// Reference: Qt draws the same processed wiggles as 270 plain polylines on a white canvas.
void BM_QtPolylinesSameFrame(benchmark::State& state) {
    Viewer v;
    if (!OpenFilteredAgc(v, state))
        return;
    const Kept kept = KeepFrame(v);
    std::vector<QPointF> line(kSamples);
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        canvas.fill(Qt::white);
        QPainter p(&canvas);
        for (int t = 0; t < kTraces; ++t) {
            const std::vector<float>& s = kept.traces[size_t(t)];
            for (int i = 0; i < kSamples; ++i)
                line[size_t(i)] =
                    QPointF(60 + 6 * (t + 1) + 5 * std::clamp(s[size_t(i)], -1.f, 1.f), 40 + i);
            p.drawPolyline(line.data(), kSamples);
        }
        p.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}

void BM_SparseLargestOpen(benchmark::State& state) {
    const std::string path = SparseFile();
    long long read = 0;
    for (auto _ : state) {
        const long long before = BytesRead();
        Viewer v;
        if (!v.OpenAndShow(path) || v.reader.GetInt(3) != kLargest) {
            state.SkipWithError("the sparse record did not open with 2147483647 traces");
            return;
        }
        read = BytesRead() - before;
        benchmark::DoNotOptimize(v.canvas.constBits());
    }
    state.counters["MB_read"] = double(read) / 1e6;
}

} // namespace

BENCHMARK(BM_OpenAndFirstFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullRedrawFilterAgc)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlotcoreDrawOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtPolylinesSameFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SparseLargestOpen)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
