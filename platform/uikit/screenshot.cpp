#include "uikit/screenshot.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

void SaveScreenshot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("GRAVIK_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    if (!w->grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))))
        qWarning("SaveScreenshot: cannot write %s", qPrintable(name));
}
