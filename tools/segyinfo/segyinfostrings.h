#pragma once
// The messages and captions of segyinfo: one table, looked up by number.

namespace segyinfo {

enum Str : int {
    kUsage = 1,
    kBadArgs,
    kOpenError,   // "%d" code, "%s" the reader's text
    kReadError,   // trace read failure: trace number, code
    kRangeError,  // trace range outside the file
    kVersion,     // the program name and the project version
    kCaptionFirst // 11 captions of the file facts follow
};

// Text of message `id`.
const char* Text(int id);
// The text of a code that TCSegyReaderEx::Open (or OpenTest) returns; empty for codes without
// one. Other programs that report why a SEG-Y file cannot be opened use it too.
const char* OpenErrorText(int code);

} // namespace segyinfo
