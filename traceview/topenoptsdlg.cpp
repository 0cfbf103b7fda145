#include "traceview/topenoptsdlg.h"

#include "traceview/kvstrings.h"
#include "ui_topenoptsdlg.h"
#include "uikit/combohistory.h"
#include "uikit/helpwindow.h"
#include "uikit/uimsgbox.h"
#include "viewcore/tappsettings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

constexpr int kHelpTopic = 430;
constexpr int kHistory = 25;

const char* const kBrowseTitles[3] = {"Определите папку для файлов SEG-Y",
                                      "Определите папку для настроек и закладок",
                                      "Определите папку для графических файлов."};

} // namespace

TOpenOptsDlg::TOpenOptsDlg(TAppSettings& settings, bool lastSetValid, QWidget* parent)
    : QDialog(parent), m_ui(new Ui::TOpenOptsDlg), m_settings(settings),
      m_lastSetValid(lastSetValid) {
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpTopic(this, kHelpTopic);
    InstallHelpKey(this);

    const int indices[3] = {settings.sgyIndex, settings.setIndex, settings.rastIndex};
    for (int list = 0; list < 3; ++list) {
        QStringList dirs;
        settings.CopyTo(dirs, list);
        QComboBox* cb = Combo(list);
        cb->addItems(dirs);
        cb->setCurrentIndex(indices[list] >= 0 && indices[list] < dirs.size() ? indices[list] : -1);
        cb->setToolTip(cb->currentText());
    }
    m_ui->p_cbnSgy->setChecked(settings.UseSgyDir());
    m_ui->p_cbnWin->setChecked(settings.newWindow);
    m_ui->p_cbnFHdr->setChecked(settings.IgnoreFHdr());
    m_ui->p_cbnTHdr->setChecked(settings.IgnoreTHdr());
    (settings.UseLastSet() ? m_ui->p_rbnLast : m_ui->p_rbnDef)->setChecked(true);
    m_ui->p_cbnBM->setChecked(settings.SaveBookMarks());
    SettleDependents();

    // No control keeps a focus frame after a click: the focus goes to the invisible panel.
    const auto park = [this] { m_ui->p_panFoc->setFocus(); };
    for (QAbstractButton* b : {static_cast<QAbstractButton*>(m_ui->p_cbnSgy),
                               static_cast<QAbstractButton*>(m_ui->p_cbnWin),
                               static_cast<QAbstractButton*>(m_ui->p_cbnFHdr),
                               static_cast<QAbstractButton*>(m_ui->p_cbnTHdr),
                               static_cast<QAbstractButton*>(m_ui->p_cbnBM),
                               static_cast<QAbstractButton*>(m_ui->p_rbnDef),
                               static_cast<QAbstractButton*>(m_ui->p_rbnLast)})
        connect(b, &QAbstractButton::clicked, this, park);
    const QToolButton* browse[3] = {m_ui->p_bnSgy, m_ui->p_bnSet, m_ui->p_bnRast};
    for (int list = 0; list < 3; ++list) {
        connect(browse[list], &QToolButton::clicked, this, [this, list] { Browse(list); });
        connect(Combo(list), qOverload<int>(&QComboBox::activated), this, [this, list, park] {
            if (list == 0)
                CheckSelected(list);
            else
                Combo(list)->setToolTip(Combo(list)->currentText());
            SettleDependents();
            park();
        });
    }
    connect(m_ui->p_bnOK, &QPushButton::clicked, this, &TOpenOptsDlg::accept);
    connect(m_ui->p_bnCancel, &QPushButton::clicked, this, &TOpenOptsDlg::reject);
    connect(m_ui->p_bnHelp, &QPushButton::clicked, this, [] { ShowHelpTopic(kHelpTopic); });
}

TOpenOptsDlg::~TOpenOptsDlg() {
    delete m_ui;
}

QComboBox* TOpenOptsDlg::Combo(int list) const {
    QComboBox* const lists[3] = {m_ui->p_cbSgy, m_ui->p_cbSet, m_ui->p_cbRast};
    return lists[list];
}

void TOpenOptsDlg::Browse(int list) {
    QComboBox* cb = Combo(list);
    const QString start = cb->count() > 0 ? cb->currentText() : QDir::rootPath();
    const QString title = QString::fromUtf8(kBrowseTitles[list]);
    const QString chosen =
        m_choose ? m_choose(title, start) : QFileDialog::getExistingDirectory(this, title, start);
    if (chosen.isEmpty())
        return;
    if (QDir(chosen).isRoot()) {
        ShowMsg(this, MsgKind::Warning, KV_Text(kvs::RootFolder));
        return;
    }
    CB_AddToCombo(cb, QDir::toNativeSeparators(QDir::cleanPath(chosen)), kHistory);
    CheckSelected(list);
    SettleDependents();
}

void TOpenOptsDlg::CheckSelected(int list) {
    QComboBox* cb = Combo(list);
    if (cb->currentIndex() < 0)
        return;
    if (QFileInfo(cb->currentText()).isDir()) {
        CB_MoveSelectedUp(cb);
    } else {
        ShowMsg(this, MsgKind::Warning, KV_Text(kvs::FolderGone));
        cb->removeItem(cb->currentIndex());
        cb->setCurrentIndex(cb->count() > 0 ? 0 : -1);
    }
    cb->setToolTip(cb->currentText());
}

void TOpenOptsDlg::SettleDependents() {
    const auto settle = [](QAbstractButton* b, bool enabled) {
        b->setEnabled(enabled);
        if (!enabled)
            b->setChecked(false);
    };
    settle(m_ui->p_cbnSgy, !m_ui->p_cbSgy->currentText().isEmpty());
    settle(m_ui->p_cbnBM, !m_ui->p_cbSet->currentText().isEmpty());
    // A checked radio button of a group cannot be unchecked itself: its partner is checked.
    m_ui->p_rbnLast->setEnabled(m_lastSetValid);
    if (!m_lastSetValid)
        m_ui->p_rbnDef->setChecked(true);
}

void TOpenOptsDlg::accept() {
    int* const indices[3] = {&m_settings.sgyIndex, &m_settings.setIndex, &m_settings.rastIndex};
    for (int list = 0; list < 3; ++list) {
        QComboBox* cb = Combo(list);
        QStringList dirs;
        for (int i = 0; i < cb->count(); ++i)
            dirs << cb->itemText(i);
        m_settings.CopyFrom(dirs, list);
        *indices[list] = cb->currentIndex();
    }
    m_settings.newWindow = m_ui->p_cbnWin->isChecked();
    m_settings.SetFlags(m_ui->p_cbnSgy->isChecked(), m_ui->p_rbnLast->isChecked(),
                        m_ui->p_cbnFHdr->isChecked(), m_ui->p_cbnTHdr->isChecked(),
                        m_ui->p_cbnBM->isChecked());
    if (!m_settings.Save())
        ShowMsg(parentWidget(), MsgKind::Error, KV_Text(kvs::SaveError));
    QDialog::accept();
}
