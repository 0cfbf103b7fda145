#include "procbase/tuexec_base_mo.h"

#include "procbase/resultcodes.h"

TUExec_base_mo::TUExec_base_mo(unsigned index, void* window) : TUExec_base(index, window) {}

int TUExec_base_mo::Run(const std::string& input, const std::string& output,
                        const std::string& job) {
    int r = DefineJob(job);
    if (r != 0)
        return r;
    r = OpenIFile(input);
    if (r != 0)
        return r;
    m_workSteps = std::int64_t(ScanSteps()) + ITraceCount();
    SetProgressTotal(m_workSteps);
    if (!CheckJobEx())
        return prc::kJobDoesNotFit;
    OSetFileProps();
    SetProgressTotal(m_workSteps);
    std::int64_t done = ScanSteps();
    bool buffers = false;
    for (int k = 0; NextOutputFile(k);) {
        r = OpenOFile(OutputFileName(k, output));
        if (r != 0)
            return r;
        // Every output has the same trace layout, so one set of buffers serves them all.
        if (!buffers) {
            CreateOBuffer();
            buffers = true;
        }
        SetProgressOffset(done);
        CopyTextHeader();
        CopyBinHeader();
        WriteExtraTextBlocks();
        WriteOutputTraces(k);
        done += OTrace() - 1;
        r = CloseOFile();
        if (r != 0)
            return r;
    }
    return 0;
}

void TUExec_base_mo::WriteOutputTraces(int k) {
    const int block = BlockTraces();
    int n = 0;
    bool more = NextOutputTrace(k, n);
    while (more) {
        const int first = n;
        int count = 1;
        while ((more = NextOutputTrace(k, n)) && n == std::int64_t(first) + count && count < block)
            ++count;
        if (count == 1)
            ProcessOneTrace(first);
        else
            ProcessBlock(first, count);
    }
}
