#pragma once
// Texts of the header inspector: the key-word descriptions and the result of a test read.

#include "trcfile/tcwordrec.h"

#include <QString>
#include <vector>

// How many of the reader's key-word records are listed (the next one is the trace count).
inline constexpr int kListedKeyWords = 6;

// The description of listed key word `row` (0..5), empty outside.
QString KeyWordDescription(int row);

// The result text of a test read that returned `status`, with the key words the reader gave.
QString ReadResultText(int status, const std::vector<TCWordRec>& keys);
