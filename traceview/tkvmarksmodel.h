#pragma once
// The bookmark list as a one-column table ("Имя") over a TCBookmarks that the caller owns; each
// row the bookmark's name with the bookmark image. Call Reset after the list changed.

#include <QAbstractTableModel>
#include <QIcon>

class TCBookmarks;

class TKvMarksModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TKvMarksModel(TCBookmarks* marks, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    // Wraps a change of the list.
    template <class F> void Change(F f) {
        beginResetModel();
        f();
        endResetModel();
    }

private:
    TCBookmarks* m_marks;
    QIcon m_icon;
};
