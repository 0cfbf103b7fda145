#pragma once
// Message boxes of the programs with a window: an error, a warning or a yes/no question, captioned
// with the application's display name.
//
// While a MsgRecorder exists no box is shown: ShowMsg records the kind and text and answers a
// question from the recorder's queue, so no test ever blocks on a modal box.

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

enum class MsgKind { Error = 0, Warning = 1, Question = 2 };

// Shows `text` modally over `parent` (may be null). Returns true for "Да" on a question, and
// true after an error or a warning has been acknowledged.
bool ShowMsg(QWidget* parent, MsgKind kind, const QString& text);

// Records every ShowMsg call of its lifetime in place of showing a box. Recorders nest: the
// newest one records, and the one before it records again once the newest is destroyed.
class MsgRecorder {
public:
    MsgRecorder();
    ~MsgRecorder();
    MsgRecorder(const MsgRecorder&) = delete;
    MsgRecorder& operator=(const MsgRecorder&) = delete;

    // Queues the answer to the next unanswered question.
    void answer(bool yes) { answers_.push_back(yes); }
    // The answer once the queue is empty (initially false, "Нет").
    void setDefaultAnswer(bool yes) { defaultAnswer_ = yes; }

    const QList<MsgKind>& kinds() const { return kinds_; }
    const QStringList& texts() const { return texts_; }
    // Forgets what was recorded (the queued answers stay).
    void clear();

private:
    friend bool ShowMsg(QWidget*, MsgKind, const QString&);
    bool record(MsgKind kind, const QString& text);

    MsgRecorder* previous_;
    std::deque<bool> answers_;
    bool defaultAnswer_ = false;
    QList<MsgKind> kinds_;
    QStringList texts_;
};
