#pragma once
// TUExec_fek4: writes the recording date and time of each trace (words 59 to 63: year, day of
// year, hour, minute, second) from the job; samples and every other word are copied unchanged.

#include "fek4/tujob_fek4.h"
#include "procbase/tuexec_base_a.h"

class TUExec_fek4 : public TUExec_base_a {
public:
    TUExec_fek4(unsigned index, void* window);

    int DefineJob(const std::string& job) override;
    // Throws 210 when the job does not fit the input file (TUJob_fek4::CheckFile).
    bool CheckJobEx() override;
    void EditTraceHeader(int n) override;

private:
    TUJob_fek4 m_job;
};
