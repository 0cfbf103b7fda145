#include "viewcore/tcagatable.h"

#include "viewcore/rawimage.h"

#include <algorithm>

int TCAGATable::IndexOf(int trace) const {
    for (size_t i = 0; i < m_recs.size(); ++i)
        if (m_recs[i].trace == trace)
            return int(i);
    return -1;
}

bool TCAGATable::Add(int trace, float gain) {
    if (Count() >= kMaxEntries)
        return false;
    const int i = IndexOf(trace);
    if (i >= 0) {
        m_recs[size_t(i)].gain = gain;
    } else {
        m_recs.push_back({trace, gain});
        Sort();
    }
    return true;
}

void TCAGATable::Delete(int i) {
    if (i >= 0 && i < Count())
        m_recs.erase(m_recs.begin() + i);
}

float TCAGATable::Gain(int trace) const {
    if (m_recs.empty())
        return 0.0f;
    if (trace <= m_recs.front().trace)
        return m_recs.front().gain;
    if (trace >= m_recs.back().trace)
        return m_recs.back().gain;
    for (size_t i = 0; i + 1 < m_recs.size(); ++i) {
        const TCAgaRec& a = m_recs[i];
        const TCAgaRec& b = m_recs[i + 1];
        if (a.trace < trace && trace <= b.trace) {
            // In extended precision from the start: traces read from a file may span the
            // whole 32-bit range, where the integer differences would overflow.
            const long double t = ((long double)trace - a.trace) / ((long double)b.trace - a.trace);
            return float(a.gain + (long double)(b.gain - a.gain) * t);
        }
    }
    return m_recs.back().gain;
}

void TCAGATable::Sort() {
    std::stable_sort(m_recs.begin(), m_recs.end(),
                     [](const TCAgaRec& a, const TCAgaRec& b) { return a.trace < b.trace; });
}

bool TCAGATable::Save(QIODevice* dev) const {
    char buf[8];
    RI_Put(buf, 0, qint32(m_recs.size()));
    if (!RI_Write(dev, buf, 4))
        return false;
    for (const TCAgaRec& r : m_recs) {
        RI_Put(buf, 0, r.trace);
        RI_Put(buf, 4, r.gain);
        if (!RI_Write(dev, buf, 8))
            return false;
    }
    return true;
}

bool TCAGATable::Load(QIODevice* dev) {
    char buf[8];
    if (!RI_Read(dev, buf, 4))
        return false;
    const qint32 n = RI_Get<qint32>(buf, 0);
    m_recs.clear();
    if (n < 0)
        return false;
    if (!dev->isSequential() && qint64(n) * 8 > dev->size() - dev->pos())
        return false;
    for (qint32 i = 0; i < n; ++i) {
        if (!RI_Read(dev, buf, 8))
            return false;
        m_recs.push_back({RI_Get<qint32>(buf, 0), RI_Get<float>(buf, 4)});
    }
    if (n > 1)
        Sort();
    return true;
}
