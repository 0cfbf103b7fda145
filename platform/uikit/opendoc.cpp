#include "uikit/opendoc.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

bool logOpen(const QString& logName, const QString& path) {
    QFile log(logName);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = path.toUtf8() + '\n';
    return log.write(line) == line.size();
}

// The desktop chooses the program by the file's type; a text file opens in its text editor, so
// both entries share this path.
bool openWithDesktop(const QString& path) {
    const QString logName = qEnvironmentVariable("GRAVIK_OPEN_LOG");
    if (!logName.isEmpty())
        return logOpen(logName, path);
    if (!QFileInfo(path).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

} // namespace

bool F_OpenAsciiDoc(const QString& path) {
    return openWithDesktop(path);
}

bool F_OpenRegistDoc(const QString& path) {
    return openWithDesktop(path);
}
