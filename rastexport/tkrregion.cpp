#include "rastexport/tkrregion.h"

#include "plotcore/tcsviewopts.h"

#include <algorithm>
#include <climits>

namespace {

// A whole unsigned number within int, as the boxes take; -1 for anything else.
qint64 BoxNumber(const QString& text) {
    bool ok = false;
    const uint v = text.trimmed().toUInt(&ok);
    return ok && v <= uint(INT_MAX) ? qint64(v) : -1;
}

} // namespace

QString TKrRegionRules::TimeText(int sample) const {
    return QString::number(qint64(sample) * m_facts.interval);
}

void TKrRegionRules::SetTraces(TKrRegionBoxes& boxes, int first, int last) const {
    boxes.trace1 = QString::number(m_options->TRound(first));
    boxes.trace2 = QString::number(m_options->TRound(last));
}

void TKrRegionRules::SetSamples(TKrRegionBoxes& boxes, int first, int last) const {
    boxes.time1 = TimeText(m_options->SRound(first));
    boxes.time2 = TimeText(m_options->SRound(last));
}

void TKrRegionRules::WholeTimes(TKrRegionBoxes& boxes) const {
    SetSamples(boxes, 1, m_facts.recordLength / m_facts.interval);
}

TKrRegionBoxes TKrRegionRules::Normalised(const TKrRegionBoxes& boxes) const {
    const qint64 t1 = BoxNumber(boxes.trace1), t2 = BoxNumber(boxes.trace2);
    const int first = t1 > 0 ? int(t1) : 1;
    const int last = t2 > 0 && t2 <= m_facts.traces ? int(t2) : m_facts.traces;
    const qint64 time1 = BoxNumber(boxes.time1), time2 = BoxNumber(boxes.time2);
    const int s1 = time1 >= 0 ? int(time1 / m_facts.interval) : 1;
    const int s2 = time2 >= 0 && time2 <= m_facts.recordLength ? int(time2 / m_facts.interval)
                                                               : m_facts.samples;
    TKrRegionBoxes out;
    SetTraces(out, first, last);
    SetSamples(out, s1, s2);
    return out;
}

QRect TKrRegionRules::Domain(const TKrRegionBoxes& boxes) const {
    const auto value = [](const QString& t) { return int(std::max<qint64>(0, BoxNumber(t))); };
    return QRect(QPoint(value(boxes.trace1), value(boxes.time1) / m_facts.interval),
                 QPoint(value(boxes.trace2), value(boxes.time2) / m_facts.interval));
}
