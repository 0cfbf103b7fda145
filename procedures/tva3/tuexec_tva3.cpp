#include "tva3/tuexec_tva3.h"

#include <algorithm>
#include <cstring>

TUExec_tva3::TUExec_tva3(unsigned index, void* window) : TUExec_base_a(index, window) {}

int TUExec_tva3::DefineJob(const std::string& job) {
    return m_job.Parse(QString::fromStdString(job));
}

bool TUExec_tva3::CheckJobEx() {
    m_job.Fit(ITraceCount(), IFile().Samples());
    return true;
}

void TUExec_tva3::ProcessSignal(int n) {
    std::uint16_t a = 0;
    std::uint16_t b = 0;
    if (!m_job.Window(n, a, b))
        return;
    // Fit keeps every window inside the trace; the clamp guards the buffer all the same.
    b = std::min<std::uint16_t>(b, OSamplesPerTrace());
    if (a < 1 || a > b)
        return;
    const std::size_t w = OSampleSize();
    std::memset(OSignalPtr() + (a - 1) * w, 0, (b - a + 1) * w);
}
