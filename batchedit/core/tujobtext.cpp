#include "core/tujobtext.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

QString TUJobText::Normalise(const QStringList& lines) {
    return lines.join(QString()).remove(QLatin1Char(' '));
}

int TUJobText::FirstBadChar(const QString& text, const QString& allowed) {
    for (int i = 0; i < text.size(); ++i)
        if (!allowed.contains(text[i]))
            return i;
    return -1;
}

QString TUJobText::ShownChar(QChar c) {
    if (c.isPrint() && !c.isSpace())
        return QString(c);
    return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

QStringList TUJobText::FileNumberLines(int count, const QString& mask) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QString::number(i) + mask);
    return lines;
}

QString TUJobText::Published(const QString& job, bool withNames, const QString& inputFolder,
                             const QStringList& names) {
    QString text = job;
    if (withNames) {
        text += QLatin1Char('|') + inputFolder;
        for (const QString& name : names)
            text += QLatin1Char('|') + name;
    }
    return text;
}

QString TUJobText::JobFileName(const QString& chosen) {
    const QFileInfo info(chosen);
    const QString suffix = info.suffix();
    QString base = chosen;
    if (!suffix.isEmpty() && !info.completeBaseName().isEmpty())
        base.chop(suffix.size() + 1);
    return base + QStringLiteral(".txt");
}

bool TUJobText::Save(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    for (const QString& line : lines)
        out << line << '\n';
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError;
}

bool TUJobText::Load(const QString& path, QStringList& lines) {
    // A device or a huge file named by mistake would be read without end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxFileSize)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QStringList read;
    QTextStream in(&file);
    while (!in.atEnd())
        read.append(in.readLine());
    lines = read;
    return true;
}
