#include "msgchannel/namedstore.h"

#include "apptools/appfolders.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QSaveFile>

#include <cerrno>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kSessionVar = "GRAVIK_SESSION";
constexpr const char* kRuntimeVar = "GRAVIK_RUNTIME_DIR";
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

// Whether `path` is a folder only we can use: made here when missing, a real folder (no
// link), ours, closed to others. When not, `problem` says why.
bool SafeFolder(const QByteArray& path, M_RuntimeProblem& problem) {
    problem.folder = QString::fromLocal8Bit(path);
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        problem.reason = M_RuntimeProblem::CannotCreate;
        problem.error = errno;
        return false;
    }
    struct stat st;
    if (lstat(path.constData(), &st) != 0) {
        problem.reason = M_RuntimeProblem::CannotCreate;
        problem.error = errno;
        return false;
    }
    problem.error = 0;
    if (!S_ISDIR(st.st_mode))
        problem.reason = M_RuntimeProblem::NotAFolder;
    else if (st.st_uid != getuid())
        problem.reason = M_RuntimeProblem::OtherOwner;
    else if ((st.st_mode & 077) != 0)
        problem.reason = M_RuntimeProblem::OpenToOthers;
    else
        return true;
    return false;
}

QList<M_RuntimeProblem>& Problems() {
    static QList<M_RuntimeProblem> problems;
    return problems;
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
    // Unix socket paths are short (108 bytes) and a session key may take 40 of them, so a long
    // runtime folder is not used.
    constexpr int kLongest = 60;
    const QByteArray uid = QByteArray::number(static_cast<qulonglong>(getuid()));
    // An owner hands its folder to its workers, whichever it took.
    QList<QByteArray> candidates;
    const QByteArray handed = qgetenv(kRuntimeVar);
    if (!handed.isEmpty())
        candidates.append(handed);
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty())
        candidates.append(xdg + "/gravik");
    // The shared /tmp name may be taken by another user; the user's own data folder, then a
    // fresh folder of a name nobody can guess, cannot.
    const QByteArray temp = QFile::encodeName(QDir::tempPath());
    candidates.append(temp + "/gravik-" + uid);
    candidates.append(QFile::encodeName(KT_GetEditorDataDir()) + "/run");
    Problems().clear();
    for (const QByteArray& c : candidates) {
        M_RuntimeProblem problem;
        if (c.size() >= kLongest) {
            problem.folder = QString::fromLocal8Bit(c);
            problem.reason = M_RuntimeProblem::TooLong;
            Problems().append(problem);
        } else if (SafeFolder(c, problem)) {
            dir = QString::fromLocal8Bit(c);
            break;
        } else {
            Problems().append(problem);
        }
    }
    if (dir.isEmpty()) {
        QByteArray fresh = temp + "/gravik-" + uid + "-XXXXXX";
        if (mkdtemp(fresh.data())) {
            dir = QString::fromLocal8Bit(fresh);
        } else {
            M_RuntimeProblem problem;
            problem.folder = QString::fromLocal8Bit(fresh);
            problem.reason = M_RuntimeProblem::CannotCreate;
            problem.error = errno;
            Problems().append(problem);
        }
    }
    if (!dir.isEmpty()) {
        qputenv(kRuntimeVar, QFile::encodeName(dir));
        Problems().clear();
    }
    return dir;
}

QList<M_RuntimeProblem> M_RuntimeDirProblems() {
    M_RuntimeDir();
    return Problems();
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

namespace {

// The parent this process had when it started.
const qint64 g_startParent = getppid();

QString OwnerPath(const QString& session) {
    const QString dir = M_RuntimeDir();
    return dir.isEmpty() ? QString() : dir + "/" + session + ".owner";
}

// The process recorded as the owner of `session`, 0 when none is.
qint64 RecordedOwner(const QString& session) {
    QByteArray bytes;
    const QString path = OwnerPath(session);
    if (path.isEmpty() || !ReadFile(path, bytes))
        return 0;
    bool ok = false;
    const qint64 pid = bytes.trimmed().toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

bool ProcessLives(qint64 pid) {
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

} // namespace

bool M_ClaimSession() {
    const QString path = OwnerPath(M_SessionKey());
    return !path.isEmpty() && WriteFile(path, QByteArray::number(static_cast<qlonglong>(getpid())));
}

void M_ReleaseSession(const QString& session) {
    if (RecordedOwner(session) == getpid())
        QFile::remove(OwnerPath(session));
}

bool M_SessionOwnerAlive() {
    const qint64 owner = RecordedOwner(M_SessionKey());
    if (owner == getpid())
        return true;
    // An owner that started this process is watched through the parent link: when it ends,
    // this process gets another parent, whereas its number may soon belong to another process.
    if (owner == g_startParent)
        return getppid() == g_startParent;
    return ProcessLives(owner);
}

int M_RemoveStaleSessions() {
    const QString dir = M_RuntimeDir();
    if (dir.isEmpty())
        return 0;
    QDir folder(dir);
    int removed = 0;
    const QString suffix = QStringLiteral(".owner");
    for (const QString& ownerFile :
         folder.entryList({"*" + suffix}, QDir::Files | QDir::CaseSensitive)) {
        const QString session = ownerFile.chopped(suffix.size());
        const qint64 owner = RecordedOwner(session);
        if (owner == 0 || ProcessLives(owner))
            continue;
        // The owner file last, so a removal cut short is taken up by the next owner.
        for (const QString& name : folder.entryList(
                 {session + ".*"}, QDir::Files | QDir::System | QDir::Hidden | QDir::CaseSensitive))
            if (name != ownerFile && folder.remove(name))
                ++removed;
        folder.remove(ownerFile);
    }
    return removed;
}
