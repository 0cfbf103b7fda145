#pragma once
// The list of worker result codes and their texts, lines "code=text", kept in
// KE_GetFileName('E'). The program ships its own copy (ked_errors.lst beside the programs),
// which is put in place on the first start.

#include <QString>
#include <QStringList>

class TUErrorList {
public:
    // Copies the shipped list into place when there is none yet, then reads it.
    // False when no list could be read (the list is then empty).
    bool Load();
    const QStringList& Lines() const { return m_lines; }
    // The text for `code`, an empty text when the list has none.
    QString Text(int code) const;
    // The shipped list beside the programs.
    static QString ShippedPath();

private:
    QStringList m_lines;
};
