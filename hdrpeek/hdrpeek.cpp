#include "hdrpeek.h"

#include "tbinheaderdlg.h"
#include "uikit/formplace.h"

void ReadDisplayFileHeader(WId owner, const QString& fileName) {
    TBinHeaderDlg dialog;
    dialog.adjustSize();
    // Without an owner W_PosCreatedForm centres the dialog on the screen.
    W_PosCreatedForm(owner, &dialog, kCentreOverOwner, kCentreOverOwner);
    if (!fileName.isEmpty())
        dialog.SetFileName(fileName);
    dialog.exec();
}

void ReadDisplayFileHeader(WId owner) {
    ReadDisplayFileHeader(owner, QString());
}
