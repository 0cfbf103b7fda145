#include "viewcore/vcstrings.h"

QString VC_Text(VcText id) {
    switch (id) {
    case VcText::SettingsSaveError:
        return QStringLiteral("Ошибка сохранения данных. (Возможно, из-за ограничения доступа.");
    case VcText::SettingsSaveCaption:
        return QStringLiteral("Ошибка KxViewer");
    }
    return QString();
}
