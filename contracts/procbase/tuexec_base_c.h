#pragma once
// TUExec_base_c: one input file, one output file. Run: DefineJob, OpenIFile, CheckJobEx,
// OSetFileProps, OpenOFile, CreateOBuffer, CopyTextHeader, CopyBinHeader, WriteExtraTextBlocks,
// ProcessTraces (every input trace in order, each taken one written), then the output is closed.
// Without overrides it copies the input unchanged.

#include "procbase/tuexec_base.h"

class TUExec_base_c : public TUExec_base {
public:
    TUExec_base_c(unsigned index, void* window);

protected:
    int Run(const std::string& input, const std::string& output, const std::string& job) override;
};
