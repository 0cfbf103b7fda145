#include "viewcore/tcsetarray.h"

#include "apptools/appfolders.h"
#include "corebase/codepage.h"
#include "viewcore/rawimage.h"

#include <QFile>

#include <cstring>

TCSetArray::TCSetArray() {
    static const char* const kDefaultNames[kSetCount] = {
        "Первая",  "Вторая",  "Третья",  "Четвертая", "Пятая",    "Шестая",
        "Седьмая", "Восьмая", "Девятая", "Десятая",   "Последняя"};
    for (int i = 0; i < kSetCount; ++i)
        m_defNames[i] = QString::fromUtf8(kDefaultNames[i]);
    std::memset(m_nameBuf, 0, sizeof m_nameBuf);
    SetInvalid();
}

void TCSetArray::SetInvalid() {
    for (int i = 0; i < kSetCount; ++i) {
        m_sets[i].SetDefaults();
        m_sets[i].signal.mode = -1;
        m_names[i] = m_defNames[i];
    }
}

bool TCSetArray::Valid(int i) const {
    return ValidIndex(i) && m_sets[i].signal.mode >= 0;
}

bool TCSetArray::Exists() const {
    for (int i = 0; i < kLastSet; ++i)
        if (Valid(i))
            return true;
    return false;
}

void TCSetArray::Get(int i, TCViewerParams& out) const {
    if (ValidIndex(i))
        out.TCViewerParams::operator=(m_sets[i]);
}

void TCSetArray::Set(int i, const QString& name, const TCViewerParams& p) {
    if (!ValidIndex(i))
        return;
    m_sets[i] = p;
    m_names[i] = name.isEmpty() ? m_defNames[i] : name;
}

QString TCSetArray::GetName(int i) const {
    return ValidIndex(i) ? m_names[i] : QString();
}

void TCSetArray::GetNames(QStringList& names) const {
    names.clear();
    for (int i = 0; i < kLastSet; ++i)
        names.append(m_names[i]);
}

void TCSetArray::SetLast(const TCViewerParams& p) {
    Set(kLastSet, QStringLiteral("LastSettings"), p);
}

void TCSetArray::CopyNameToBuf(int i) {
    std::memset(m_nameBuf, 0, sizeof m_nameBuf);
    if (!ValidIndex(i))
        return;
    const QByteArray bytes = S_ToAnsi(m_names[i].left(kNameSize)).left(kNameSize);
    std::memcpy(m_nameBuf, bytes.constData(), size_t(bytes.size()));
}

void TCSetArray::GetNameFromBuf(int i) {
    if (!ValidIndex(i))
        return;
    const char* end = static_cast<const char*>(std::memchr(m_nameBuf, 0, kNameSize));
    const int length = end != nullptr ? int(end - m_nameBuf) : kNameSize;
    m_names[i] = S_FromAnsi(QByteArray(m_nameBuf, length));
}

bool TCSetArray::Save(const TCViewerParams& current) {
    m_sets[kLastSet] = current;
    QFile file(KV_GetSetArrayFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int i = 0; i < kSetCount; ++i) {
        CopyNameToBuf(i);
        if (!m_sets[i].Save(&file) || !RI_Write(&file, m_nameBuf, kNameSize))
            return false;
    }
    return true;
}

bool TCSetArray::Load() {
    QFile file(KV_GetSetArrayFile());
    if (!file.open(QIODevice::ReadOnly)) {
        SetInvalid();
        return false;
    }
    for (int i = 0; i < kSetCount; ++i) {
        if (m_sets[i].Load(&file) && RI_Read(&file, m_nameBuf, kNameSize)) {
            GetNameFromBuf(i);
            continue;
        }
        // The file ends or breaks inside set i: i keeps defaults, the rest were never read.
        m_sets[i].SetDefaults();
        m_names[i] = m_defNames[i];
        for (int k = i + 1; k < kSetCount; ++k) {
            m_sets[k].SetDefaults();
            m_sets[k].signal.mode = -1;
            m_names[k] = m_defNames[k];
        }
        return false;
    }
    return true;
}
