#pragma once
// One key header word as reported by TCSegyFilerUx::GetKeyInfo.

#include <cstdint>

struct TCWordRec {
    int32_t number; // ordinal number of the word in the binary header (field index + 1);
                    // 0 for the trace count record
    int32_t value;  // the word's value, signed
    int32_t valid;  // non-zero when the value is acceptable
};
