#include "fek4/tuexec_fek4.h"

#include "trcfile/segyfields.h"

TUExec_fek4::TUExec_fek4(unsigned index, void* window) : TUExec_base_a(index, window) {}

int TUExec_fek4::DefineJob(const std::string& job) {
    return m_job.Parse(QString::fromStdString(job));
}

bool TUExec_fek4::CheckJobEx() {
    if (const int r = m_job.CheckFile(ITraceCount()))
        throw r;
    return true;
}

void TUExec_fek4::EditTraceHeader(int n) {
    TUCivilTime t;
    if (!m_job.TraceTime(n, t))
        return;
    TCSegyFilerUx& f = IFile();
    f.OSetHdrWord(trc::tf::kYear, t.year);
    f.OSetHdrWord(trc::tf::kDayOfYear, TUCalendar::DayOfYear(t));
    f.OSetHdrWord(trc::tf::kHour, t.hour);
    f.OSetHdrWord(trc::tf::kMinute, t.minute);
    f.OSetHdrWord(trc::tf::kSecond, t.second);
}
