#include "traceview/tmemsetdlg.h"

#include "ui_tmemsetdlg.h"
#include "uikit/helpwindow.h"

namespace {
constexpr int kHelpTopic = 483;
}

TMemSetDlg::TMemSetDlg(const QStringList& names, int preset, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TMemSetDlg>()), m_names(names) {
    m_ui->setupUi(this);
    QListWidget* list = m_ui->p_lbxNumber;
    for (int i = 0; i < 10; ++i)
        list->addItem(QString::number((i + 1) % 10));
    // All ten numbers in view, no more: the row height is the font's.
    list->setFixedHeight(list->sizeHintForRow(0) * 10 + 2 * list->frameWidth());
    m_ui->p_edName->setEnabled(false);
    m_ui->p_bnOk->setEnabled(false);
    // Selection, not the current row: the list makes its first row current when it takes the
    // focus, which is no choice of the user's.
    connect(m_ui->p_lbxNumber, &QListWidget::itemSelectionChanged, this,
            [this] { Choose(Index()); });
    connect(m_ui->p_bnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->p_bnCancel, &QPushButton::clicked, this, &QDialog::reject);
    if (preset >= 0 && preset < 10) {
        m_ui->p_lbxNumber->setCurrentRow(preset);
        m_ui->p_lbxNumber->setEnabled(false);
        m_ui->p_edName->setFocus();
    }
    SetHelpTopic(this, kHelpTopic);
    InstallHelpKey(this);
}

TMemSetDlg::~TMemSetDlg() = default;

void TMemSetDlg::Choose(int row) {
    if (row < 0)
        return;
    m_ui->p_edName->setEnabled(true);
    m_ui->p_bnOk->setEnabled(true);
    m_ui->p_edName->setText(m_names.value(row));
    m_ui->p_edName->selectAll();
    m_ui->p_lbHint->setText(QStringLiteral("Для применения нажмите Ctrl+") +
                            m_ui->p_lbxNumber->item(row)->text());
}

int TMemSetDlg::Index() const {
    const QList<QListWidgetItem*> sel = m_ui->p_lbxNumber->selectedItems();
    return sel.isEmpty() ? -1 : m_ui->p_lbxNumber->row(sel.first());
}

QString TMemSetDlg::Name() const {
    return m_ui->p_edName->text();
}

bool TMemSetDlg::Execute(QWidget* parent, const QStringList& names, int preset, int* index,
                         QString* name) {
    TMemSetDlg dlg(names, preset, parent);
    if (dlg.exec() != QDialog::Accepted || dlg.Index() < 0)
        return false;
    *index = dlg.Index();
    *name = dlg.Name();
    return true;
}
