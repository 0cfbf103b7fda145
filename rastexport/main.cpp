// The raster exporter, started by the viewer with seven arguments (see TKrArgs).
#include "rastexport/krtexts.h"
#include "rastexport/tkrmainwin.h"
#include "uikit/formplace.h"

#include <QApplication>

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    TKrArgs parsed;
    // Started without the viewer's full command line: nothing to export, no window.
    if (!TKrArgs::Parse(args, parsed))
        return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(KrText(krAppTitle));
    TKrMainWin form(parsed);
    W_PosCreatedForm(parsed.owner, &form, kCentreOverOwner, kCentreOverOwner);
    form.show();
    return app.exec();
}
