#include "core/tuprocrec.h"

#include "apptools/appfolders.h"
#include "corebase/files.h"
#include "corebase/strings.h"

#include <QFileInfo>
#include <QStringList>

QString TUProcRec::DescriptionPath() const {
    const QString canonical = KE_GetProcPath() + code + QLatin1Char('_') +
                              S_LeftPad(QString::number(flags), 3, QLatin1Char('0')) + title +
                              QStringLiteral(".dsc");
    if (QFileInfo(canonical).isFile())
        return canonical;
    // The scan upper-cases codes; on a case-sensitive file system the file may be spelled
    // otherwise, and the listing matches names without regard to case.
    QStringList found;
    F_AppendFileList(canonical, found, true);
    return found.isEmpty() ? canonical : found.first();
}
