#include "core/tuerrorlist.h"

#include "apptools/appfolders.h"
#include "core/tujobtext.h"
#include "corebase/strings.h"

#include <QFile>

QString TUErrorList::ShippedPath() {
    return KT_GetAppDir() + QStringLiteral("/ked_errors.lst");
}

bool TUErrorList::Load() {
    const QString path = KE_GetFileName(QLatin1Char('E'));
    if (!QFile::exists(path))
        QFile::copy(ShippedPath(), path);
    m_lines.clear();
    QStringList lines;
    if (!TUJobText::Load(path, lines))
        return false;
    for (const QString& line : lines)
        if (line.contains(QLatin1Char('=')))
            m_lines.append(line);
    return true;
}

QString TUErrorList::Text(int code) const {
    const QString key = QString::number(code);
    for (const QString& line : m_lines)
        if (S_Before(line, QLatin1Char('=')).trimmed() == key)
            return S_After(line, QLatin1Char('='));
    return QString();
}
