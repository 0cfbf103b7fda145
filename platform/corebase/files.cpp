#include "corebase/files.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Only "*" and "?" are special, as in Windows masks: brackets and the rest match themselves
// (Qt's own wildcard syntax would take "[1]" for a character class).
QRegularExpression MaskPattern(const QString& nameMask) {
    QString rx;
    for (const QChar c : nameMask) {
        if (c == QLatin1Char('*'))
            rx += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            rx += QLatin1Char('.');
        else
            rx += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(rx),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

int F_AppendFileList(const QString& mask, QStringList& list, bool fullPaths) {
    const QFileInfo maskInfo(mask);
    const QDir dir = maskInfo.dir();
    const QRegularExpression pattern = MaskPattern(maskInfo.fileName());
    QStringList names;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (pattern.match(name).hasMatch())
            names.append(name);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (const QString& name : names)
        list.append(fullPaths ? dir.filePath(name) : name);
    return int(names.size());
}

bool F_IsFolderEmpty(const QString& folder) {
    return QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                QDir::System);
}

bool F_ClearDirectory(const QString& folder) {
    QDir dir(folder);
    bool ok = dir.exists();
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        ok = dir.remove(name) && ok;
    return ok;
}

QString F_GetMyComputerFolder() {
    return QDir::homePath();
}

