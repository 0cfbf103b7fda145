#pragma once
// Pure conversions of SEG-Y bytes: integers in either byte order, the five sample formats
// (1 IBM float, 2 int32, 3 int16, 5 IEEE float, 8 int8) and textual header decoding.
// Everything goes through memcpy on byte buffers, never through pointer casts.

#include <cstddef>
#include <cstdint>
#include <string>

namespace trc {

// Bytes per sample of a format code, 0 for a code this library does not read.
int SampleSize(int format);

// Signed integer of `size` bytes (1, 2, 4 or 8) at `p`, big-endian when `big`.
int64_t GetInt(const void* p, int size, bool big);
// Stores the low `size` bytes of `value` (two's complement) at `p`.
void PutInt(void* p, int size, int64_t value, bool big);

// IBM System/360 single precision <-> IEEE float, on the 32-bit patterns.
float IbmToFloat(uint32_t ibm);
uint32_t FloatToIbm(float value);

// Decodes `count` samples of `format` from `src` into `dst`. False for an unknown format.
bool DecodeSamples(int format, bool big, const void* src, float* dst, size_t count);
// Encodes `count` floats into samples of `format` at `dst`; integer formats round to nearest
// and saturate at the type's limits. False for an unknown format.
bool EncodeSamples(int format, bool big, const float* src, void* dst, size_t count);

// True when a 3200-byte textual block looks like EBCDIC rather than ASCII.
bool IsEbcdicText(const void* block, size_t size);
// One 80-byte card of a textual block as UTF-8: EBCDIC or ASCII as told; bytes above 127 of an
// ASCII block are taken as Windows-1251; control bytes become blanks; trailing blanks are cut.
std::string DecodeTextLine(const void* line, size_t size, bool ebcdic);
// Encodes an ASCII text into EBCDIC in place (used when writing standard textual headers).
void AsciiToEbcdic(void* buf, size_t size);

// Days since 30 December 1899 (fraction = time of day) of a proleptic Gregorian date given as
// year and day of year; -1 when a value is out of range.
double DaysSince1899(int year, int dayOfYear, int hour, int minute, int second);

} // namespace trc
