#pragma once
// TUExec_tva3: zeroes the window of the job in every trace; headers and all other bytes are
// copied unchanged.

#include "procbase/tuexec_base_a.h"
#include "tva3/tujob_tva3.h"

class TUExec_tva3 : public TUExec_base_a {
public:
    TUExec_tva3(unsigned index, void* window);

    int DefineJob(const std::string& job) override;
    bool CheckJobEx() override;
    void ProcessSignal(int n) override;

private:
    TUJob_tva3 m_job;
};
