#pragma once
// The fourteen display parameters of a TCViewerParams as a uniform list of named entries, each
// optionally switchable and optionally numeric, with a one-line read-out; the quick-control
// window and the toolbar drive the parameters through it. Entries 0..13: gain, normalisation,
// AGC, trace scale, time scale, trace step, sample step, reduction, delay, filter half-length,
// low and high frequency, negative phases, inversion.
//
// Init binds the parameters (not owned) and must precede every other call. An entry index
// outside the list reads as an entry without flag and number and an empty read-out.

#include "viewcore/tcctrlrec.h"

#include <QString>

#include <vector>

class TCViewerParams;

class TCFController {
public:
    static constexpr int kEntryCount = 14;

    TCFController();

    void Init(TCViewerParams* params) { m_params = params; }
    int Count() const { return int(m_recs.size()); }
    const TCCtrlRec& At(int i) const { return m_recs.at(size_t(i)); }

    bool Flag(int i) const;
    bool Numeric(int i) const;
    // Has a flag and the flag is set.
    bool FlagOn(int i) const;
    // Has a flag; entries 0..2 only while the gain-table mode is off.
    bool CanSwitch(int i) const;
    void Switch(int i);
    // False without a number, for entry 0 in the gain-table mode, or while the entry's flag is
    // off; else the parameters' CanModify.
    bool CanChangeNumeric(int i, bool inc) const;
    void ChangeNumeric(int i, bool inc);
    QString GetParamHint(int i) const;
    void SetDefaults();
    void Add(const QString& name, char flag, char numeric);

private:
    const TCCtrlRec* Rec(int i) const;

    std::vector<TCCtrlRec> m_recs;
    TCViewerParams* m_params = nullptr;
};
