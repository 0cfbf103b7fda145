#include "rastexport/tkrtracesource.h"

#include "plotcore/tcimageprops.h"
#include "trcfile/tcsegyreaderex.h"
#include "viewcore/tcviewerparams.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

TKrTraceSource::TKrTraceSource(TCSegyReaderEx* reader, TCViewerParams* params,
                               const TCImageProps* job, double dt)
    : m_reader(reader), m_params(params), m_job(job) {
    m_supplier.Bind(reader, params, &m_cache);
    m_supplier.SetInterval(dt);
}

const float* TKrTraceSource::ImgTrace(int trace, int position) {
    if (m_stop)
        return nullptr;
    if (position % kProgressStep == 0 && m_progress) {
        m_progress(kProgressStep);
        if (m_stop)
            return nullptr;
    }
    const int step = std::max<int>(1, m_params->viewOpts.tStep);
    // The drawing starts at the last trace, so that is where the read window is set up.
    return m_supplier.Provide(trace, m_job->GetT2(), step, m_job->GetS1() - 1, m_job->GetS2() - 1);
}

int TKrTraceSource::ImgOffset(int trace) {
    try {
        m_reader->SetTrace(trace);
    } catch (const ESegyFiler&) {
        return 0;
    }
    const TCSignal& sig = m_params->signal;
    if (sig.offsetByTrace) {
        const float v = sig.EvaluateOffset(trace);
        return std::isfinite(v) ? int(std::clamp<double>(v, INT_MIN, INT_MAX)) : 0;
    }
    const int64_t offset = m_reader->HdrWord('T', 11);
    return int(std::min<int64_t>(offset < 0 ? -offset : offset, std::numeric_limits<int>::max()));
}
