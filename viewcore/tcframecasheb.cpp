#include "viewcore/tcframecasheb.h"

void TCFrameCasheB::DefineFrame(int first, int step) {
    firstTrace = first;
    traceStep = step;
}

void TCFrameCasheB::Add(double shotTime, int delay) {
    m_recs.push_back({shotTime, qint16(delay)});
}

const TCFrameRec* TCFrameCasheB::Find(int trace) const {
    if (traceStep == 0)
        return nullptr;
    const qint64 d = qint64(trace) - firstTrace;
    // A trace before the frame is outside it, not entry 0 by truncation toward zero.
    if ((d < 0) != (traceStep < 0) && d != 0)
        return nullptr;
    const qint64 k = d / traceStep;
    return k < qint64(m_recs.size()) ? &m_recs[size_t(k)] : nullptr;
}

double TCFrameCasheB::GetShotTime(int trace) const {
    const TCFrameRec* r = Find(trace);
    return r != nullptr ? r->shotTime : 0.0;
}

int TCFrameCasheB::GetDelay(int trace) const {
    const TCFrameRec* r = Find(trace);
    return r != nullptr ? r->delay : 0;
}

void TCFrameCasheB::AddDelay(QPoint& p) const {
    p.ry() += GetDelay(p.x());
}
