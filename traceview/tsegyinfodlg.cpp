#include "traceview/tsegyinfodlg.h"

#include "apptools/appfolders.h"
#include "traceview/kvstrings.h"
#include "trcfile/tcsegyreaderex.h"
#include "ui_tsegyinfodlg.h"
#include "uikit/formplace.h"
#include "uikit/helpwindow.h"
#include "uikit/opendoc.h"
#include "uikit/uimsgbox.h"

#include <QActionGroup>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const char* const kInfoCaptions[11] = {
    "Имя файла",
    "Размер файла,  байт",
    "Время создания  (UTC)",
    "Время последнего изменения  (UTC)",
    "Сейсмический формат",
    "Дополнительных текстовых блоков",
    "Число трасс в файле",
    "Интервал дискретизации,  ",
    "Число отсчетов сигнала",
    "Длительность записи трассы,  ",
    "Формат отсчета",
};

constexpr int kTextLines = 40;
// The folder line keeps this much of the label free beyond the shortened folder.
constexpr int kDirMargin = 46;

QString FromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), int(s.size()));
}

// Days since 30 December 1899 as "dd.mm.yyyy  hh:nn:ss".
QString FormatDays(double days) {
    const QDateTime base(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return base.addMSecs(qint64(std::llround(days * 86400000.0)))
        .toString(QStringLiteral("dd.MM.yyyy  hh:mm:ss"));
}

} // namespace

