#pragma once
// The procedure catalogue: the description files of KE_GetProcPath(), named
// CODE_FFFTitle.dsc (code without "_", flags as three digits, any title).
//
// Operations that can fail return a batch-editor message number, 0 for success; -1 from
// Install means the user declined to overwrite (the command ends silently).

#include "core/tuprocrec.h"

#include <QVector>

class TUAnswerer;

class TUProcList {
public:
    // Rescans the description folder and returns the number of entries; when no file
    // matches, returns 0 and keeps the previous entries.
    int Load();
    int Count() const { return m_recs.size(); }
    const TUProcRec& At(int index) const { return m_recs.at(index); }
    // Index of the entry with `code` (any case), -1 when none.
    int Find(const QString& code) const;

    // Parses one description file name; false when it does not fit the naming rule or its
    // flags are not one of the accepted combinations.
    static bool ParseName(const QString& fileName, TUProcRec& rec);
    // Checks a description chosen for adding: 28 when it lies in the description folder
    // itself, 29 when its name is unfit.
    static int Validate(const QString& path, TUProcRec& rec);
    // Copies a validated description and the plug-in beside it into the application: 33 when
    // the plug-in is missing, 35 when a copy fails, -1 when the user keeps an existing
    // procedure (message 36).
    static int Install(const QString& path, const TUProcRec& rec, TUAnswerer& answerer);
    // The plug-in file name of a code: lower case, with the platform's library suffix.
    static QString LibraryFileName(const QString& code);

private:
    QVector<TUProcRec> m_recs;
};
