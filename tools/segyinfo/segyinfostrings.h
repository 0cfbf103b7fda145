#pragma once
// The messages and captions of segyinfo: one table, looked up by number.

namespace segyinfo {

enum Str : int {
    kUsage = 1,
    kBadArgs,
    kOpenError,   // "%d" code, "%s" the reader's text
    kReadError,   // trace read failure: trace number, code
    kRangeError,  // trace range outside the file
    kCaptionFirst // 11 captions of the file facts follow
};

// Text of message `id`; the reader's Open texts by its code (empty for codes without one).
const char* Text(int id);
const char* OpenErrorText(int code);

} // namespace segyinfo
