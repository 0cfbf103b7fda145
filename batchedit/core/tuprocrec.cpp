#include "core/tuprocrec.h"

#include "apptools/appfolders.h"
#include "corebase/strings.h"

QString TUProcRec::DescriptionPath() const {
    return KE_GetProcPath() + code + QLatin1Char('_') +
           S_LeftPad(QString::number(flags), 3, QLatin1Char('0')) + title + QStringLiteral(".dsc");
}
