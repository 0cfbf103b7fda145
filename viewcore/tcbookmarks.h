#pragma once
// The bookmarks of one SEG-Y file, in insertion order until sorted. Names are not forced to be
// unique here; the viewer tests IndexOf before adding.
//
// File, little-endian: a signed 32-bit count (at least 1), then every bookmark's stream form.

#include "viewcore/tcbookmark.h"

#include <QString>

#include <vector>

class TCBookmarks {
public:
    int Count() const { return int(m_marks.size()); }
    const TCBookmark& At(int i) const { return m_marks.at(size_t(i)); }

    // Position of the first bookmark of that name (letter case ignored), or -1.
    int IndexOf(const QString& name) const;
    void Add(const QString& name, const QPoint& vertex);
    // i < 0 empties the list; a valid i removes entry i; a larger i does nothing.
    void Delete(int i);
    // Case-insensitive name order.
    void SortByName();
    // Some bookmark has exactly this vertex.
    bool Exists(const QPoint& vertex) const;

    // An empty list removes the file; else the file is written (a failing bookmark ends the
    // writing). True when everything was written (or the empty list's file is gone).
    bool Save(const QString& path) const;
    // Empties the list and reads the file; false for a missing file, a count below 1 or a
    // failing bookmark (the bookmarks read before it stay).
    bool Load(const QString& path);

private:
    std::vector<TCBookmark> m_marks;
};
