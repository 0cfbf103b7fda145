#include "traceview/tagatablemodel.h"

#include "viewcore/tcagatable.h"
#include "viewcore/tcsignal.h"

TAgaTableModel::TAgaTableModel(const TCAGATable* table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table) {
    Refresh();
}

int TAgaTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shown.size());
}

int TAgaTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant TAgaTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(m_shown.size()))
        return QVariant();
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    const auto& e = m_shown[size_t(index.row())];
    switch (index.column()) {
    case 1:
        return QString::asprintf("%i", e.first);
    case 2:
        return QString::number(TCSignal::FactorToDecibel(e.second), 'f', 2);
    default:
        return QString();
    }
}

QVariant TAgaTableModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case 1:
        return QStringLiteral("Трасса");
    case 2:
        return QStringLiteral("Усиление, дБ");
    default:
        return QString();
    }
}

bool TAgaTableModel::Refresh() {
    std::vector<std::pair<int, float>> now;
    now.reserve(size_t(m_table->Count()));
    for (int i = 0; i < m_table->Count(); ++i)
        now.emplace_back(m_table->At(i).trace, m_table->At(i).gain);
    if (now == m_shown)
        return false;
    beginResetModel();
    m_shown = std::move(now);
    endResetModel();
    return true;
}
