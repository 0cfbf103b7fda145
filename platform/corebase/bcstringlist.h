#pragma once
// An ordered list of strings that is also the project's sectioned text file.
//
// A section is written as its name line (for example "[INPUT DIR]"), a line with the number of
// lines that follow, then those lines exactly. Sections are found by walking the list from the
// start, header by header, so a section line that looks like a header, or is empty, is never
// taken for one. Files are UTF-8 text with "\n" line ends; "\r\n" is accepted when reading.

#include <QString>
#include <QStringList>

class BCStringList {
public:
    BCStringList() = default;
    virtual ~BCStringList() = default;

    int Count() const { return m_lines.size(); }
    bool IsEmpty() const { return m_lines.isEmpty(); }
    const QString& At(int index) const { return m_lines.at(index); }
    const QStringList& Lines() const { return m_lines; }
    void Clear() { m_lines.clear(); }

    // Appends and returns the new line's index.
    int Add(const QString& line);
    // Inserts before index (clamped to 0..Count()).
    void Insert(int index, const QString& line);
    // Removes the line at index; an index outside the list does nothing.
    void Delete(int index);

    // Index of the first line from `from` on that equals `text` (or, with `partial`, contains
    // it), compared case-sensitively only with `caseSensitive`; -1 when none.
    int FindPartial(const QString& text, int from, bool caseSensitive, bool partial) const;

    // Reads the file; with `clear` the list is emptied first, else lines are appended.
    // False when the file cannot be read (the list is then as before).
    bool LoadFromFile(const QString& path, bool clear);
    // Writes every line; with `append` the lines go after what the file holds.
    bool SaveToFile(const QString& path, bool append) const;

    // An entry of `lines` that holds line ends is stored as the lines it holds.
    void AddSection(const QString& name, const QStringList& lines);
    void AddSection(const QString& name, const QString& text);
    // The lines of the first section called `name`; false (and `lines` emptied) when absent.
    bool ExtractSection(const QString& name, QStringList& lines) const;
    // The same, joined with "\n" into one text.
    bool ExtractSection(const QString& name, QString& text) const;

protected:
    QStringList m_lines;
};
