#pragma once
// Named store of the M_ family: published handles and named shared texts.
//
// Every name lives in a per-user runtime folder of mode 0700 ($XDG_RUNTIME_DIR/gravik, else
// /tmp/gravik-<uid>; refused when it is not ours or open to others), inside the namespace of a
// session key, as the file "<folder>/<session>.<name>". The session key is the value of the
// environment variable GRAVIK_SESSION; M_SessionKey() sets it to "p<pid>" when it is unset, so
// an owner's worker processes, which inherit the environment, find their owner's names and no
// one else's. An owner whose inherited session already has a live channel takes a fresh key
// (M_TakeFreshSession), so two owners never meet, whether in two processes or two users.
// Names are removed by their owner (M_UnpublishHandle, M_CloseSharedText); a crashed owner's
// stale names are overwritten by the next owner of that key.

#include <QString>

// The per-user runtime folder, created on first use; empty when it cannot be made safe.
QString M_RuntimeDir();
// The session key of this process (see above).
QString M_SessionKey();
// Switches this process to a new session key "p<pid>-<n>" nobody uses yet; returns it.
QString M_TakeFreshSession();
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
