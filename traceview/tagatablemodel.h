#pragma once
// The gain table as a read-only list: an empty first column, "Трасса" and "Усиление, дБ" (the
// factor in decibels, 2 decimals). The table is not owned; Refresh tells the views when it was
// changed from outside.

#include <QAbstractTableModel>

#include <vector>

class TCAGATable;

class TAgaTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TAgaTableModel(const TCAGATable* table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    // Resets the views when the table differs from what they show; true when it did.
    bool Refresh();

private:
    const TCAGATable* m_table;
    std::vector<std::pair<int, float>> m_shown;
};
