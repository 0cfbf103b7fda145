#include "traceview/tcframehistory.h"

void TCFrameHistory::Record(const QPoint& vertex) {
    if (m_pos != 0 || (!m_list.empty() && m_list.front() == vertex))
        return;
    if (Count() >= kMaxEntries)
        m_list.pop_back();
    m_list.push_front(vertex);
    m_pos = 0;
}

void TCFrameHistory::Clear() {
    m_list.clear();
    m_pos = 0;
}

QPoint TCFrameHistory::Back() {
    if (CanBack())
        ++m_pos;
    return m_list.empty() ? QPoint() : m_list[size_t(m_pos)];
}

QPoint TCFrameHistory::Forward() {
    if (CanForward())
        --m_pos;
    return m_list.empty() ? QPoint() : m_list[size_t(m_pos)];
}
