#pragma once
// Ten numbered, user-named parameter sets (0..9) and the last used set (10), stored together in
// one file (KV_GetSetArrayFile): per set its stream image, then 25 bytes of name in Windows-1251
// (cut to 25 characters, zero-filled). A set is valid while its amplitude-mode byte is not
// negative; an empty slot holds mode -1.

#include "viewcore/tcviewerparams.h"

#include <QString>
#include <QStringList>

class TCSetArray {
public:
    static constexpr int kSetCount = 11;
    static constexpr int kLastSet = 10;
    static constexpr int kNameSize = 25;

    // All sets invalid, default names.
    TCSetArray();

    // Every set a defaults set with mode -1; current names back to the default names.
    void SetInvalid();
    // Set i is valid (false for an index outside 0..10).
    bool Valid(int i) const;
    // Some set of 0..9 is valid.
    bool Exists() const;
    // Copies set i into out (nothing for an index outside 0..10).
    void Get(int i, TCViewerParams& out) const;
    // Copies p into set i, named `name`, or the slot's default name when name is empty.
    void Set(int i, const QString& name, const TCViewerParams& p);
    QString GetName(int i) const;
    // Names of sets 0..9.
    void GetNames(QStringList& names) const;
    bool LastValid() const { return Valid(kLastSet); }
    void GetLast(TCViewerParams& out) const { Get(kLastSet, out); }
    // Copies p into set 10 and names it "LastSettings".
    void SetLast(const TCViewerParams& p);

    // The name of set i into the 25-byte buffer (Windows-1251, zero-filled), and back (up to
    // the first zero byte or all 25 bytes).
    void CopyNameToBuf(int i);
    void GetNameFromBuf(int i);

    // Copies current into set 10 (its name stays) and writes the set file; true when all of it
    // was written.
    bool Save(const TCViewerParams& current);
    // Reads the set file. A missing or unopenable file: SetInvalid. A set whose image or name
    // fails to read takes defaults and its default name, and the sets after it are invalid.
    // True when every set was read.
    bool Load();

private:
    static bool ValidIndex(int i) { return i >= 0 && i < kSetCount; }

    TCViewerParams m_sets[kSetCount];
    QString m_names[kSetCount];
    QString m_defNames[kSetCount];
    char m_nameBuf[kNameSize];
};
