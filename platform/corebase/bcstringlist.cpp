#include "corebase/bcstringlist.h"

#include <QFile>
#include <QSaveFile>

int BCStringList::Add(const QString& line) {
    m_lines.append(line);
    return m_lines.size() - 1;
}

void BCStringList::Insert(int index, const QString& line) {
    m_lines.insert(qBound(0, index, int(m_lines.size())), line);
}

void BCStringList::Delete(int index) {
    if (index >= 0 && index < m_lines.size())
        m_lines.removeAt(index);
}

int BCStringList::FindPartial(const QString& text, int from, bool caseSensitive,
                              bool partial) const {
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = qMax(0, from); i < m_lines.size(); ++i) {
        const QString& line = m_lines.at(i);
        if (partial ? line.contains(text, cs) : line.compare(text, cs) == 0)
            return i;
    }
    return -1;
}

bool BCStringList::LoadFromFile(const QString& path, bool clear) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    QStringList lines = QString::fromUtf8(data).split(QLatin1Char('\n'));
    // A final line end does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (clear)
        m_lines.clear();
    m_lines.append(lines);
    return true;
}

bool BCStringList::SaveToFile(const QString& path, bool append) const {
    QByteArray data;
    for (const QString& line : m_lines) {
        data.append(line.toUtf8());
        data.append('\n');
    }
    if (append) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Append) &&
               file.write(data) == data.size();
    }
    // Written beside and renamed, so a failed save never leaves half a file.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

void BCStringList::AddSection(const QString& name, const QStringList& lines) {
    // The count must match the lines the file will hold, or every later section is misread.
    QStringList fileLines;
    for (const QString& line : lines)
        fileLines.append(line.split(QLatin1Char('\n')));
    m_lines.append(name);
    m_lines.append(QString::number(fileLines.size()));
    m_lines.append(fileLines);
}

void BCStringList::AddSection(const QString& name, const QString& text) {
    AddSection(name, text.split(QLatin1Char('\n')));
}

bool BCStringList::ExtractSection(const QString& name, QStringList& lines) const {
    lines.clear();
    int i = 0;
    while (i + 1 < m_lines.size()) {
        bool ok = false;
        const int n = m_lines.at(i + 1).toInt(&ok);
        if (!ok || n < 0)
            return false;
        const int first = i + 2;
        const int count = qMin(n, int(m_lines.size()) - first);
        if (m_lines.at(i) == name) {
            lines = m_lines.mid(first, count);
            return true;
        }
        i = first + count;
    }
    return false;
}

bool BCStringList::ExtractSection(const QString& name, QString& text) const {
    QStringList lines;
    const bool found = ExtractSection(name, lines);
    text = lines.join(QLatin1Char('\n'));
    return found;
}
