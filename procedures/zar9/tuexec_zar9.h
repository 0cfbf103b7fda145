#pragma once
// TUExec_zar9: sorts the traces of one input into one output file per source or receiver
// gather, named "<base>#<name>.<ext>" beside the output path.

#include "procbase/tuexec_base_mo.h"
#include "zar9/tujob_zar9.h"

class TUExec_zar9 : public TUExec_base_mo {
public:
    TUExec_zar9(unsigned index, void* window);

    int DefineJob(const std::string& job) override;
    // Builds the trace table and the plan: throws 210 for a key outside 32 bits, 211 for two
    // gathers of one name.
    bool CheckJobEx() override;
    void OSetFileProps() override;
    void EditTraceHeader(int n) override;
    std::string OutputFileName(int k, const std::string& name) override;
    int ScanSteps() override;
    bool NextOutputFile(int& k) override;
    bool NextOutputTrace(int k, int& trace) override;

    // The path with "#<gather>" inserted before the first '.' of its file name part
    // (survey.sgy gives survey#1017.sgy), or appended when the name has no '.'; the batch
    // editor's output file list finds the files by the same rule.
    static std::string GatherFileName(const std::string& path, std::int32_t gather);

private:
    TUJob_zar9 m_job;
};
