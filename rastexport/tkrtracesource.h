#pragma once
// The exporter's two delegates of the raster imager: the processed samples of each trace of the
// job (through the viewer's own per-trace chain, so the picture shows what the viewer shows for
// the same frame and parameters) and the offset of a trace for the offset row.
//
// The imager asks for the traces from the job's last trace down; the read window is fixed at
// that first call. A stop request makes the next call return no samples, which ends the drawing
// with failure. Every 20th call reports progress, where the caller lets pending events run.

#include "plotcore/tcimgsources.h"
#include "viewcore/tcframecasheb.h"
#include "viewcore/tctracesupplier.h"

#include <functional>

class TCImageProps;
class TCSegyReaderEx;
class TCViewerParams;

class TKrTraceSource : public TCImgTraceSource, public TCImgOffsetSource {
public:
    static constexpr int kProgressStep = 20;

    // dt: the sample interval in seconds. Reader, parameters and job are not owned.
    TKrTraceSource(TCSegyReaderEx* reader, TCViewerParams* params, const TCImageProps* job,
                   double dt);

    // Both trace buffers for `samples` samples; false when memory runs out.
    bool Reserve(int samples) { return m_supplier.Reserve(samples); }
    // Called with kProgressStep on every 20th trace.
    void SetProgress(std::function<void(int)> progress) { m_progress = std::move(progress); }
    void RequestStop() { m_stop = true; }
    bool StopRequested() const { return m_stop; }

    const float* ImgTrace(int trace, int position) override;
    // |trace - reference| x trace distance when offsets follow the trace numbers, else the
    // absolute offset word of the trace header; 0 for a trace that cannot be read.
    int ImgOffset(int trace) override;

    const TCTraceSupplier& Supplier() const { return m_supplier; }

private:
    TCSegyReaderEx* m_reader;
    TCViewerParams* m_params;
    const TCImageProps* m_job;
    // The chain keeps each trace's time and delay for a cursor read-out; the picture has none,
    // so this cache is only written.
    TCFrameCasheB m_cache;
    TCTraceSupplier m_supplier;
    std::function<void(int)> m_progress;
    bool m_stop = false;
};
