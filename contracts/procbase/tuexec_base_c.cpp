#include "procbase/tuexec_base_c.h"

#include "procbase/resultcodes.h"

TUExec_base_c::TUExec_base_c(unsigned index, void* window) : TUExec_base(index, window) {}

int TUExec_base_c::Run(const std::string& input, const std::string& output,
                       const std::string& job) {
    int r = DefineJob(job);
    if (r != 0)
        return r;
    r = OpenIFile(input);
    if (r != 0)
        return r;
    if (!CheckJobEx())
        return prc::kJobDoesNotFit;
    OSetFileProps();
    r = OpenOFile(output);
    if (r != 0)
        return r;
    CreateOBuffer();
    CopyTextHeader();
    CopyBinHeader();
    WriteExtraTextBlocks();
    SetProgressTotal(ITraceCount());
    ProcessTraces();
    return 0;
}
