#include "viewcore/tctracesupplier.h"

#include "plotcore/tcseisplotter1.h"
#include "plotcore/tcsviewopts.h"
#include "trcfile/tcsegyreaderex.h"
#include "trcfile/trcerrors.h"
#include "viewcore/tcframecasheb.h"
#include "viewcore/tcviewerparams.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

bool TCTraceSupplier::Reserve(int samples) {
    if (samples <= Capacity())
        return true;
    try {
        m_input.resize(size_t(samples));
        m_work.resize(size_t(samples));
    } catch (const std::bad_alloc&) {
        Release();
        return false;
    }
    return true;
}

void TCTraceSupplier::Release() {
    std::vector<float>().swap(m_input);
    std::vector<float>().swap(m_work);
}

const float* TCTraceSupplier::ProvideTrace(const TCSeisPlotter1& plotter, int trace) {
    const QRect f = plotter.GetFrameRect();
    const int step = plotter.Options() != nullptr ? std::max<int>(1, plotter.Options()->tStep) : 1;
    return Provide(trace, f.left(), step, f.top() - 1, f.bottom() - 1);
}

void TCTraceSupplier::StartFrame(int frameFirst, int traceStep, int first, int last) {
    TCSignal& sig = m_params->signal;
    const int margin = sig.GetContextSmp();
    const int samples = m_reader->GetInt(7);
    m_winStart = std::max(0, first - margin);
    m_winEnd = std::min(samples - 1, last + margin);
    if (sig.filtOn)
        sig.BuildBandPassFilter(m_dt);
    m_cache->Clear();
    m_cache->DefineFrame(frameFirst, traceStep);
}

int TCTraceSupplier::DistanceArg(int trace) const {
    if (m_params->signal.offsetByTrace)
        return trace;
    const int64_t offset = m_reader->HdrWord('T', 11);
    const int64_t a = offset < 0 ? -offset : offset;
    return int(std::min<int64_t>(a, std::numeric_limits<int>::max()));
}

const float* TCTraceSupplier::Provide(int trace, int frameFirst, int traceStep, int first,
                                      int last) {
    if (m_reader == nullptr || m_params == nullptr || m_cache == nullptr || last < first)
        return nullptr;
    if (trace == frameFirst)
        StartFrame(frameFirst, traceStep, first, last);
    const int n = m_winEnd - m_winStart + 1;
    // The window must cover the frame; a frame outside the trace has nothing to show.
    if (n <= 0 || first < m_winStart || last > m_winEnd || !Reserve(n))
        return nullptr;
    try {
        m_reader->SetTrace(trace);
    } catch (const ESegyFiler& e) {
        m_failTrace = trace;
        m_failCode = e.Code();
        return nullptr;
    }
    const TCSignal& sig = m_params->signal;
    const int delay = sig.GetTotalDelaySmp(DistanceArg(trace), float(m_dt));
    m_cache->Add(m_reader->TraceTime(), delay);

    float* data = m_input.data();
    // A delay that puts the window wholly outside the trace reads zeros; clamping keeps the sum
    // inside int.
    const int64_t start =
        std::clamp<int64_t>(int64_t(m_winStart) + delay, -int64_t(n), m_reader->GetInt(7));
    m_reader->SamplesAsFloat(data, int(start), n);
    float maxAbs = 0.0f;
    for (int i = 0; i < n; ++i)
        maxAbs = std::max(maxAbs, std::fabs(data[i]));
    if (m_params->AgaMode())
        m_params->ProcessTraceSegment(trace, data, n, m_work.data());
    else
        sig.ProcessTraceSegment(data, n, maxAbs, m_work.data());
    return data + (first - m_winStart);
}
