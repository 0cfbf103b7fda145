#pragma once
// The frames shown lately, newest first, at most 20, and a position in that list (0 = newest)
// for Back and Forward. While the position is not the newest, frames shown are not recorded.

#include <QPoint>

#include <deque>

class TCFrameHistory {
public:
    static constexpr int kMaxEntries = 20;

    // Records a frame vertex shown by a move (not by Back, Forward or a redraw).
    void Record(const QPoint& vertex);
    void Clear();

    int Count() const { return int(m_list.size()); }
    int Position() const { return m_pos; }
    QPoint At(int i) const { return m_list.at(size_t(i)); }

    bool CanBack() const { return m_pos < Count() - 1; }
    bool CanForward() const { return m_pos >= 1; }
    // Moves one entry older (newer) and returns its vertex; call only when allowed.
    QPoint Back();
    QPoint Forward();

private:
    std::deque<QPoint> m_list;
    int m_pos = 0;
};
