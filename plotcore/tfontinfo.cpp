#include "plotcore/tfontinfo.h"

#include <QStringList>

namespace {

bool ParseInt(const QString& s, int low, int high, int& out) {
    bool ok = false;
    const int v = s.trimmed().toInt(&ok);
    if (!ok || v < low || v > high)
        return false;
    out = v;
    return true;
}

} // namespace

QFont TFontInfo::ToQFont() const {
    QFont f(name, size);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QString TFontInfo::ToText() const {
    return QStringLiteral("%1;%2;%3;%4;%5")
        .arg(name)
        .arg(charset)
        .arg(size)
        .arg(bold ? 1 : 0)
        .arg(italic ? 1 : 0);
}

bool TFontInfo::FromText(const QString& text, TFontInfo& font) {
    // Texts of 8 characters or fewer cannot hold a usable font.
    if (text.size() <= 8)
        return false;
    const QStringList f = text.split(QLatin1Char(';'));
    if (f.size() != 5 || f[0].trimmed().isEmpty())
        return false;
    TFontInfo r;
    int bold = 0, italic = 0;
    if (!ParseInt(f[1], 0, 255, r.charset) || !ParseInt(f[2], 1, 1000, r.size) ||
        !ParseInt(f[3], 0, 1, bold) || !ParseInt(f[4], 0, 1, italic))
        return false;
    r.name = f[0].trimmed();
    r.bold = bold != 0;
    r.italic = italic != 0;
    font = r;
    return true;
}
