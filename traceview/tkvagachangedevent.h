#pragma once
// Message 0x81B4 from the gain table window to the viewer's main window: wParam 0 when the window
// was hidden, 1 after a change of the table while the table-gain mode is on.

#include <QEvent>

constexpr QEvent::Type kWmViewerAgaChanged = QEvent::Type(0x81B4);

class TKvAgaChangedEvent : public QEvent {
public:
    explicit TKvAgaChangedEvent(int w) : QEvent(kWmViewerAgaChanged), wParam(w) {}
    const int wParam;
};
