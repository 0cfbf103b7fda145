// traceview [FILE [WINDOW-ID]]: shows a SEG-Y file as a seismic section.

#include "traceview/kvstrings.h"
#include "traceview/tkv5mainwin.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Numbers are written with a point whatever the user's locale.
    QLocale::setDefault(QLocale::c());
    QApplication::setApplicationName(QStringLiteral("traceview"));
    QApplication::setApplicationDisplayName(KV_Text(kvs::AppTitle));
    TKv5MainWin win(QApplication::arguments().mid(1, 2));
    win.show();
    return app.exec();
}