TSEGYInfoDlg::TSEGYInfoDlg(TSEGYInfoRec& rec, int helpContext, QWidget* parent)
    : QDialog(parent), m_ui(new Ui::TSEGYInfoDlg), m_rec(rec), m_helpContext(helpContext) {
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    TCSegyReaderEx& reader = *rec.reader;
    m_savedTrace = reader.Trace();
    m_traces = reader.GetInt(3);
    m_trace = std::clamp(rec.trace > 0 ? rec.trace : m_savedTrace, 1, std::max(m_traces, 1));

    // The width is fixed; the height may grow but not shrink below the design.
    const QSize design = size();
    setFixedWidth(design.width());
    setMinimumHeight(design.height());
    if (rec.keepPos) {
        move(rec.left, rec.top);
        resize(design.width(), std::max(rec.height, design.height()));
    } else {
        W_PosCreatedForm(rec.owner, this, kCentreOverOwner, kCentreOverOwner);
    }
    m_ui->p_cbnKeep->setChecked(rec.keepPos);
    m_ui->p_pcInfo->setCurrentIndex(std::clamp(rec.page, 0, 3));
    SetHelpTopic(this, helpContext);
    InstallHelpKey(this);

    const QString dir = QFileInfo(QFile::decodeName(reader.FileName().c_str())).absolutePath();
    m_ui->p_lbDir->setToolTip(QDir::toNativeSeparators(dir));

    // Narrow number columns leave the descriptions their full width.
    for (QTreeWidget* list : {m_ui->p_lv2Hdr, m_ui->p_lv3Hdr}) {
        const int widths[3] = {44, 100, 28};
        for (int c = 0; c < 3; ++c) {
            list->setColumnWidth(c, widths[c]);
            list->headerItem()->setTextAlignment(c, c == 2 ? Qt::AlignCenter
                                                           : Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    FillFileInfo();
    FillText();
    LoadDescriptions();
    FillHeader(m_ui->p_lv2Hdr, -1);
    if (m_traces > 0 && FillHeader(m_ui->p_lv3Hdr, m_trace))
        m_ui->p_lb3Time->setText(reader.TraceTime() == 0 ? QString()
                                                         : FormatDays(reader.TraceTime()));
    m_ui->p_ed3Trace->setText(QString::number(m_trace));
    UpdateNavigation();
    BuildTextMenu();

    m_ui->p_mem1Text->installEventFilter(this);
    m_ui->p_lv3Hdr->installEventFilter(this);
    connect(m_ui->p_bn3First, &QPushButton::clicked, this, [this] { GoToTrace(1); });
    connect(m_ui->p_bn3Prev, &QPushButton::clicked, this, [this] { GoToTrace(m_trace - 1); });
    connect(m_ui->p_bn3Next, &QPushButton::clicked, this, [this] { GoToTrace(m_trace + 1); });
    connect(m_ui->p_bn3Last, &QPushButton::clicked, this, [this] { GoToTrace(m_traces); });
    connect(m_ui->p_bn3Go, &QPushButton::clicked, this, [this] { GoToTrace(EnteredTrace()); });
    connect(m_ui->p_ed3Trace, &QLineEdit::textChanged, this, &TSEGYInfoDlg::UpdateNavigation);
    connect(m_ui->p_ed3Trace, &QLineEdit::returnPressed, this, [this] {
        if (m_ui->p_bn3Go->isEnabled())
            GoToTrace(EnteredTrace());
    });
    connect(m_ui->p_pcInfo, &QTabWidget::currentChanged, this,
            [this] { m_ui->p_ed3Trace->setText(QString::number(m_trace)); });
    connect(m_ui->p_mem1Text, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_textMenu->popup(m_ui->p_mem1Text->mapToGlobal(at)); });
    connect(m_ui->p_bnClose, &QPushButton::clicked, this, &TSEGYInfoDlg::accept);
    connect(m_ui->p_bnHelp, &QPushButton::clicked, this, [this] { ShowHelpTopic(m_helpContext); });
}

TSEGYInfoDlg::~TSEGYInfoDlg() {
    delete m_ui;
}

void TSEGYInfoDlg::Run(TSEGYInfoRec& rec, TCSegyReaderEx& reader, int trace, int page,
                       int helpContext, QWidget* owner) {
    rec.owner = owner ? owner->winId() : 0;
    rec.reader = &reader;
    rec.trace = trace;
    rec.page = page;
    TSEGYInfoDlg dlg(rec, helpContext, owner);
    dlg.exec();
}

void TSEGYInfoDlg::FillFileInfo() {
    std::vector<std::string> info;
    m_rec.reader->GetFileInfo(info);
    const QString unit = m_rec.reader->GetInt(6) ? QStringLiteral("мс") : QStringLiteral("мкс");
    QTreeWidget* list = m_ui->p_lv0Props;
    for (int i = 0; i < 11; ++i) {
        QString caption = QString::fromUtf8(kInfoCaptions[i]);
        if (i == 7 || i == 9)
            caption += unit;
        const QString value = i < int(info.size()) ? FromUtf8(info[size_t(i)]) : QString();
        list->addTopLevelItem(new QTreeWidgetItem(QStringList{caption, value}));
    }
    list->resizeColumnToContents(0);
    list->setCurrentItem(list->topLevelItem(0));
}

void TSEGYInfoDlg::FillText() {
    QStringList lines;
    const int blocks = m_rec.reader->GetInt(8);
    try {
        std::vector<std::string> block;
        for (int b = 0; b <= blocks; ++b) {
            m_rec.reader->GetTextList(block, b);
            for (size_t i = 0; i < block.size() && i < size_t(kTextLines); ++i)
                lines << FromUtf8(block[i]);
        }
    } catch (const ESegyFiler& e) {
        ShowMsg(this, MsgKind::Error, KV_Text(kvs::ReadError).arg(e.TraceNo()).arg(e.Code()));
    }
    m_ui->p_mem1Text->setPlainText(lines.join(QLatin1Char('\n')));
}

void TSEGYInfoDlg::LoadDescriptions() {
    QFile f(KT_GetAppDir() + QStringLiteral("/kinfo.hdr"));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    m_descr = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (int i = 0; i < m_descr.size(); ++i) {
        if (m_descr[i].trimmed() == QLatin1String("*")) {
            m_star = i;
            break;
        }
    }
}

bool TSEGYInfoDlg::FillHeader(QTreeWidget* list, int selector) {
    std::vector<std::string> words;
    try {
        m_rec.reader->GetHdrList(words, selector);
    } catch (const ESegyFiler& e) {
        ShowMsg(this, MsgKind::Error, KV_Text(kvs::ReadError).arg(e.TraceNo()).arg(e.Code()));
        return false;
    }
    // Binary-header lines run up to the "*", trace-header lines follow it.
    const int first = selector < 0 ? 0 : m_star + 1;
    const int end = selector < 0 && m_star >= 0 ? m_star : m_descr.size();
    list->clear();
    for (size_t i = 0; i < words.size(); ++i) {
        const QString word = FromUtf8(words[i]);
        const int comma = word.lastIndexOf(QLatin1Char(','));
        const int line = first + int(i);
        QString descr;
        if ((selector < 0 || m_star >= 0) && line < end) {
            const int colon = m_descr[line].indexOf(QLatin1Char(':'));
            if (colon >= 0)
                descr = m_descr[line].mid(colon + 1).trimmed();
        }
        auto* item = new QTreeWidgetItem(QStringList{QString::asprintf("%u", unsigned(i + 1)),
                                                     word.left(comma), word.mid(comma + 1), descr});
        item->setTextAlignment(0, Qt::AlignRight);
        item->setTextAlignment(1, Qt::AlignRight);
        item->setTextAlignment(2, Qt::AlignCenter);
        list->addTopLevelItem(item);
    }
    list->setCurrentItem(list->topLevelItem(0));
    return true;
}

void TSEGYInfoDlg::GoToTrace(int trace) {
    if (trace < 1 || trace > m_traces)
        return;
    QTreeWidget* list = m_ui->p_lv3Hdr;
    const int scroll = list->verticalScrollBar()->value();
    const int row = list->currentIndex().row();
    if (FillHeader(list, trace)) {
        m_trace = trace;
        const double t = m_rec.reader->TraceTime();
        m_ui->p_lb3Time->setText(t == 0 ? QString() : FormatDays(t));
        if (row >= 0 && row < list->topLevelItemCount())
            list->setCurrentItem(list->topLevelItem(row));
        list->verticalScrollBar()->setValue(scroll);
    }
    m_ui->p_ed3Trace->setText(QString::number(m_trace));
    UpdateNavigation();
    list->setFocus();
}

int TSEGYInfoDlg::EnteredTrace() const {
    bool ok = false;
    const int n = m_ui->p_ed3Trace->text().trimmed().toInt(&ok);
    return ok ? n : 0;
}

void TSEGYInfoDlg::UpdateNavigation() {
    m_ui->p_bn3Next->setEnabled(m_trace < m_traces);
    m_ui->p_bn3Last->setEnabled(m_trace < m_traces);
    m_ui->p_bn3Prev->setEnabled(m_trace > 1);
    m_ui->p_bn3First->setEnabled(m_trace > 1);
    // Only a trace of the file can be shown.
    const int n = EnteredTrace();
    m_ui->p_bn3Go->setEnabled(n >= 1 && n <= m_traces && n != m_trace);
}

void TSEGYInfoDlg::BuildTextMenu() {
    m_textMenu = new QMenu(this);
    m_textMenu->setObjectName(QStringLiteral("p_pm1Text"));
    QPlainTextEdit* memo = m_ui->p_mem1Text;
    const auto group = [this](std::initializer_list<std::pair<const char*, int>> items,
                              int selected, const std::function<void(int)>& apply) {
        auto* g = new QActionGroup(this);
        for (const auto& [caption, value] : items) {
            QAction* a = m_textMenu->addAction(QString::fromUtf8(caption));
            a->setCheckable(true);
            a->setChecked(value == selected);
            g->addAction(a);
            connect(a, &QAction::triggered, this, [apply, value = value] { apply(value); });
        }
        apply(selected);
    };
    const QString faces[2] = {QStringLiteral("Courier New"), QStringLiteral("Arial")};
    group({{"&Courier", 0}, {"&Arial", 1}}, 0, [memo, faces](int face) {
        QFont f = memo->font();
        f.setFamily(faces[face]);
        f.setStyleHint(face == 0 ? QFont::TypeWriter : QFont::SansSerif);
        memo->setFont(f);
    });
    m_textMenu->addSeparator();
    group({{"&Крупнее", 10}, {"&Мельче", 8}}, 8, [memo](int points) {
        QFont f = memo->font();
        f.setPointSize(points);
        memo->setFont(f);
    });
    m_textMenu->addSeparator();
    connect(m_textMenu->addAction(QStringLiteral("&Блокнот")), &QAction::triggered, this,
            &TSEGYInfoDlg::OpenInTextEditor);
}

void TSEGYInfoDlg::OpenInTextEditor() {
    const QString path = KV_GetTextHeaderFile();
    QFile f(path);
    const QByteArray text = (m_ui->p_mem1Text->toPlainText() + QLatin1Char('\n')).toUtf8();
    // An old file must not be opened in place of the text that could not be written.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text) ||
        f.write(text) != text.size() || !f.flush()) {
        f.close();
        f.remove();
        ShowMsg(this, MsgKind::Error, KV_Text(kvs::SaveError));
        return;
    }
    f.close();
    if (!F_OpenAsciiDoc(path))
        ShowMsg(this, MsgKind::Error, KV_Text(kvs::NotepadFailed));
}

bool TSEGYInfoDlg::event(QEvent* e) {
    if (e->type() == kWmHideCaret) {
        m_ui->p_mem1Text->setCursorWidth(0);
        return true;
    }
    return QDialog::event(e);
}

bool TSEGYInfoDlg::eventFilter(QObject* obj, QEvent* e) {
    if (e->type() == QEvent::FocusIn) {
        if (obj == m_ui->p_mem1Text)
            QCoreApplication::postEvent(this, new QEvent(kWmHideCaret));
        else if (obj == m_ui->p_lv3Hdr)
            m_ui->p_ed3Trace->setText(QString::number(m_trace));
    }
    return QDialog::eventFilter(obj, e);
}

void TSEGYInfoDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The label's width is known once the dialog is laid out.
    QLabel* label = m_ui->p_lbDir;
    const QString prefix = QStringLiteral("Папка:  ");
    const int room = label->width() - kDirMargin - label->fontMetrics().horizontalAdvance(prefix);
    label->setText(prefix +
                   label->fontMetrics().elidedText(label->toolTip(), Qt::ElideMiddle, room));
}

void TSEGYInfoDlg::done(int result) {
    if (m_savedTrace > 0) {
        try {
            m_rec.reader->SetTrace(m_savedTrace);
        } catch (const ESegyFiler&) {
            // The trace was read before the dialog; the viewer reports a failing read itself.
        }
    }
    m_rec.keepPos = m_ui->p_cbnKeep->isChecked();
    if (m_rec.keepPos) {
        m_rec.left = pos().x();
        m_rec.top = pos().y();
        m_rec.height = height();
    }
    QDialog::done(result);
}
