// The raster exporter's path for a picture of 2000 traces x 3000 samples at 24 bits: the record
// read and processed through the viewer's chain, drawn, stored as the preview and saved as PNG
// and as JPEG; beside Qt saving a blank image of the same size in the same format.

#include "apptools/appfolders.h"
#include "benchdata.h"
#include "rastexport/tkrsession.h"
#include "segygen/segygen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <benchmark/benchmark.h>

namespace {

constexpr int kTraces = 2000;
constexpr int kSamples = 3000;

// The record and the viewer's parameters, written once.
QString Record() {
    const QString path = BenchDataDir() + QStringLiteral("/raster2000x3000.sgy");
    if (!QFileInfo::exists(path)) {
        SynthSpec synth;
        synth.sources = 20;
        synth.receivers = kTraces / 20;
        synth.samples = kSamples;
        synth.intervalUs = 1000;
        synth.format = 5;
        if (WriteSynthSegy(path.toStdString(), synth) != 0)
            return QString();
    }
    TCViewerParams params;
    params.viewOpts.tScale = 3;
    params.signal.filtOn = true;
    params.signal.lowFreq = 5;
    params.signal.highFreq = 80;
    params.Save(KV_GetImgrParamsFile());
    return path;
}

TKrJob Job() {
    TKrJob job;
    job.domain = QRect(QPoint(1, 1), QPoint(kTraces, kSamples));
    job.depthIndex = kKrDepth24;
    job.offAxis = true;
    job.caption1 = QStringLiteral("Профиль 1");
    job.caption2 = QStringLiteral("Сейсмограмма");
    return job;
}

void BM_ExportMakeAndSave(benchmark::State& state, int format) {
    const QString file = Record();
    TKrSession session;
    TKrArgs args;
    args.file = file;
    if (file.isEmpty() || session.Open(args) != 0) {
        state.SkipWithError("the record could not be written or opened");
        return;
    }
    const QString target = BenchDataDir() + QStringLiteral("/export") + KR_Extension(format);
    for (auto _ : state) {
        if (session.Make(Job(), nullptr).code != 0 || session.Save(format, target) != 0) {
            state.SkipWithError("making or saving failed");
            return;
        }
    }
    const QImage preview(TKrSession::PreviewFile());
    state.counters["width"] = preview.width();
    state.counters["height"] = preview.height();
    state.counters["file_MB"] = double(QFileInfo(target).size()) / (1 << 20);
}

// Reference: Qt saves a blank picture of the exporter's size in the same format.
void BM_QtSaveBlank(benchmark::State& state, int format) {
    const QImage preview(TKrSession::PreviewFile());
    if (preview.isNull()) {
        state.SkipWithError("no preview of the exporter to take the size from");
        return;
    }
    const QString target = BenchDataDir() + QStringLiteral("/blank") + KR_Extension(format);
    for (auto _ : state) {
        QImage blank(preview.size(), QImage::Format_RGB888);
        blank.fill(Qt::white);
        QImageWriter w(target);
        if (format == kKrJpg)
            w.setQuality(100);
        if (!w.write(blank)) {
            state.SkipWithError("Qt could not save");
            return;
        }
    }
    state.counters["file_MB"] = double(QFileInfo(target).size()) / (1 << 20);
}

} // namespace

BENCHMARK_CAPTURE(BM_ExportMakeAndSave, png, int(kKrPng))->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_QtSaveBlank, png, int(kKrPng))->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportMakeAndSave, jpeg, int(kKrJpg))->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_QtSaveBlank, jpeg, int(kKrJpg))->Unit(benchmark::kSecond)->Iterations(1);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
