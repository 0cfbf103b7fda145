#pragma once
// String helpers of the S_ family.

#include <QString>
#include <QStringList>

// Splits at every `separator`; empty pieces are kept, so "a;;b" gives three.
QStringList S_StrToStrArray(const QString& text, QChar separator);
// Number of occurrences of `ch` in `text`.
int S_Count(const QString& text, QChar ch);
// The text before the first `ch`, or the whole text when there is none.
QString S_Before(const QString& text, QChar ch);
// The text after the first `ch`, or an empty text when there is none.
QString S_After(const QString& text, QChar ch);
// `text` padded on the left with `fill` to at least `width` characters.
QString S_LeftPad(const QString& text, int width, QChar fill);
// True when `text` is not empty and holds only the decimal digits 0 to 9.
bool S_DigitString(const QString& text);
// `text` between double quotes.
QString S_Quote(const QString& text);
