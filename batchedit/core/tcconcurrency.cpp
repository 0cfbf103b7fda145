#include "core/tcconcurrency.h"

TCConcurrency::TCConcurrency(int processors) : m_load(processors < 1 ? 1 : processors, 0) {}

void TCConcurrency::Reset() {
    m_load.fill(0);
}

int TCConcurrency::LeastLoaded() const {
    int best = 0;
    for (int i = 1; i < m_load.size(); ++i)
        if (m_load[i] < m_load[best])
            best = i;
    return best;
}

int TCConcurrency::Assign() {
    const int p = LeastLoaded();
    ++m_load[p];
    return p;
}

void TCConcurrency::Release(int p) {
    if (p >= 0 && p < m_load.size() && m_load[p] > 0)
        --m_load[p];
}
