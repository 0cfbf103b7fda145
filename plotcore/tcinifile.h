#pragma once
// A small INI file: named sections of key=value lines, UTF-8, read and written whole.
// Section and key names compare without regard to case; keys and values are trimmed, as the
// classic profile routines do. Lines that are neither sections nor key=value are ignored.

#include <QString>
#include <QStringList>
#include <vector>

class TCIniFile {
public:
    // False when the file cannot be read; the contents are then empty.
    bool Load(const QString& path);
    // Written through a temporary file, so a failed save leaves the old file.
    bool Save(const QString& path) const;

    QString Value(const QString& section, const QString& key,
                  const QString& fallback = QString()) const;
    bool Contains(const QString& section, const QString& key) const;
    void SetValue(const QString& section, const QString& key, const QString& value);

private:
    struct Section {
        QString name;
        QStringList keys;
        QStringList values;
    };
    // Index of the section, -1 when there is none.
    int Find(const QString& name) const;
    Section& Obtain(const QString& name);
    std::vector<Section> m_sections;
};
