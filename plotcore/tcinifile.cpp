#include "plotcore/tcinifile.h"

#include <QFile>
#include <QSaveFile>

namespace {

int IndexOf(const QStringList& keys, const QString& key) {
    for (int i = 0; i < keys.size(); ++i)
        if (keys[i].compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

} // namespace

bool TCIniFile::Load(const QString& path) {
    m_sections.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    Section* current = nullptr;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = &Obtain(line.mid(1, line.size() - 2).trimmed());
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (!current || eq <= 0 || line.startsWith(QLatin1Char(';')))
            continue;
        const QString key = line.left(eq).trimmed();
        if (IndexOf(current->keys, key) >= 0)
            continue; // the first occurrence wins
        current->keys << key;
        current->values << line.mid(eq + 1).trimmed();
    }
    return true;
}

bool TCIniFile::Save(const QString& path) const {
    QByteArray text;
    for (const Section& s : m_sections) {
        text += '[' + s.name.toUtf8() + "]\n";
        for (int i = 0; i < s.keys.size(); ++i)
            text += s.keys[i].toUtf8() + '=' + s.values[i].toUtf8() + '\n';
        text += '\n';
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(text) != text.size())
        return false;
    return f.commit();
}

int TCIniFile::Find(const QString& name) const {
    for (size_t i = 0; i < m_sections.size(); ++i)
        if (m_sections[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

TCIniFile::Section& TCIniFile::Obtain(const QString& name) {
    const int i = Find(name);
    if (i >= 0)
        return m_sections[size_t(i)];
    m_sections.push_back({name, {}, {}});
    return m_sections.back();
}

QString TCIniFile::Value(const QString& section, const QString& key,
                         const QString& fallback) const {
    const int si = Find(section);
    if (si < 0)
        return fallback;
    const Section& s = m_sections[size_t(si)];
    const int i = IndexOf(s.keys, key);
    return i >= 0 ? s.values[i] : fallback;
}

bool TCIniFile::Contains(const QString& section, const QString& key) const {
    const int si = Find(section);
    return si >= 0 && IndexOf(m_sections[size_t(si)].keys, key) >= 0;
}

void TCIniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    Section& s = Obtain(section);
    // Line breaks would split the entry into lines of their own.
    QString flat = value;
    flat.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    const int i = IndexOf(s.keys, key);
    if (i >= 0) {
        s.values[i] = flat;
    } else {
        s.keys << key;
        s.values << flat;
    }
}
