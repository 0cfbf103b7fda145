#include "viewcore/tcreopenlist.h"

#include "apptools/appfolders.h"

QString TCReopenList::FilePath() {
    return KT_GetAppDataCtrlDir() + QStringLiteral("/kv_reop.lst");
}

bool TCReopenList::AddFile(const QString& name) {
    const int i = FindPartial(name, 0, false, false);
    if (i == 0)
        return false;
    if (i > 0) {
        const QString stored = At(i);
        Delete(i);
        Insert(0, stored);
    } else {
        Insert(0, name);
        // Also trims a list that came longer from a hand-edited file.
        while (Count() > kMaxFiles)
            Delete(Count() - 1);
    }
    Save();
    return true;
}

bool TCReopenList::Save() {
    return SaveToFile(FilePath(), false);
}

bool TCReopenList::Load() {
    Clear();
    return LoadFromFile(FilePath(), true);
}
