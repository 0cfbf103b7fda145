#pragma once
// A named frame position: the top-left trace (x) and sample (y) of a frame.
// Bookmarks compare by name only, ignoring letter case (Unicode simple lower-casing, so
// Cyrillic and Latin alike). Stream form, little-endian: the name length in bytes (2 x
// characters, at most 60), the first at most 30 characters of the name in UTF-16, x, y.

#include <QPoint>
#include <QString>

class QIODevice;

class TCBookmark {
public:
    static constexpr int kMaxNameChars = 30;

    TCBookmark() = default;
    TCBookmark(const QString& name, int x, int y) : m_name(name), m_x(x), m_y(y) {}

    const QString& GetName() const { return m_name; }
    QPoint GetVertex() const { return QPoint(m_x, m_y); }

    bool operator<(const TCBookmark& o) const;
    bool operator==(const TCBookmark& o) const;
    bool operator!=(const TCBookmark& o) const { return !(*this == o); }

    // False when a write falls short.
    bool Save(QIODevice* dev) const;
    // False on a short read or a name length outside 0..60 bytes.
    bool Load(QIODevice* dev);

private:
    QString m_name;
    qint32 m_x = 0;
    qint32 m_y = 0;
};
