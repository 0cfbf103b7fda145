// Drawing speed of plotcore: the viewer's frame update (270 traces x 1000 samples on a
// 1920 x 1080 canvas) beside Qt drawing the same wiggles as plain polylines, and a raster
// picture of 2000 traces x 3000 samples at 24 bits (drawn and saved as BMP) beside Qt saving a
// BMP of the same size.

#include "benchdata.h"
#include "plotcore/tcimageprops.h"
#include "plotcore/tcimgsources.h"
#include "plotcore/tcseisimager1.h"
#include "plotcore/tcseisplotter1.h"
#include "plotcore/tcsviewopts.h"
#include "plotcore/tctrcdelegate.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

constexpr int kFrameTraces = 270;
constexpr int kFrameSamples = 1000;
constexpr int kRasterTraces = 2000;
constexpr int kRasterSamples = 3000;

// Decaying tones that differ from trace to trace, in display units (a little over +-1).
std::vector<float> MakeTrace(int trace, int samples) {
    std::vector<float> v(static_cast<size_t>(samples));
    for (int i = 0; i < samples; ++i)
        v[size_t(i)] = float(1.3 * std::sin(0.07 * i + 0.3 * trace) * std::exp(-i / 1500.0));
    return v;
}

class Record : public TCTrcDelegate, public TCImgTraceSource {
public:
    explicit Record(int traces, int samples) {
        for (int t = 1; t <= traces; ++t)
            m_traces.push_back(MakeTrace(t, samples));
    }
    const float* ProvideTrace(const TCSeisPlotter1& plotter, int trace) override {
        return m_traces[size_t(trace - 1)].data() + (plotter.GetFrameVertex().y() - 1);
    }
    const float* ImgTrace(int trace, int) override { return m_traces[size_t(trace - 1)].data(); }
    const std::vector<float>& Trace(int trace) const { return m_traces[size_t(trace - 1)]; }

private:
    std::vector<std::vector<float>> m_traces;
};

TCSViewOpts FrameOptions() {
    TCSViewOpts o;
    o.tScale = 6; // 270 slots fit into 1920 pixels
    return o;
}

void BM_PlotUpdate(benchmark::State& state) {
    static Record record(kFrameTraces, kFrameSamples);
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    TCSViewOpts opts = FrameOptions();
    TCSeisPlotter1 plotter;
    plotter.Init(&canvas, &opts, true);
    plotter.SetFileInfo(kFrameTraces, 2000, kFrameSamples);
    plotter.SetDelegate(&record);
    plotter.Update(QPoint(1, 1));
    if (plotter.FrameTraces() != kFrameTraces || plotter.FrameSamples() != kFrameSamples) {
        state.SkipWithError("the frame is not 270 x 1000");
        return;
    }
    for (auto _ : state) {
        plotter.Update(QPoint(1, 1));
        benchmark::DoNotOptimize(canvas.constBits());
    }
}

// Reference: Qt clears the canvas and draws the same wiggle lines, without fill and axes.
void BM_QtPolylines(benchmark::State& state) {
    static Record record(kFrameTraces, kFrameSamples);
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    std::vector<QPoint> points(kFrameSamples);
    for (auto _ : state) {
        canvas.fill(Qt::white);
        QPainter p(&canvas);
        p.setPen(Qt::black);
        for (int t = 1; t <= kFrameTraces; ++t) {
            const std::vector<float>& v = record.Trace(t);
            const int x0 = 60 + 6 * t;
            for (int i = 0; i < kFrameSamples; ++i)
                points[size_t(i)] =
                    QPoint(x0 + int(5 * std::fmax(-1.f, std::fmin(1.f, v[size_t(i)]))), 32 + i);
            p.drawPolyline(points.data(), kFrameSamples);
        }
        p.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}

void BM_RasterImage24(benchmark::State& state) {
    static Record record(kRasterTraces, kRasterSamples);
    TCSViewOpts opts;
    TCImageProps props;
    props.SetProps(QRect(QPoint(1, 1), QPoint(kRasterTraces, kRasterSamples)), 24, false, 2);
    for (int i = 0; i < 3; ++i)
        props.SetStrInfo(i, QStringLiteral("info line %1").arg(i));
    props.SetStrInfo(3, QStringLiteral("Профиль"));
    const QString path = BenchDataDir() + QStringLiteral("/plot_raster24.bmp");
    double mb = 0;
    for (auto _ : state) {
        TCSeisImager1 imager;
        imager.Init(&props, &opts, 2, path);
        imager.SetTrcDelegates(&record, nullptr);
        mb = imager.BimapSizeMb();
        if (!imager.AllocateMem() || !imager.DrawImage() || !imager.SaveImage()) {
            state.SkipWithError("the raster image failed");
            return;
        }
        imager.FreeMem();
    }
    state.counters["bitmap_MB"] = mb;
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1 << 20);
}

// Reference: Qt fills and saves a BMP of the same size and depth.
void BM_QtBmpSameSize(benchmark::State& state) {
    const QString path = BenchDataDir() + QStringLiteral("/plot_qt24.bmp");
    QSize size;
    {
        TCSViewOpts opts;
        TCImageProps props;
        props.SetProps(QRect(QPoint(1, 1), QPoint(kRasterTraces, kRasterSamples)), 24, false, 2);
        TCSeisImager1 imager;
        imager.Init(&props, &opts, 2, path);
        imager.CalcLayout(size);
    }
    for (auto _ : state) {
        QImage img(size, QImage::Format_RGB888);
        img.fill(Qt::white);
        if (!img.save(path, "BMP")) {
            state.SkipWithError("Qt could not save");
            return;
        }
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1 << 20);
}

} // namespace

BENCHMARK(BM_PlotUpdate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtPolylines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RasterImage24)->Unit(benchmark::kSecond)->Iterations(2);
BENCHMARK(BM_QtBmpSameSize)->Unit(benchmark::kSecond)->Iterations(2);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
