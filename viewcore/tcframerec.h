#pragma once
// One drawn trace of the frame cache: its time stamp as the SEG-Y reader returns it and the
// total delay applied to it, in samples.

#include <QtGlobal>

struct TCFrameRec {
    double shotTime = 0.0;
    qint16 delay = 0;
};
