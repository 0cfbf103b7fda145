#include "core/tumaskhistory.h"

#include "apptools/appfolders.h"
#include "core/tujobtext.h"

void TUMaskHistory::Load() {
    m_items.clear();
    QStringList lines;
    if (TUJobText::Load(KE_GetFileName(QLatin1Char('M')), lines))
        for (const QString& line : lines)
            if (!line.isEmpty())
                m_items.append(line);
}

bool TUMaskHistory::Save() const {
    return TUJobText::Save(KE_GetFileName(QLatin1Char('M')), m_items);
}

void TUMaskHistory::Add(const QString& mask) {
    if (mask.isEmpty())
        return;
    m_items.removeAll(mask);
    m_items.prepend(mask);
}
