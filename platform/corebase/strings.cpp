#include "corebase/strings.h"

QStringList S_StrToStrArray(const QString& text, QChar separator) {
    return text.split(separator, Qt::KeepEmptyParts);
}

int S_Count(const QString& text, QChar ch) { return int(text.count(ch)); }

QString S_Before(const QString& text, QChar ch) {
    const int at = text.indexOf(ch);
    return at < 0 ? text : text.left(at);
}

QString S_After(const QString& text, QChar ch) {
    const int at = text.indexOf(ch);
    return at < 0 ? QString() : text.mid(at + 1);
}

QString S_LeftPad(const QString& text, int width, QChar fill) {
    return text.rightJustified(width, fill, false);
}

bool S_DigitString(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString S_Quote(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}
