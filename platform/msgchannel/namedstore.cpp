#include "msgchannel/namedstore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kSessionVar = "GRAVIK_SESSION";
// Texts larger than this are no job; a bigger file under our name is not read.
constexpr qint64 kMaxSharedText = 16 * 1024 * 1024;

bool ValidKey(const QByteArray& key) {
    if (key.isEmpty() || key.size() > 40)
        return false;
    for (char c : key)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '-' || c == '_'))
            return false;
    return true;
}

// A folder we made ourselves: ours, a real folder (no link), closed to others.
bool SafeFolder(const QByteArray& path) {
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st;
    if (lstat(path.constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return f.write(bytes) == bytes.size() && f.commit();
}

bool ReadFile(const QString& path, QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxSharedText)
        return false;
    bytes = f.readAll();
    return f.error() == QFileDevice::NoError;
}

QMap<int, QString>& SharedTexts() {
    static QMap<int, QString> texts;
    return texts;
}

} // namespace

QString M_RuntimeDir() {
    static QString dir;
    if (!dir.isEmpty())
        return dir;
    // Unix socket paths are short (108 bytes), so a long runtime folder is not used.
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    QList<QByteArray> candidates;
    if (!xdg.isEmpty() && xdg.size() < 48)
        candidates.append(xdg + "/gravik");
    candidates.append("/tmp/gravik-" + QByteArray::number(static_cast<qulonglong>(getuid())));
    for (const QByteArray& c : candidates)
        if (SafeFolder(c)) {
            dir = QString::fromLocal8Bit(c);
            break;
        }
    return dir;
}

QString M_SessionKey() {
    const QByteArray key = qgetenv(kSessionVar);
    if (ValidKey(key))
        return QString::fromLatin1(key);
    const QByteArray own = "p" + QByteArray::number(static_cast<qlonglong>(getpid()));
    qputenv(kSessionVar, own);
    return QString::fromLatin1(own);
}

QString M_TakeFreshSession() {
    const QString dir = M_RuntimeDir();
    const QByteArray base = "p" + QByteArray::number(static_cast<qlonglong>(getpid()));
    for (int n = 1;; ++n) {
        const QByteArray key = base + "-" + QByteArray::number(n);
        // A key is free when no name of it exists in the folder.
        if (dir.isEmpty() ||
            QDir(dir)
                .entryList({QString::fromLatin1(key) + ".*"}, QDir::Files | QDir::System)
                .isEmpty()) {
            qputenv(kSessionVar, key);
            return QString::fromLatin1(key);
        }
    }
}

QString M_NamePath(const QString& name) {
    const QString dir = M_RuntimeDir();
    if (dir.isEmpty())
        return QString();
    return dir + "/" + M_SessionKey() + "." + name;
}

bool M_PublishHandle(const QString& name, const QString& value) {
    const QString path = M_NamePath(name);
    return !path.isEmpty() && WriteFile(path, value.toUtf8());
}

bool M_GetPublishedHandle(const QString& name, QString& value) {
    const QString path = M_NamePath(name);
    QByteArray bytes;
    if (path.isEmpty() || !ReadFile(path, bytes) || bytes.isEmpty())
        return false;
    value = QString::fromUtf8(bytes);
    return true;
}

void M_UnpublishHandle(const QString& name) {
    const QString path = M_NamePath(name);
    if (!path.isEmpty())
        QFile::remove(path);
}

int M_CreateSharedText(const QString& name, const QString& text) {
    static int lastHandle = 0;
    const QString path = M_NamePath(name);
    if (path.isEmpty() || !WriteFile(path, text.toUtf8()))
        return 0;
    SharedTexts().insert(++lastHandle, path);
    return lastHandle;
}

bool M_ReadSharedText(const QString& name, QString& text) {
    const QString path = M_NamePath(name);
    QByteArray bytes;
    if (path.isEmpty() || !ReadFile(path, bytes))
        return false;
    text = QString::fromUtf8(bytes);
    return true;
}

void M_CloseSharedText(int handle) {
    const QString path = SharedTexts().take(handle);
    if (!path.isEmpty())
        QFile::remove(path);
}
