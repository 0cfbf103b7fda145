#include "traceview/kvkeymap.h"

#include <QString>

namespace {

// The digit of a key, -1 when the key is not a digit or the shifted symbol of one.
int DigitOf(int key, bool shift) {
    if (key >= '0' && key <= '9')
        return key - '0';
    if (!shift)
        return -1;
    // Symbols on the digit keys 1..9, 0 (US layout, then Russian).
    static const QString us = QStringLiteral("!@#$%^&*()");
    static const QString ru = QStringLiteral("!\"№;%:?*()");
    int i = us.indexOf(QChar(key));
    if (i < 0)
        i = ru.indexOf(QChar(key));
    return i < 0 ? -1 : (i + 1) % 10;
}

} // namespace

KvKeyAction KV_MapKey(int key, bool ctrl, bool shift, bool alt) {
    KvKeyAction a;
    if (!ctrl || (shift && alt) || key <= 0 || key > 0xFFFF)
        return a;
    const int digit = DigitOf(key, shift);
    if (digit >= 0) {
        if (alt)
            return a;
        a.kind = shift ? KvKeyAction::MemorizeSet : KvKeyAction::ApplySet;
        a.number = (digit + 9) % 10;
        return a;
    }
    static const QString letters = QStringLiteral("XYTSADRFLUMNGI");
    const QChar c = QChar(key).toUpper();
    if (c.unicode() < 128 && letters.contains(c)) {
        a.kind = KvKeyAction::Parameter;
        a.letter = char(c.unicode());
    }
    return a;
}
