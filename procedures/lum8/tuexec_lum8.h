#pragma once
// TUExec_lum8: writes the receiver data of the job record chosen for the file (index + 1):
// trace k gets receiver X X0 + (k - 1)·DX (word 23) and Y Y0 + (k - 1)·DY (24) when given, the
// receiver elevation (12) when given, and coordinate units 1 (25) always.

#include "lum8/tujob_lum8.h"
#include "procbase/tuexec_base_a.h"

class TUExec_lum8 : public TUExec_base_a {
public:
    TUExec_lum8(unsigned index, void* window);

    int DefineJob(const std::string& job) override;
    // Throws 200 when the job has no record for this file, 210 when a coordinate of the file's
    // traces leaves the 32-bit range.
    bool CheckJobEx() override;
    void EditTraceHeader(int n) override;

private:
    TUJob_lum8 m_job;
    int m_rec = -1;
};
