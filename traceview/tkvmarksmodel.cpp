#include "traceview/tkvmarksmodel.h"

#include "viewcore/tcbookmarks.h"

#include <QApplication>
#include <QStyle>

TKvMarksModel::TKvMarksModel(TCBookmarks* marks, QObject* parent)
    : QAbstractTableModel(parent), m_marks(marks),
      m_icon(QApplication::style()->standardIcon(QStyle::SP_FileLinkIcon)) {}

int TKvMarksModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_marks->Count();
}

int TKvMarksModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1;
}

QVariant TKvMarksModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_marks->At(index.row()).GetName();
    if (role == Qt::DecorationRole)
        return m_icon;
    return QVariant();
}

QVariant TKvMarksModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && section == 0 && role == Qt::DisplayRole)
        return QStringLiteral("Имя");
    return QVariant();
}
