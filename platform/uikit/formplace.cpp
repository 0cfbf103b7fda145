#include "uikit/formplace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <limits>
#include <memory>

namespace {

// The owner's frame in screen coordinates, or an empty rectangle when it cannot be told.
QRect ownerFrame(WId owner) {
    if (owner == 0)
        return {};
    if (const QWidget* own = QWidget::find(owner))
        return own->window()->frameGeometry();
    // Only the X11 platform reports the geometry of another process's window.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    const std::unique_ptr<QWindow> foreign(QWindow::fromWinId(owner));
    if (!foreign)
        return {};
    const QRect local = foreign->geometry();
    if (local.width() <= 0 || local.height() <= 0)
        return {};
    return QRect(foreign->mapToGlobal(QPoint(0, 0)), local.size());
}

QPoint centred(const QRect& area, const QSize& size) {
    return {area.x() + (area.width() - size.width()) / 2,
            area.y() + (area.height() - size.height()) / 2};
}

} // namespace

void W_PosCreatedForm(WId owner, QWidget* form, int dx, int dy) {
    const QRect frame = ownerFrame(owner);
    const QSize size = form->frameGeometry().size();
    if (frame.isEmpty()) {
        const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
        if (screen)
            form->move(centred(screen->availableGeometry(), size));
        return;
    }
    if (dx == kCentreOverOwner && dy == kCentreOverOwner)
        form->move(centred(frame, size));
    else
        form->move(frame.topLeft() + QPoint(dx, dy));
}

WId ParseWindowId(const QString& decimal, bool* ok) {
    constexpr WId kMax = std::numeric_limits<WId>::max();
    bool valid = !decimal.isEmpty();
    WId value = 0;
    for (const QChar c : decimal) {
        if (!valid)
            break;
        const int digit = c.unicode() - '0';
        if (digit < 0 || digit > 9 || value > (kMax - WId(digit)) / 10) {
            valid = false;
            break;
        }
        value = value * 10 + WId(digit);
    }
    if (ok)
        *ok = valid;
    return valid ? value : 0;
}
