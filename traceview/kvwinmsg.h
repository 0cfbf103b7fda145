#pragma once
// The viewer's private window messages: custom events with the message numbers, carrying the
// two message words. 0x81B2 reload (posted by the window to itself), 0x81B3 a command of the
// quick-control panel, 0x81B4 the gain table changed.

#include <QEvent>
#include <QtGlobal>

constexpr QEvent::Type kWmViewerReload = QEvent::Type(0x81B2);
constexpr QEvent::Type kWmViewerFastCmd = QEvent::Type(0x81B3);
constexpr QEvent::Type kWmViewerAgaChanged = QEvent::Type(0x81B4);

class TKvWinMsg : public QEvent {
public:
    TKvWinMsg(QEvent::Type type, quint32 wParam, qint64 lParam)
        : QEvent(type), wParam(wParam), lParam(lParam) {}
    quint32 wParam;
    qint64 lParam;
};
