#pragma once
// Gain factors at chosen trace numbers; a trace between two entries gets the linearly
// interpolated gain. Kept sorted by trace number; at most 50 entries when filled through Add.
//
// Stream form: a signed 32-bit count, then per entry a signed 32-bit trace and a 32-bit float
// gain, little-endian.

#include <QtGlobal>

#include <vector>

class QIODevice;

struct TCAgaRec {
    qint32 trace;
    float gain;
};

class TCAGATable {
public:
    static constexpr int kMaxEntries = 50;

    int Count() const { return int(m_recs.size()); }
    const TCAgaRec& At(int i) const { return m_recs.at(size_t(i)); }
    void Clear() { m_recs.clear(); }

    // Position of the entry for `trace`, or -1.
    int IndexOf(int trace) const;
    // False on a full table (also for a trace it holds); else replaces the gain of a present
    // trace or inserts a new entry in trace order.
    bool Add(int trace, float gain);
    // Removes entry i; an index outside the table does nothing.
    void Delete(int i);
    // 0 for an empty table; the end gains beyond the ends; linear in between.
    float Gain(int trace) const;

    // False at the first short write.
    bool Save(QIODevice* dev) const;
    // False on a short read or a negative count (the entries read so far stay). The count is not
    // limited to 50, but a count the rest of the device cannot hold fails before any entry is
    // read, so a damaged count never allocates.
    bool Load(QIODevice* dev);

private:
    void Sort();

    std::vector<TCAgaRec> m_recs;
};
