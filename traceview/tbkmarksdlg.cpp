#include "traceview/tbkmarksdlg.h"

#include "traceview/tkvmarksmodel.h"
#include "ui_tbkmarksdlg.h"
#include "uikit/helpwindow.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>

#include <algorithm>

namespace {
constexpr int kHelpTopic = 482;
// The height the list had when it last closed in this run; 0 before the first call.
int g_height = 0;
} // namespace

TBkMarksDlg::TBkMarksDlg(TCBookmarks& marks, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TBkMarksDlg>()), m_marks(marks), m_copy(marks) {
    m_ui->setupUi(this);
    if (g_height > 0)
        resize(width(), g_height);
    m_model = new TKvMarksModel(&m_copy, this);
    QTreeView* view = m_ui->p_lvMarks;
    view->setModel(m_model);
    view->header()->setStretchLastSection(true);

    m_go = new QAction(QStringLiteral("&Перейти   (дв. щелчок)"), this);
    m_go->setObjectName(QStringLiteral("p_miGo"));
    m_sort = new QAction(QStringLiteral("&Упорядочить"), this);
    m_sort->setObjectName(QStringLiteral("p_miSort"));
    m_delete = new QAction(QStringLiteral("Уд&алить выделенные"), this);
    m_delete->setObjectName(QStringLiteral("p_miDelete"));
    m_delete->setShortcut(QKeySequence(Qt::Key_Delete));
    m_delete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_delete);
    connect(m_go, &QAction::triggered, this, &TBkMarksDlg::GoTo);
    connect(m_sort, &QAction::triggered, this, [this] {
        m_model->Change([this] { m_copy.SortByName(); });
        m_ui->p_lvMarks->setCurrentIndex(m_model->index(0, 0));
        UpdateActions();
    });
    connect(m_delete, &QAction::triggered, this, &TBkMarksDlg::DeleteSelected);
    connect(view, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        UpdateActions();
        QMenu menu(this);
        menu.addActions({m_go, m_sort, m_delete});
        menu.exec(m_ui->p_lvMarks->viewport()->mapToGlobal(p));
    });
    connect(view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        if (m_ui->p_lvMarks->selectionModel()->isRowSelected(i.row(), QModelIndex()))
            GoTo();
    });
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        // A click on empty space clears the selection; the focused row stays selected.
        QItemSelectionModel* sel = m_ui->p_lvMarks->selectionModel();
        const QModelIndex cur = m_ui->p_lvMarks->currentIndex();
        if (!sel->hasSelection() && cur.isValid())
            sel->select(cur, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        UpdateActions();
    });
    connect(m_ui->p_bnClose, &QPushButton::clicked, this, &QDialog::reject);
    SetHelpTopic(this, kHelpTopic);
    InstallHelpKey(this);
    UpdateActions();
}

TBkMarksDlg::~TBkMarksDlg() = default;

bool TBkMarksDlg::Execute(QWidget* parent, TCBookmarks& marks, QPoint* vertex) {
    TBkMarksDlg dlg(marks, parent);
    if (dlg.exec() != QDialog::Accepted || dlg.Chosen() < 0)
        return false;
    *vertex = dlg.List().At(dlg.Chosen()).GetVertex();
    return true;
}

void TBkMarksDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (m_copy.Count() > 0 && !m_ui->p_lvMarks->currentIndex().isValid())
        m_ui->p_lvMarks->setCurrentIndex(m_model->index(0, 0));
    m_ui->p_lvMarks->setFocus();
}

QList<int> TBkMarksDlg::SelectedRows() const {
    QList<int> rows;
    for (const QModelIndex& i : m_ui->p_lvMarks->selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TBkMarksDlg::UpdateActions() {
    const int selected = int(SelectedRows().size());
    m_go->setEnabled(selected == 1);
    m_sort->setEnabled(m_copy.Count() > 1);
    m_delete->setEnabled(selected > 0);
}

void TBkMarksDlg::GoTo() {
    const QList<int> rows = SelectedRows();
    if (rows.size() != 1)
        return;
    m_chosen = rows.first();
    accept();
}

void TBkMarksDlg::DeleteSelected() {
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    m_model->Change([&] {
        if (rows.size() == m_copy.Count()) {
            m_copy.Delete(-1);
            return;
        }
        for (auto it = rows.crbegin(); it != rows.crend(); ++it)
            m_copy.Delete(*it);
    });
    if (m_copy.Count() > 0)
        m_ui->p_lvMarks->setCurrentIndex(
            m_model->index(std::min(rows.first(), m_copy.Count() - 1), 0));
    UpdateActions();
}

void TBkMarksDlg::done(int r) {
    g_height = height();
    if (m_ui->p_chbSave->isChecked())
        m_marks = m_copy;
    QDialog::done(r);
}
