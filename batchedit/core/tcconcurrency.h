#pragma once
// Processor-load bookkeeping of a batch run: how many workers are bound to each logical
// processor, and binding a new worker to the least loaded one.

#include <QVector>

struct CP_ProcInfo;

class TCConcurrency {
public:
    // One counter per logical processor; at least one.
    explicit TCConcurrency(int processors);

    int Size() const { return int(m_load.size()); }
    int Load(int processor) const { return m_load.at(processor); }
    void Reset();
    // The processor with the fewest workers; the lowest index among equal ones.
    int LeastLoaded() const;
    // Binds the process to the least loaded processor, counts it there and returns it.
    int Assign(const CP_ProcInfo& process);
    // Uncounts one worker on processor p; p < 0 (no binding) does nothing, never below 0.
    void Release(int p);

private:
    QVector<int> m_load;
};
