#include "apptools/appfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& appDirOverride() {
    static QString dir;
    return dir;
}

QString dataRoot() {
    const QString home = qEnvironmentVariable("GRAVIK_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(home);
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Gravik");
}

QString dataDir(const char* name) {
    const QString dir = dataRoot() + QLatin1Char('/') + QLatin1String(name);
    QDir().mkpath(dir);
    return dir;
}

} // namespace

QString KT_GetAppDir() {
    if (!appDirOverride().isEmpty())
        return appDirOverride();
    // The executable's own folder, also when the caller is a plug-in or has no QCoreApplication.
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

void KT_SetAppDir(const QString& folder) { appDirOverride() = QDir::cleanPath(folder); }

QString KE_GetProcPath() { return KT_GetAppDir() + QStringLiteral("/procedures/"); }

QString KT_GetEditorDataDir() { return dataDir("editor"); }

QString KE_GetFileName(QChar letter) {
    const char* name = nullptr;
    switch (letter.toUpper().unicode()) {
    case 'P': name = "ked_supervisor.dat"; break;
    case 'E': name = "ked_errors.lst"; break;
    case 'M': name = "ked_masks.lst"; break;
    case 'T': name = "ked_asciidirs.lst"; break;
    default: return QString();
    }
    return KT_GetEditorDataDir() + QLatin1Char('/') + QLatin1String(name);
}

QString KT_GetAppDataCtrlDir() { return dataDir("viewer"); }

QString KV_GetSetArrayFile() { return KT_GetAppDataCtrlDir() + QStringLiteral("/kv_sets.bin"); }
QString KV_GetImgrParamsFile() { return KT_GetAppDataCtrlDir() + QStringLiteral("/kr_params.bin"); }
QString KV_GetImagerJobFile() { return KT_GetAppDataCtrlDir() + QStringLiteral("/kr_job.ini"); }
QString KV_GetImagerPreviewFile() {
    return KT_GetAppDataCtrlDir() + QStringLiteral("/kr_preview.bmp");
}
QString KV_GetTextHeaderFile() { return KT_GetAppDataCtrlDir() + QStringLiteral("/kv_text.txt"); }
QString KV_GetImagerExeName() { return KT_GetAppDir() + QStringLiteral("/rastexport"); }
