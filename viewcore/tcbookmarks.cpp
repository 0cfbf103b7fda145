#include "viewcore/tcbookmarks.h"

#include "viewcore/rawimage.h"

#include <QFile>

#include <algorithm>

int TCBookmarks::IndexOf(const QString& name) const {
    const TCBookmark probe(name, 0, 0);
    for (size_t i = 0; i < m_marks.size(); ++i)
        if (m_marks[i] == probe)
            return int(i);
    return -1;
}

void TCBookmarks::Add(const QString& name, const QPoint& vertex) {
    m_marks.emplace_back(name, vertex.x(), vertex.y());
}

void TCBookmarks::Delete(int i) {
    if (i < 0)
        m_marks.clear();
    else if (i < Count())
        m_marks.erase(m_marks.begin() + i);
}

void TCBookmarks::SortByName() {
    std::stable_sort(m_marks.begin(), m_marks.end());
}

bool TCBookmarks::Exists(const QPoint& vertex) const {
    return std::any_of(m_marks.begin(), m_marks.end(),
                       [&](const TCBookmark& b) { return b.GetVertex() == vertex; });
}

bool TCBookmarks::Save(const QString& path) const {
    if (m_marks.empty())
        return !QFile::exists(path) || QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    char head[4];
    RI_Put(head, 0, qint32(m_marks.size()));
    if (!RI_Write(&file, head, 4))
        return false;
    for (const TCBookmark& b : m_marks)
        if (!b.Save(&file))
            return false;
    return true;
}

bool TCBookmarks::Load(const QString& path) {
    m_marks.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    char head[4];
    if (!RI_Read(&file, head, 4))
        return false;
    const qint32 count = RI_Get<qint32>(head, 0);
    if (count < 1)
        return false;
    // Read one by one: a damaged count ends at the end of the file, never in a huge allocation.
    for (qint32 i = 0; i < count; ++i) {
        TCBookmark b;
        if (!b.Load(&file))
            return false;
        m_marks.push_back(b);
    }
    return true;
}
