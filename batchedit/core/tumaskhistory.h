#pragma once
// The history of file-number masks, one mask a line, in KE_GetFileName('M').

#include <QStringList>

class TUMaskHistory {
public:
    // Reads the file; a missing file gives an empty history.
    void Load();
    // Writes the file; false when it cannot be written (message 2).
    bool Save() const;
    // Puts `mask` first, removing an older equal entry; an empty mask is not kept.
    void Add(const QString& mask);
    const QStringList& Items() const { return m_items; }

private:
    QStringList m_items;
};
