#pragma once
// The viewer's most-recently-opened files, newest first, at most 16 after AddFile. Stored one
// name a line in KT_GetAppDataCtrlDir() + "/kv_reop.lst".

#include "corebase/bcstringlist.h"

#include <QString>

class TCReopenList : public BCStringList {
public:
    static constexpr int kMaxFiles = 16;

    // Moves a listed name (compared whole, letter case ignored) to the top as it was stored, or
    // puts a new one on top, dropping the 17th; then Save. False, with nothing changed or
    // saved, when the name is already on top.
    bool AddFile(const QString& name);

    virtual bool Save();
    virtual bool Load();

    static QString FilePath();
};
