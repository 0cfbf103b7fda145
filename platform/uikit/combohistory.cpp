#include "uikit/combohistory.h"

#include <QComboBox>
#include <algorithm>

void CB_AddToCombo(QComboBox* combo, const QString& text, int maxCount) {
    const QSignalBlocker silent(combo);
    for (int i = combo->count() - 1; i >= 0; --i) {
        if (combo->itemText(i) == text)
            combo->removeItem(i);
    }
    combo->insertItem(0, text);
    const int keep = std::max(1, maxCount);
    while (combo->count() > keep)
        combo->removeItem(combo->count() - 1);
    combo->setCurrentIndex(0);
}

void CB_MoveSelectedUp(QComboBox* combo) {
    const int selected = combo->currentIndex();
    if (selected <= 0)
        return;
    const QSignalBlocker silent(combo);
    const QString text = combo->itemText(selected);
    const QVariant data = combo->itemData(selected);
    combo->removeItem(selected);
    combo->insertItem(0, text, data);
    combo->setCurrentIndex(0);
}

void CB_SetCombo(QComboBox* combo, const QString& text) {
    const QSignalBlocker silent(combo);
    int found = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found < 0) {
        combo->insertItem(0, text);
        found = 0;
    }
    combo->setCurrentIndex(found);
}
