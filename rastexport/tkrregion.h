#pragma once
// The region of the record to export, as the four boxes of the exporter show it: first and last
// trace, first and last time in display units. The rules fill the boxes from the links (whole
// record, the viewer's frame) and normalise what the user typed, so that the traces lie in the
// record, both are rounded to the trace output step, and the times fall on samples of the
// sample output step.

#include <QRect>
#include <QString>

class TCSViewOpts;

// The facts of the open record the region is checked against.
struct TKrRecordFacts {
    int traces = 0;
    int samples = 0;      // per trace
    int interval = 1;     // sample interval in display units, at least 1
    int recordLength = 0; // samples x interval, display units
};

// The texts of the four boxes: traces as numbers, times in display units.
struct TKrRegionBoxes {
    QString trace1, trace2, time1, time2;
    bool operator==(const TKrRegionBoxes& o) const {
        return trace1 == o.trace1 && trace2 == o.trace2 && time1 == o.time1 && time2 == o.time2;
    }
};

class TKrRegionRules {
public:
    // The options give the output steps; they are not owned and must outlive the rules.
    TKrRegionRules(const TKrRecordFacts& facts, const TCSViewOpts* options)
        : m_facts(facts), m_options(options) {}

    // The trace boxes from two trace numbers, each rounded to the trace step.
    void SetTraces(TKrRegionBoxes& boxes, int first, int last) const;
    // The time boxes from two sample numbers, each rounded to the sample step.
    void SetSamples(TKrRegionBoxes& boxes, int first, int last) const;
    // Links: traces or times of the whole record.
    void WholeTraces(TKrRegionBoxes& boxes) const { SetTraces(boxes, 1, m_facts.traces); }
    void WholeTimes(TKrRegionBoxes& boxes) const;

    // First trace: the box if it is a non-zero number, else 1; last trace: the box if it is a
    // non-zero number not above the record's traces, else the last trace. First sample: first
    // time / interval when it is a number, else 1; last sample: last time / interval when it is
    // a number not above the record length, else the last sample. Rounded to the steps, the
    // times shown as sample x interval.
    TKrRegionBoxes Normalised(const TKrRegionBoxes& boxes) const;
    // QRect(QPoint(first trace, first sample), QPoint(last trace, last sample)) of boxes
    // (normalise first); an unreadable box gives 0.
    QRect Domain(const TKrRegionBoxes& boxes) const;

    const TKrRecordFacts& Facts() const { return m_facts; }

private:
    QString TimeText(int sample) const;

    TKrRecordFacts m_facts;
    const TCSViewOpts* m_options;
};
