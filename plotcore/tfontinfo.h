#pragma once
// A font as the picture properties keep it: name, code-page charset number, size in points,
// bold and italic. Stored as text "name;charset;size;bold;italic", e.g. "Arial;204;8;1;0".

#include <QFont>
#include <QString>

struct TFontInfo {
    QString name = QStringLiteral("Arial");
    int charset = 1;
    int size = 8;
    bool bold = false;
    bool italic = false;

    QFont ToQFont() const;
    QString ToText() const;
    // Parses the stored text strictly (five fields, numbers in range, flags 0 or 1); on any
    // fault `font` is left unchanged and false is returned.
    static bool FromText(const QString& text, TFontInfo& font);

    bool operator==(const TFontInfo& o) const {
        return name == o.name && charset == o.charset && size == o.size && bold == o.bold &&
               italic == o.italic;
    }
};
