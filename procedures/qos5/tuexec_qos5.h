#pragma once
// TUExec_qos5: joins trace ranges of several input files into one output, in job order, all
// traces brought to one length (cut, or padded with zero samples).

#include "procbase/tuexec_base_mi.h"
#include "qos5/tujob_qos5.h"

class TUExec_qos5 : public TUExec_base_mi {
public:
    TUExec_qos5(unsigned index, void* window);

    // Parses the run-time text: throws 1, 2, 210 or 211.
    int DefineJob(const std::string& job) override;
    // Opens every piece's file: throws 100 (cannot open), 212 (range beyond the file), 213
    // (sample format, byte order or interval differ), 156 (a piece's file is the output).
    bool CheckJobEx() override;
    // Throws 214 when the output would hold more than 2147483647 traces.
    void OSetFileProps() override;
    // Reads only the current piece's traces A..B of its file, so a short piece of a long file
    // costs its own traces, and every trace read counts for progress and the stop query.
    void ProcessTraces() override;
    int MapTraceIndex() override;
    void ProcessSignal(int n) override;
    void EditFileHeader() override;
    void EditTraceHeader(int n) override;
    bool NextInputFile(std::string& name) override;

private:
    TUJob_qos5 m_job;
};
