#pragma once
// Platform variant of a SEG-Y file, i.e. its byte order. Variant 0, the Windows-platform variant,
// has every binary-header word, trace-header word and sample little-endian; variant 1 is the
// standard big-endian layout of the Unix/Linux platform.

enum TCFileFmt : int {
    fmtWindows = 0, // little-endian
    fmtUnix = 1,    // big-endian (standard)
};
