#pragma once
// TUExec_lum6: writes the source data of the job record chosen for the file (index + 1) into
// every trace header: field record number (word 2), source X and Y (21, 22), surface elevation
// at the source (13), source depth (14), and coordinate units 1 (25) when X or Y is given.

#include "lum6/tujob_lum6.h"
#include "procbase/tuexec_base_a.h"

class TUExec_lum6 : public TUExec_base_a {
public:
    TUExec_lum6(unsigned index, void* window);

    int DefineJob(const std::string& job) override;
    // Throws 200 when the job has no record for this file.
    bool CheckJobEx() override;
    void EditTraceHeader(int n) override;

private:
    TUJob_lum6 m_job;
    int m_rec = -1;
};
