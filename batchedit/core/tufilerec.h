#pragma once
// One input file of the batch and its state in the current batch run.

#include "corebase/process.h"

#include <QString>

enum TUFileState {
    fsIdle = 0,          // not run in this batch run
    fsRunning = 1,       // the worker reported its start or progress
    fsDone = 2,          // finished with result 0
    fsFailed = 3,        // finished with another result
    fsStopRequested = 4, // a soft stop was asked; the worker learns it when it asks
};

struct TUFileRec {
    QString name; // without folder
    quint16 percent = 0;
    qint16 result = -1;
    CP_ProcInfo hProcess; // pid 0 when no worker runs
    int state = fsIdle;
    qint16 core = -1; // processor the worker is bound to, -1 when none

    bool IsFinal() const { return state == fsDone || state == fsFailed; }
};
