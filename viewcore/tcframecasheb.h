#pragma once
// Time stamp and total delay of every trace of the frame being drawn, so that a cursor read-out
// can turn a displayed sample back into the recorded one. Entry k belongs to trace
// firstTrace + k x traceStep. A trace outside the cached frame reads as time 0 and delay 0.

#include "viewcore/tcframerec.h"

#include <QPoint>

#include <vector>

class TCFrameCasheB {
public:
    // Empties the list (the owner does this at the frame's first trace).
    void Clear() { m_recs.clear(); }
    int Count() const { return int(m_recs.size()); }
    void DefineFrame(int first, int step);
    // Appends one trace; the delay is kept as 16 bits.
    void Add(double shotTime, int delay);
    double GetShotTime(int trace) const;
    int GetDelay(int trace) const;
    // p.y += the delay of the trace p.x.
    void AddDelay(QPoint& p) const;

    qint32 firstTrace = 1;
    qint32 traceStep = 1;

private:
    const TCFrameRec* Find(int trace) const;

    std::vector<TCFrameRec> m_recs;
};
