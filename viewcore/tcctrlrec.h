#pragma once
// One entry of the parameter controller: a name, the flag code that switches it (-1: none) and
// the numeric code that changes it (-1: none), codes as in TCViewerParams.

#include <QString>
#include <QtGlobal>

struct TCCtrlRec {
    QString name;
    qint8 flag = -1;
    qint8 numeric = -1;
};
