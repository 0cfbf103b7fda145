#include "traceview/tampmaxdlg.h"

#include "traceview/kvstrings.h"
#include "traceview/tcampmaxsearch.h"
#include "trcfile/esegyfiler.h"
#include "trcfile/tcsegyreaderex.h"
#include "ui_tampmaxdlg.h"
#include "uikit/helpwindow.h"
#include "uikit/uimsgbox.h"

#include <QCoreApplication>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {
constexpr int kHelpTopic = 472;
} // namespace

TAmpMaxDlg::TAmpMaxDlg(TCSegyReaderEx& reader, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TAmpMaxDlg>()), m_reader(reader),
      m_traces(reader.GetInt(3)), m_samples(reader.GetInt(7)) {
    m_ui->setupUi(this);
    SetHelpTopic(this, kHelpTopic);
    InstallHelpKey(this);
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), this);
    QLineEdit* boxes[4] = {m_ui->p_edT1, m_ui->p_edT2, m_ui->p_edS1, m_ui->p_edS2};
    for (QLineEdit* e : boxes) {
        e->setValidator(digits);
        connect(e, &QLineEdit::textChanged, this, &TAmpMaxDlg::UpdateSearch);
    }
    connect(m_ui->p_lbAll, &QLabel::linkActivated, this, &TAmpMaxDlg::SetWholeRecord);
    connect(m_ui->p_bnSearch, &QPushButton::clicked, this, &TAmpMaxDlg::Search);
    connect(m_ui->p_bnStop, &QPushButton::clicked, this, [this] { m_stop = true; });
    connect(m_ui->p_bnCancel, &QPushButton::clicked, this, &TAmpMaxDlg::reject);
    m_ui->p_pbProgress->hide();
    m_ui->p_bnStop->setEnabled(false);
    SetWholeRecord();
}

TAmpMaxDlg::~TAmpMaxDlg() = default;

bool TAmpMaxDlg::Region(qint64 v[4]) const {
    const QLineEdit* boxes[4] = {m_ui->p_edT1, m_ui->p_edT2, m_ui->p_edS1, m_ui->p_edS2};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = boxes[i]->text().trimmed().toLongLong(&ok);
        if (!ok)
            return false;
    }
    return true;
}

void TAmpMaxDlg::SetWholeRecord() {
    m_ui->p_edT1->setText(QStringLiteral("1"));
    m_ui->p_edT2->setText(QString::number(m_traces));
    m_ui->p_edS1->setText(QStringLiteral("1"));
    m_ui->p_edS2->setText(QString::number(m_samples));
}

void TAmpMaxDlg::UpdateSearch() {
    qint64 v[4];
    const bool numbers = Region(v);
    const bool ok = numbers && v[0] != 0 && v[0] <= v[1] && v[2] <= v[3] && v[1] <= m_traces &&
                    v[3] <= m_samples;
    m_ui->p_bnSearch->setEnabled(ok && !m_searching);
    const bool whole = numbers && v[0] == 1 && v[1] == m_traces && v[2] == 1 && v[3] == m_samples;
    m_ui->p_lbAll->setEnabled(!whole && !m_searching);
}

void TAmpMaxDlg::Search() {
    qint64 v[4];
    if (!Region(v))
        return;
    TAmpMaxRegion r;
    r.t1 = int(v[0]);
    r.t2 = int(v[1]);
    // A first sample of 0 searches from the first sample.
    r.s1 = int(std::max<qint64>(1, v[2]));
    r.s2 = int(v[3]);
    r.hT = m_ui->p_sedT->value();
    r.hS = m_ui->p_sedS->value();
    m_searching = true;
    m_stop = false;
    m_ui->p_pnRegion->setEnabled(false);
    m_ui->p_bnSearch->setEnabled(false);
    m_ui->p_bnCancel->setEnabled(false);
    m_ui->p_bnStop->setEnabled(true);
    m_ui->p_pbProgress->setValue(0);
    m_ui->p_pbProgress->show();
    TCAmpMaxSearch search;
    bool failed = false;
    try {
        m_best = search.Run(m_reader, r, [this](long long done, long long total) {
            m_ui->p_pbProgress->setValue(int(done * 100 / std::max(1LL, total)));
            QCoreApplication::processEvents();
            return !m_stop;
        });
    } catch (const ESegyFiler& e) {
        failed = true;
        ShowMsg(this, MsgKind::Error, KV_Text(kvs::ReadError).arg(e.TraceNo()).arg(e.Code()));
    }
    m_searching = false;
    if (failed) {
        m_ui->p_pnRegion->setEnabled(true);
        m_ui->p_bnCancel->setEnabled(true);
        m_ui->p_bnStop->setEnabled(false);
        m_ui->p_pbProgress->hide();
        UpdateSearch();
        return;
    }
    accept();
}

void TAmpMaxDlg::reject() {
    // While searching only "Стоп" works; Esc and closing the window count as it.
    if (m_searching) {
        m_stop = true;
        return;
    }
    QDialog::reject();
}
