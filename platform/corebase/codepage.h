#pragma once
// Single-byte names in the Windows-1251 code page, so stored names move between Linux and
// Russian Windows installations unchanged.

#include <QByteArray>
#include <QString>

// Windows-1251 bytes of `text`; a character the code page lacks becomes '?'.
QByteArray S_ToAnsi(const QString& text);
// The text of Windows-1251 bytes (every byte value has a character, except 0x98, read as '?').
QString S_FromAnsi(const QByteArray& bytes);
