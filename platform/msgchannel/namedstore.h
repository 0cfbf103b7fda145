#pragma once
// Named store of the M_ family: published handles and named shared texts.
//
// Every name lives in a per-user runtime folder of mode 0700, inside the namespace of a session
// key, as the file "<folder>/<session>.<name>". The folder is the first of $GRAVIK_RUNTIME_DIR
// (an owner's choice, inherited by its workers), $XDG_RUNTIME_DIR/gravik, <temp>/gravik-<uid>
// (<temp> is $TMPDIR or /tmp), the batch editor's data folder + "/run" that is ours, a real folder
// and closed to others (made when missing), else a fresh folder made with mkdtemp; the process then
// sets $GRAVIK_RUNTIME_DIR to it, so the workers it starts use the same folder. The session key is
// the value of the environment variable GRAVIK_SESSION; M_SessionKey() sets it to "p<pid>" when it
// is unset, so an owner's worker processes, which inherit the environment, find their owner's names
// and no one else's. An owner whose inherited session already has a live channel takes a fresh key
// (M_TakeFreshSession), so two owners never meet, whether in two processes or two users.
// Names are removed by their owner (M_UnpublishHandle, M_CloseSharedText). An owner records
// itself in "<session>.owner" (M_ClaimSession): its workers wait for it while it lives, and the
// names of a session whose recorded owner has ended (killed, crashed) are removed by the next
// owner (M_RemoveStaleSessions).

#include <QList>
#include <QString>

// Why a folder could not serve as the runtime folder (callers may number texts by this order).
struct M_RuntimeProblem {
    enum Reason { CannotCreate, NotAFolder, OtherOwner, OpenToOthers, TooLong };
    QString folder;
    Reason reason = CannotCreate;
    int error = 0; // the system's error number for CannotCreate
};

// The per-user runtime folder, created on first use; empty when no safe one could be made.
QString M_RuntimeDir();
// Every folder tried and why it was refused, when M_RuntimeDir() is empty; else empty.
QList<M_RuntimeProblem> M_RuntimeDirProblems();
// The session key of this process (see above).
QString M_SessionKey();
// Switches this process to a new session key "p<pid>-<n>" nobody uses yet; returns it.
QString M_TakeFreshSession();
// Records this process as the owner of the current session; false on failure.
bool M_ClaimSession();
// Removes the owner record of `session` when this process is its owner.
void M_ReleaseSession(const QString& session);
// True while the owner recorded for the current session lives (false when none is recorded).
bool M_SessionOwnerAlive();
// Removes every name of the sessions whose recorded owner has ended; returns how many.
int M_RemoveStaleSessions();
// Path of `name` in the current session; empty without a runtime folder.
QString M_NamePath(const QString& name);

// Publishes `value` (a channel name) under `name`; false on failure.
bool M_PublishHandle(const QString& name, const QString& value);
// Reads a published value; false when nothing is published under `name`.
bool M_GetPublishedHandle(const QString& name, QString& value);
void M_UnpublishHandle(const QString& name);

// Creates (or replaces) the shared text `name`; returns its handle, 0 on failure.
int M_CreateSharedText(const QString& name, const QString& text);
// Reads the shared text `name` of the current session; false when there is none.
bool M_ReadSharedText(const QString& name, QString& text);
// Removes the shared text of `handle` (0 and unknown handles are ignored).
void M_CloseSharedText(int handle);
