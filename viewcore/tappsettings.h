#pragma once
// The viewer's per-user start-up settings: three remembered folder lists (SEG-Y data,
// parameter sets, raster output), the current entry of each, and five option bits. Stored in
// KT_GetAppDataCtrlDir() + "/kv.set" as a sectioned string list: "[SEGY FOLDERS]",
// "[SET FOLDERS]", "[GRAPH FOLDERS]" and "[NUMERIC]" (one line, GetAsString()).
//
// List selectors: 0 sgyDirs, 1 setDirs, 2 rastDirs.

#include "corebase/bcstringlist.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

class TAppSettings {
public:
    TAppSettings() { SetDefaults(); }

    // The three indices -1, newWindow false, flags 12; the lists stay.
    void SetDefaults();

    // The current entry of each list, or empty when its index is outside the list.
    QString GetSgyDir() const;
    QString GetSetDir() const;
    QString GetRastDir() const;

    bool UseSgyDir() const { return flags & 1; }
    bool UseLastSet() const { return flags & 2; }
    bool IgnoreFHdr() const { return flags & 4; }
    bool IgnoreTHdr() const { return flags & 8; }
    bool SaveBookMarks() const { return flags & 16; }
    // Replaces the whole word, arguments in bit order.
    void SetFlags(bool useSgyDir, bool useLastSet, bool ignoreFHdr, bool ignoreTHdr,
                  bool saveBookMarks);

    // "sgyIndex,setIndex,rastIndex,flags".
    QString GetAsString() const;
    // The four numbers from such a text; fewer than four items or one that is not a whole
    // integer resets all four as SetDefaults does. Items beyond the fourth are ignored.
    void SetFromString(const QString& text);

    // Replaces `target` with the selected list.
    void CopyTo(QStringList& target, int list) const;
    // Replaces the selected list with `source`.
    void CopyFrom(const QStringList& source, int list);

    // Writes the settings file; false when it could not be written (the caller shows
    // VC_Text(VcText::SettingsSaveError)). The settings in memory are unchanged.
    bool Save() const;
    // Reads the settings file; a missing, empty or damaged file gives the default numbers and
    // leaves the lists as they were. Indices are clamped into their lists (-1 for an empty one).
    void Load();

    static QString FilePath();

    qint32 sgyIndex;
    qint32 setIndex;
    qint32 rastIndex;
    bool newWindow; // in memory only
    qint32 flags;
    BCStringList sgyDirs;
    BCStringList setDirs;
    BCStringList rastDirs;

private:
    BCStringList* List(int list);
    const BCStringList* List(int list) const;
};
