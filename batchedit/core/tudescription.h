#pragma once
// A procedure description (the content of its .dsc file) as plain text. Descriptions are plain
// text, in UTF-8 or, as written on Russian Windows installs, Windows-1251; or rich text (RTF),
// of which the text is kept: paragraphs and tabs as line feeds and tabs, "\'hh" escapes read in
// Windows-1251, "\uN" characters, and the groups that hold no text (font and colour tables,
// styles, document information, pictures, "\*" destinations) left out.

#include <QByteArray>
#include <QString>

class TUDescription {
public:
    static QString PlainText(const QByteArray& bytes);
    static QString RtfText(const QByteArray& rtf);
};
