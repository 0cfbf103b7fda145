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
#include <thread>

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
    const int first = f.top() - 1, last = f.bottom() - 1;
    if (trace == f.left())
        PrepareFrame(f.left(), f.right(), step, first, last);
    if (m_frameFirst != f.left() || m_frameStep != step)
        return Provide(trace, f.left(), step, first, last);
    const qint64 k = (qint64(trace) - f.left()) / step;
    const int n = m_winEnd - m_winStart + 1;
    if (k < 0 || k >= m_ready || first < m_winStart || last > m_winEnd)
        return nullptr;
    return m_frame.data() + size_t(k) * size_t(n) + size_t(first - m_winStart);
}

void TCTraceSupplier::PrepareFrame(int firstTrace, int lastTrace, int step, int first, int last) {
    m_frameFirst = 0;
    m_ready = 0;
    if (m_reader == nullptr || m_params == nullptr || m_cache == nullptr || last < first ||
        lastTrace < firstTrace)
        return;
    StartFrame(firstTrace, step, first, last);
    const int n = m_winEnd - m_winStart + 1;
    const qint64 count = (qint64(lastTrace) - firstTrace) / step + 1;
    if (n <= 0 || first < m_winStart || last > m_winEnd)
        return;
    try {
        m_frame.resize(size_t(count) * size_t(n));
        m_frameMax.resize(size_t(count));
    } catch (const std::bad_alloc&) {
        return; // the plotter's traces then go one by one through Provide
    }
    // Reading is sequential (one reader); the traces read are then processed on every core.
    int ready = 0;
    for (; ready < count; ++ready) {
        const int t = int(firstTrace + qint64(ready) * step);
        if (!ReadTrace(t, m_frame.data() + size_t(ready) * size_t(n), n,
                       &m_frameMax[size_t(ready)]))
            break;
    }
    const int threads = std::clamp(int(std::thread::hardware_concurrency()), 1, 8);
    auto work = [&](int from, int to) {
        std::vector<float> scratch(static_cast<size_t>(n));
        for (int k = from; k < to; ++k)
            Process(firstTrace + k * step, m_frame.data() + size_t(k) * size_t(n), n,
                    m_frameMax[size_t(k)], scratch.data());
    };
    // Threads pay off only for frames of some size.
    if (threads == 1 || qint64(ready) * n < 100000) {
        work(0, ready);
    } else {
        std::vector<std::thread> pool;
        const int per = (ready + threads - 1) / threads;
        for (int i = 1; i < threads && i * per < ready; ++i)
            pool.emplace_back(work, i * per, std::min(ready, (i + 1) * per));
        work(0, std::min(ready, per));
        for (std::thread& th : pool)
            th.join();
    }
    m_ready = ready;
    m_frameFirst = firstTrace;
    m_frameStep = step;
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

bool TCTraceSupplier::ReadTrace(int trace, float* data, int n, float* maxAbs) {
    try {
        m_reader->SetTrace(trace);
    } catch (const ESegyFiler& e) {
        m_failTrace = trace;
        m_failCode = e.Code();
        return false;
    }
    const int delay = m_params->signal.GetTotalDelaySmp(DistanceArg(trace), float(m_dt));
    m_cache->Add(m_reader->TraceTime(), delay);
    // A delay that puts the window wholly outside the trace reads zeros; clamping keeps the sum
    // inside int.
    const int64_t start =
        std::clamp<int64_t>(int64_t(m_winStart) + delay, -int64_t(n), m_reader->GetInt(7));
    m_reader->SamplesAsFloat(data, int(start), n);
    float m = 0.0f;
    for (int i = 0; i < n; ++i) {
        data[i] *= m_scale;
        m = std::max(m, std::fabs(data[i]));
    }
    *maxAbs = m;
    return true;
}

void TCTraceSupplier::Process(int trace, float* data, int n, float maxAbs, float* work) const {
    if (m_params->AgaMode())
        m_params->ProcessTraceSegment(trace, data, n, work);
    else
        m_params->signal.ProcessTraceSegment(data, n, maxAbs, work);
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
    float maxAbs = 0.0f;
    if (!ReadTrace(trace, m_input.data(), n, &maxAbs))
        return nullptr;
    Process(trace, m_input.data(), n, maxAbs, m_work.data());
    return m_input.data() + (first - m_winStart);
}
