#pragma once
// TUExec_base_mi: several input files, one output file (qos5).
//
// Run: DefineJob; NextInputFile gives the first input, OpenIFile opens it; CheckJobEx;
// OSetFileProps (sets the output sample size, samples per trace and m_oTraceCount); the output
// is created in the first input's byte order and format, its headers copied from the first
// input; then every input in turn, from the first until NextInputFile answers false, passes all
// its traces through the trace engine, MapTraceIndex choosing the ones taken. Output traces are
// numbered on across the inputs (OTrace()). Inputs after the first are opened while the output
// stays open; they must share the first input's byte order, format and trace layout rules that
// CheckJobEx enforces.

#include "procbase/tuexec_base.h"

class TUExec_base_mi : public TUExec_base {
public:
    TUExec_base_mi(unsigned index, void* window);

    // Gives the path of the next input file; false when none is left. The first call gives the
    // first input.
    virtual bool NextInputFile(std::string& name) = 0;

    // Opens an input and leaves the output open: 0, prc::kPieceOpen (every input is a piece of
    // the job, the first one too, so a missing one fails alike wherever it stands), or
    // prc::kOutputIsInput when `name` is the output file.
    int OpenIFile(const std::string& name) override;

protected:
    int Run(const std::string& input, const std::string& output, const std::string& job) override;

    // True when `name` is the same file as the output path of the run (known from the start of
    // Run, before the output exists). A CheckJobEx that opens every input can use it to refuse
    // a job that would overwrite one of them.
    bool IsOutputFile(const std::string& name) const;

    // Number of output traces: the progress total. OSetFileProps sets it; until then it is the
    // first input's trace count.
    std::int64_t m_oTraceCount = 0;

private:
    std::string m_output;
};
