#include "uikit/uibeep.h"

#include <QApplication>
#include <QCursor>

namespace {
int beeps = 0;
}

void Beep() {
    ++beeps;
    QApplication::beep();
}

int BeepCount() {
    return beeps;
}

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}
