#include "lum6/tuexec_lum6.h"

#include "procbase/resultcodes.h"
#include "trcfile/segyfields.h"

namespace {

constexpr int kSourceElevation = 13;
constexpr int kSourceDepth = 14;

} // namespace

TUExec_lum6::TUExec_lum6(unsigned index, void* window) : TUExec_base_a(index, window) {}

int TUExec_lum6::DefineJob(const std::string& job) {
    return m_job.Parse(QString::fromStdString(job));
}

bool TUExec_lum6::CheckJobEx() {
    m_rec = m_job.Choose(Index());
    if (m_rec < 0)
        throw prc::kNoFileRecord;
    return true;
}

void TUExec_lum6::EditTraceHeader(int) {
    const TUJob_lum6::TUJobRec& r = m_job.Records()[size_t(m_rec)];
    TCSegyFilerUx& f = IFile();
    if (r.hasRecNo)
        f.OSetHdrWord(trc::tf::kFieldRecord, r.recNo);
    if (r.hasSx)
        f.OSetHdrWord(trc::tf::kSourceX, r.sx);
    if (r.hasSy)
        f.OSetHdrWord(trc::tf::kSourceY, r.sy);
    if (r.hasSelev)
        f.OSetHdrWord(kSourceElevation, r.selev);
    if (r.hasSdepth)
        f.OSetHdrWord(kSourceDepth, r.sdepth);
    if (r.hasSx || r.hasSy)
        f.OSetHdrWord(trc::tf::kCoordUnits, 1);
}
