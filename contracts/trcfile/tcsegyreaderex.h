#pragma once
// TCSegyReaderEx: reads a SEG-Y revision 1 file of either platform variant (tcfilefmt.h).
//
// Open checks every header value against the file size before anything is allocated, so a
// malformed file gives a code of trcerrors.h and never a crash or a huge allocation. Traces are
// fixed-length: 240 header bytes plus Samples() samples of SampleSize() bytes. Trace access that
// fails throws ESegyFiler{code, trace}. Trace numbers count from 1, sample indices from 0.
// Header words are addressed by field index (segyfields.h) and returned as signed 64-bit.

#include "trcfile/esegyfiler.h"
#include "trcfile/tcbasereader.h"
#include "trcfile/tcfilefmt.h"

#include <cstdint>
#include <string>
#include <vector>

class TCSegyReaderEx : public TCBaseReader {
public:
    // Open flags.
    enum : unsigned {
        kIgnoreFileHeader = 1,  // relax the binary header check: a zero sample count or
                                // interval is taken from the first trace header
        kIgnoreTraceHeaders = 2 // do not compare the first and last trace headers' sample
                                // count and interval with the binary header's (never compared
                                // when the binary header sets the fixed-length flag of
                                // revision 1 and above)
    };

    TCSegyReaderEx();
    ~TCSegyReaderEx() override;

    // Opens `name`, detecting the byte order from the binary header (a plausible format code and
    // sample count). Returns 0 or a code of trcerrors.h (1, 2, 6, 7, 9, 10, 12, 14, 15, 16). The
    // boolean is kept for callers that pass it and has no effect.
    // Opening closes only the previous input: a filer's output stays open.
    int Open(const std::string& name, unsigned flags = 0, bool = true);
    void Close() override;

    // Integer facts: 1 the property a merge requires equal in all inputs: the sample format code
    //   plus 256 for a little-endian file (raw sample bytes of two files can be joined only when
    //   format and byte order agree); 2 sample size in bytes; 3 number of traces; 4 sample
    //   interval in microseconds; 5 sample interval in the time-axis unit; 6 non-zero when the
    //   time-axis unit is the millisecond, which it is when the interval is a whole number of
    //   milliseconds, otherwise the microsecond; 7 samples per trace; 8 number of extended
    //   textual blocks; 11 record length, samples x interval in the time-axis unit, at most
    //   2147483647: callers place sample n (from 1) at n x interval, so record length / interval
    //   is the last sample; 0 for other codes or when no file is open.
    int GetInt(char code) const override;

    // Makes trace n (from 1) current, reading its header and samples. Throws ESegyFiler with
    // kErrTraceRange or kErrRead. Reads ahead when traces are visited in order.
    void SetTrace(int n);
    // Current trace number, 0 before the first SetTrace.
    int Trace() const { return m_trace; }
    // Word `index` of the current trace header (kind 'T') or of the binary header (kind 'B');
    // 0 for an index outside the table or no current trace.
    int64_t HdrWord(char kind, int index) const;
    // Sample i (from 0) of the current trace; 0 outside 0..Samples()-1.
    float SampAsFloat(int i) const;
    // Samples first..first+count-1 of the current trace into dst[0..count-1]; a place whose
    // sample lies outside the trace (or without a current trace) gets 0, as SampAsFloat gives.
    void SamplesAsFloat(float* dst, int first, int count) const;
    // Date and time of the current trace from words 59..63 (year, day of year, hour, minute,
    // second) as days since 30 December 1899, proleptic Gregorian, no time-zone shift; 0 when
    // the year or day is unset or a value is out of range.
    double TraceTime() const;

    // The eleven values of the file information page, one per line, in this order: file name,
    // size in bytes, creation time (UTC, "dd.mm.yyyy hh:nn:ss", empty when the system does not
    // keep it), modification time (UTC), format ("SEG-Y rev N, big-endian"...), extended textual
    // blocks, traces, interval (time-axis unit), samples per trace, record length (time-axis
    // unit), sample format ("IBM float, 4 bytes"...).
    void GetFileInfo(std::vector<std::string>& list) const;
    // 40 lines of textual block `block` (0 the textual header, 1.. the extended blocks) in
    // UTF-8, EBCDIC or ASCII detected per block; empty list for a block that does not exist.
    // Throws ESegyFiler{kErrRead, 0} when the block cannot be read.
    void GetTextList(std::vector<std::string>& list, int block) const;
    // One text "value,size" per header word in field index order: selector -1 the binary
    // header, n >= 1 the header of trace n (which becomes current; throws like SetTrace).
    void GetHdrList(std::vector<std::string>& list, int selector);

    // Raw access (no conversion). Byte order, format and sizes of the open file.
    bool BigEndian() const { return m_big; }
    TCFileFmt FileFmt() const { return m_big ? fmtUnix : fmtWindows; }
    int Format() const { return m_format; }
    int SampleSize() const { return m_sampleSize; }
    int Samples() const { return m_samples; }
    int Interval() const { return m_interval; }
    int Traces() const { return m_traces; }
    int ExtBlocks() const { return m_extBlocks; }
    int64_t TraceBytes() const;
    // File offset of trace 1's header.
    int64_t DataStart() const;
    // The 3200-byte textual header and the 400-byte binary header as read.
    const unsigned char* RawTextHeader() const { return m_text; }
    const unsigned char* RawBinHeader() const { return m_bin; }
    // Extended textual block k (1..ExtBlocks()) into a 3200-byte buffer; false when it cannot.
    bool ReadExtBlock(int k, void* buf) const;
    // Header (240 bytes) and samples (Samples() x SampleSize() bytes) of the current trace.
    const unsigned char* RawTraceHeader() const { return m_cur; }
    const unsigned char* RawSamples() const { return m_cur ? m_cur + 240 : nullptr; }
    // Reads traces first..first+count-1 whole (header + samples, TraceBytes() each) into buf
    // with one read. Throws ESegyFiler with kErrTraceRange or kErrRead (trace = first).
    void ReadRawTraces(int first, int count, void* buf) const;

    // A header word by field index in a raw 240-byte trace header (kind 'T') or 400-byte binary
    // header (kind 'B') of the given byte order; reading an unknown index gives 0 and setting
    // one does nothing. Setting stores the low bytes of value (two's complement).
    static int64_t GetWord(const void* hdr, char kind, int index, bool big);
    static void SetWord(void* hdr, char kind, int index, int64_t value, bool big);
    // Size in bytes of a field, 0 for an unknown index.
    static int WordSize(char kind, int index);

protected:
    // Opens `name` reading in the order `order` (-1: detect). Keeps the binary header even when
    // the result is not 0, so OpenTest can report its words.
    int OpenImpl(const std::string& name, unsigned flags, int order);

private:
    int CheckTraceHeader(int n);
    // True when the first trace header's sample count differs from the file's and divides the
    // data into whole traces: then a wrong binary header, not a cut file, explains a data size
    // that is no whole number of traces.
    bool TraceHeaderFitsSize() const;
    void ResetFacts();

    unsigned char m_text[3200];
    unsigned char m_bin[400];
    bool m_big = true;
    int m_format = 0;
    int m_sampleSize = 0;
    int m_samples = 0;
    int m_interval = 0;
    int m_extBlocks = 0;
    int m_traces = 0;
    int m_trace = 0;
    std::vector<unsigned char> m_buf; // one or more whole traces read at once
    int m_bufFirst = 0;               // trace number of the first trace in m_buf, 0 = none
    int m_bufCount = 0;
    const unsigned char* m_cur = nullptr;
};
