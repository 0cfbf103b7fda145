#pragma once
// TUExec_base_mo: one input file, several output files (zar9).
//
// Run: DefineJob; OpenIFile; CheckJobEx, which may report a pass over the input through
// ConnectToSupervisor(i) for i up to ScanSteps(); OSetFileProps; then for k = 1, 2, ... as
// long as NextOutputFile(k) answers true: output k is created under OutputFileName(k, output),
// gets the input's headers, and receives the input traces that NextOutputTrace(k, n) hands out,
// in that order, each read from the input by its number (runs of consecutive numbers in one
// read); then it is closed. OTrace() counts the traces of the current output from 1.
//
// Progress: the total is m_workSteps (OSetFileProps may set it; until then ScanSteps() plus
// the number of input traces); the outputs' traces count on after the ScanSteps() steps of the
// check pass.

#include "procbase/tuexec_base.h"

class TUExec_base_mo : public TUExec_base {
public:
    TUExec_base_mo(unsigned index, void* window);

    // Name of output k (from 1) made from the output path of the run.
    virtual std::string OutputFileName(int k, const std::string& name) = 0;
    // The integer property: progress steps of the check pass.
    virtual int ScanSteps() = 0;
    // Advances the caller's output number `k` (0 before the first) and resets what the
    // executor hands out; false when output k does not exist.
    virtual bool NextOutputFile(int& k) = 0;
    // The next input trace number of output k; false when the output is complete.
    virtual bool NextOutputTrace(int k, int& trace) = 0;

protected:
    int Run(const std::string& input, const std::string& output, const std::string& job) override;

    // Progress steps of the whole run.
    std::int64_t m_workSteps = 0;

private:
    void WriteOutputTraces(int k);
};
