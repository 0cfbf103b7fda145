#pragma once
// TUExec_base_a: the base of procedures that edit the traces of one input file into one output
// of the same layout (tva3, fek4, lum6, lum8). The run is TUExec_base_c's; a procedure must parse
// its job (DefineJob) and fit it to the input (CheckJobEx), and overrides the trace operations it
// needs (EditTraceHeader, ProcessSignal).

#include "procbase/tuexec_base_c.h"

class TUExec_base_a : public TUExec_base_c {
public:
    TUExec_base_a(unsigned index, void* window);

    int DefineJob(const std::string& job) override = 0;
    bool CheckJobEx() override = 0;
};
