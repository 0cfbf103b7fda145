#include "viewcore/tcbookmark.h"

#include "viewcore/rawimage.h"

namespace {

int compareNames(const QString& a, const QString& b) {
    return QString::compare(a.toLower(), b.toLower(), Qt::CaseSensitive);
}

} // namespace

bool TCBookmark::operator<(const TCBookmark& o) const {
    return compareNames(m_name, o.m_name) < 0;
}

bool TCBookmark::operator==(const TCBookmark& o) const {
    return compareNames(m_name, o.m_name) == 0;
}

bool TCBookmark::Save(QIODevice* dev) const {
    const QString name = m_name.left(kMaxNameChars);
    char head[4];
    RI_Put(head, 0, qint32(2 * name.size()));
    QByteArray units(2 * name.size(), '\0');
    for (int i = 0; i < name.size(); ++i)
        RI_Put(units.data(), 2 * i, name.at(i).unicode());
    char tail[8];
    RI_Put(tail, 0, m_x);
    RI_Put(tail, 4, m_y);
    return RI_Write(dev, head, 4) && RI_Write(dev, units.constData(), units.size()) &&
           RI_Write(dev, tail, 8);
}

bool TCBookmark::Load(QIODevice* dev) {
    char head[4];
    if (!RI_Read(dev, head, 4))
        return false;
    const qint32 length = RI_Get<qint32>(head, 0);
    if (length < 0 || length > 2 * kMaxNameChars)
        return false;
    char units[2 * kMaxNameChars];
    if (!RI_Read(dev, units, length))
        return false;
    QString name;
    for (int i = 0; i + 1 < length; i += 2)
        name.append(QChar(RI_Get<quint16>(units, i)));
    char tail[8];
    if (!RI_Read(dev, tail, 8))
        return false;
    m_name = name;
    m_x = RI_Get<qint32>(tail, 0);
    m_y = RI_Get<qint32>(tail, 4);
    return true;
}
