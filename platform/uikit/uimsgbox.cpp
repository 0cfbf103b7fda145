#include "uikit/uimsgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

MsgRecorder*& activeRecorder() {
    static MsgRecorder* recorder = nullptr;
    return recorder;
}

QMessageBox::Icon iconOf(MsgKind kind) {
    switch (kind) {
    case MsgKind::Error:
        return QMessageBox::Critical;
    case MsgKind::Warning:
        return QMessageBox::Warning;
    case MsgKind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MsgRecorder::MsgRecorder() : previous_(activeRecorder()) {
    activeRecorder() = this;
}

MsgRecorder::~MsgRecorder() {
    activeRecorder() = previous_;
}

void MsgRecorder::clear() {
    kinds_.clear();
    texts_.clear();
}

bool MsgRecorder::record(MsgKind kind, const QString& text) {
    kinds_.append(kind);
    texts_.append(text);
    if (kind != MsgKind::Question)
        return true;
    if (answers_.empty())
        return defaultAnswer_;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

bool ShowMsg(QWidget* parent, MsgKind kind, const QString& text) {
    if (MsgRecorder* recorder = activeRecorder())
        return recorder->record(kind, text);

    QMessageBox box(iconOf(kind), QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, parent);
    if (kind != MsgKind::Question) {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return true;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
