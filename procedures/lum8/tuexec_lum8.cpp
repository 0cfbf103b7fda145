#include "lum8/tuexec_lum8.h"

#include "procbase/resultcodes.h"
#include "trcfile/segyfields.h"

namespace {

constexpr int kReceiverElevation = 12;

} // namespace

TUExec_lum8::TUExec_lum8(unsigned index, void* window) : TUExec_base_a(index, window) {}

int TUExec_lum8::DefineJob(const std::string& job) {
    return m_job.Parse(QString::fromStdString(job));
}

bool TUExec_lum8::CheckJobEx() {
    m_rec = m_job.Choose(Index());
    if (m_rec < 0)
        throw prc::kNoFileRecord;
    if (const int r = m_job.Start(m_rec, ITraceCount()))
        throw r;
    return true;
}

// Traces arrive once each in ascending order, so the running values advance by one step each.
void TUExec_lum8::EditTraceHeader(int) {
    const TUJob_lum8::TUJobRec& r = m_job.Records()[size_t(m_rec)];
    TCSegyFilerUx& f = IFile();
    if (r.hasX)
        f.OSetHdrWord(trc::tf::kGroupX, m_job.NextX(m_rec));
    if (r.hasY)
        f.OSetHdrWord(trc::tf::kGroupY, m_job.NextY(m_rec));
    if (r.hasElev)
        f.OSetHdrWord(kReceiverElevation, r.elev);
    f.OSetHdrWord(trc::tf::kCoordUnits, 1);
}
