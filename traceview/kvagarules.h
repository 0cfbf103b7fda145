#pragma once
// The decisions of the gain table window and its entry dialog, kept apart from the widgets:
// the symmetric trace, adding and deleting entries with their symmetric partners, and the
// checks of the entry dialog.

#include <QString>

class TCAGATable;

// The symmetric trace of t about the zero-offset trace: 2 x zero - t, or 0 (none) when that
// lies below 0 or beyond the number of traces.
int KV_SymmetricTrace(int trace, int zeroTrace, int traces);
// Adds (trace, gain) and, when symmetric > 0, (symmetric, gain). False when an addition was
// refused because the table is full; the entries that fitted stay.
bool KV_AgaAdd(TCAGATable& table, int trace, int symmetric, float gain);
// Removes entry `row` and, with `symmetric`, the entry of its symmetric trace if there is one.
// Returns the row to select afterwards: the same row, or the last one when that is gone (-1 for
// an empty table). A row outside the table changes nothing.
int KV_AgaDelete(TCAGATable& table, int row, bool symmetric, int zeroTrace, int traces);

// The entry dialog's OK works while the trace box holds a non-zero number and the gain box is
// not empty.
bool KV_AgaEntryOkEnabled(const QString& trace, const QString& gain);
// Whether OK may close the entry dialog: a trace within the record and a gain of at most 400 dB
// in magnitude, both numbers.
bool KV_AgaEntryAcceptable(const QString& trace, const QString& gain, int traces);
