#pragma once
// One entry of the procedure catalogue, and the behaviour flags a procedure carries.

#include <QString>

enum TUProcFlag : quint16 {
    pfJob = 1,         // takes a job text, checked by the plug-in before a run
    pfFileNumbers = 2, // the job refers to input files by their numbers
    pfOutList = 4,     // several output files per input file
    pfFileNames = 8,   // the input folder and names are appended to the published job
    pfSingleRun = 16,  // one worker run processes every input file
};

struct TUProcRec {
    QString code;  // upper case, 4 or 5 characters
    QString title; // may be empty
    quint16 flags = 0;

    bool Has(TUProcFlag flag) const { return (flags & flag) != 0; }
    // The description file of the record, rebuilt from its fields: KE_GetProcPath() + code +
    // "_" + the flags as three digits + title + ".dsc"; where only a file whose code letters
    // differ in case exists, that file.
    QString DescriptionPath() const;
};
