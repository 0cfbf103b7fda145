#include "procbase/tuexec_base_mi.h"

#include "procbase/resultcodes.h"

#include <filesystem>
#include <system_error>

TUExec_base_mi::TUExec_base_mi(unsigned index, void* window) : TUExec_base(index, window) {}

int TUExec_base_mi::Run(const std::string&, const std::string& output, const std::string& job) {
    m_output = output;
    int r = DefineJob(job);
    if (r != 0)
        return r;
    std::string name;
    if (!NextInputFile(name))
        return prc::kJobDoesNotFit;
    r = OpenIFile(name);
    if (r != 0)
        return r;
    if (!CheckJobEx())
        return prc::kJobDoesNotFit;
    m_oTraceCount = ITraceCount();
    OSetFileProps();
    r = OpenOFile(output);
    if (r != 0)
        return r;
    CreateOBuffer();
    CopyTextHeader();
    CopyBinHeader();
    WriteExtraTextBlocks();
    SetProgressTotal(m_oTraceCount);
    for (;;) {
        ProcessTraces();
        if (!NextInputFile(name))
            return 0;
        // The buffers follow the trace size of the input, so the pending traces go out first.
        FlushOutput();
        r = OpenIFile(name);
        if (r != 0)
            return r;
        CreateOBuffer();
    }
}

int TUExec_base_mi::OpenIFile(const std::string& name) {
    if (IsOutputFile(name))
        return prc::kOutputIsInput;
    // The reader's own Close: the filer's would close the output too.
    IFile().TCSegyReaderEx::Close();
    if (IFile().Open(name, 0, true) != 0)
        return prc::kPieceOpen;
    m_iTraces = IFile().Traces();
    return 0;
}

bool TUExec_base_mi::IsOutputFile(const std::string& name) const {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(std::filesystem::u8path(name),
                                                  std::filesystem::u8path(m_output), ec);
    return same && !ec;
}
