#pragma once
// Processor-load bookkeeping of a batch run: how many workers are bound to each logical
// processor, and which one the next worker is bound to.

#include <QVector>

class TCConcurrency {
public:
    // One counter per logical processor; at least one.
    explicit TCConcurrency(int processors);

    int Size() const { return int(m_load.size()); }
    int Load(int processor) const { return m_load.at(processor); }
    void Reset();
    // The processor with the fewest workers; the lowest index among equal ones.
    int LeastLoaded() const;
    // Counts a new worker on the least loaded processor and returns that processor. The worker
    // is started bound to it (CP_CreateProc), so it never runs unbound; a worker that cannot
    // start is uncounted with Release.
    int Assign();
    // Uncounts one worker on processor p; p < 0 (no binding) does nothing, never below 0.
    void Release(int p);

private:
    QVector<int> m_load;
};
