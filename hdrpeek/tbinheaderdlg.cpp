#include "tbinheaderdlg.h"

#include "hdrpeektexts.h"
#include "ui_tbinheaderdlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QShowEvent>

namespace {

// The folder the last browse ended in, for the next one.
QString& lastFolder() {
    static QString folder;
    return folder;
}

} // namespace

TBinHeaderDlg::TBinHeaderDlg(QWidget* parent) : QDialog(parent), ui(new Ui::TBinHeaderDlg) {
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    QHeaderView* header = ui->p_lvKeys->header();
    header->setSectionsClickable(false);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    const int widths[] = {28, 62, 305};
    for (int c = 0; c < 3; ++c) {
        header->setSectionResizeMode(c, QHeaderView::Fixed);
        ui->p_lvKeys->setColumnWidth(c, widths[c]);
    }

    // Neither the file box nor the list keeps a caret: focus goes to the file panel.
    ui->p_edFile->installEventFilter(this);
    ui->p_lvKeys->installEventFilter(this);

    connect(ui->p_bnBrowse, &QAbstractButton::clicked, this, &TBinHeaderDlg::Browse);
    for (QAbstractButton* mode : {ui->p_rbnPC, ui->p_rbnTrue}) {
        connect(mode, &QAbstractButton::clicked, this, [this] {
            ui->p_pnlFile->setFocus();
            PostRead();
        });
    }
}

TBinHeaderDlg::~TBinHeaderDlg() = default;

void TBinHeaderDlg::SetFileName(const QString& path) {
    m_fileName = path;
    ui->p_edFile->setToolTip(QDir::toNativeSeparators(path));
    const int room = ui->p_edFile->contentsRect().width() - 4;
    ui->p_edFile->setText(ui->p_edFile->fontMetrics().elidedText(QDir::toNativeSeparators(path),
                                                                 Qt::ElideMiddle, room));
    ui->p_edFile->setCursorPosition(0);
}

bool TBinHeaderDlg::event(QEvent* e) {
    if (e->type() == kReadEvent) {
        Read();
        return true;
    }
    return QDialog::event(e);
}

void TBinHeaderDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    // The box's width is final now, so the shortened text fits it.
    SetFileName(m_fileName);
    if (!m_fileName.isEmpty())
        PostRead();
}

bool TBinHeaderDlg::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn && (watched == ui->p_edFile || watched == ui->p_lvKeys))
        ui->p_pnlFile->setFocus();
    return QDialog::eventFilter(watched, e);
}

void TBinHeaderDlg::PostRead() {
    QCoreApplication::postEvent(this, new QEvent(kReadEvent));
}

void TBinHeaderDlg::Browse() {
    const QString start = lastFolder().isEmpty() ? QDir::homePath() : lastFolder();
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Выбор SEG-Y файла"), start,
                                     QStringLiteral("SEG-Y файлы  (*.sgy);;SEG-Y файлы  (*)"));
    if (path.isEmpty())
        return;
    lastFolder() = QFileInfo(path).absolutePath();
    SetFileName(path);
    PostRead();
}

void TBinHeaderDlg::Read() {
    m_keys.clear();
    ui->p_lvKeys->clear();
    repaint();

    const TCFileFmt fmt = ui->p_rbnTrue->isChecked() ? fmtUnix : fmtWindows;
    m_status = m_reader.OpenTest(m_fileName.toStdString(), fmt);
    if (m_status == 0 || m_status > 7) {
        m_reader.GetKeyInfo(m_keys);
        for (size_t row = 0; row < m_keys.size() && row < size_t(kListedKeyWords); ++row) {
            const TCWordRec& key = m_keys[row];
            ui->p_lvKeys->addTopLevelItem(
                new QTreeWidgetItem({QString::number(qint16(key.number)),
                                     QString::number(key.value), KeyWordDescription(int(row))}));
        }
    }
    // The file is not held open between reads.
    m_reader.Close();
    ShowResult(m_status);
}

void TBinHeaderDlg::ShowResult(int status) {
    QPalette colours = palette();
    if (status != 0)
        colours.setColor(QPalette::WindowText, QColor(128, 0, 0));
    ui->p_lblResult->setPalette(colours);
    ui->p_lblResult->setText(ReadResultText(status, m_keys));
}
