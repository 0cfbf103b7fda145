#pragma once
// TCSegyFilerEx: the reader of an input file plus a writer of one output file.
//
// The output keeps a byte order and a sample format (those of the input when created with
// OCreate(name, samples)) and has its own samples per trace, so traces may be padded or cut.
// Writing is sequential: the textual header, the binary header, the extended textual blocks,
// then whole traces (240 header bytes + OSamples() x OSampleSize() sample bytes each) in large
// writes; sample bytes are never converted. Every write operation returns 0 or a code of
// trcerrors.h; the first failure sticks, and OClose reports it too, so a failed write or close
// is never lost.
//
// OSetHdrWord edits "the output header being written": a header buffer (a 400-byte binary
// header or a 240-byte trace header, in the output's byte order) that the caller points the
// filer at with OSetHeader before it writes that buffer out.

#include "trcfile/tcsegyreaderex.h"

#include <cstdint>
#include <fstream>
#include <string>

class TCSegyFilerEx : public TCSegyReaderEx {
public:
    TCSegyFilerEx();
    ~TCSegyFilerEx() override;

    // Creates (truncates) the output in the open input's byte order and format with `samples`
    // per trace (0: the input's). kErrInternal when no input is open.
    int OCreate(const std::string& name, int samples = 0);
    // Creates an output of the given byte order and format (1, 2, 3, 5, 8), without an input.
    int OCreate(const std::string& name, TCFileFmt order, int format, int samples);

    // Writes 3200 bytes of textual header, 400 of binary header, 3200 of one extended block.
    int OWriteTextHeader(const void* text);
    int OWriteBinHeader(const void* bin);
    int OWriteExtBlock(const void* block);
    // Writes `count` whole output traces (OTraceBytes() each) from buf.
    int OWriteTraces(const void* buf, int64_t count);
    // Flushes and closes the output: 0, or kErrWrite when any write, the flush or the close
    // failed. Without an output file: 0.
    int OClose();
    bool OIsOpen() const { return m_out.is_open(); }
    const std::string& OFileName() const { return m_oname; }

    bool OBigEndian() const { return m_obig; }
    int OFormat() const { return m_oformat; }
    int OSampleSize() const { return m_osize; }
    int OSamples() const { return m_osamples; }
    int64_t OTraceBytes() const { return 240 + int64_t(m_osamples) * m_osize; }
    // Traces written so far.
    int64_t OTracesWritten() const { return m_owritten; }

    // Points OSetHdrWord/OHdrWord at `hdr`, a binary ('B', 400 bytes) or trace ('T', 240 bytes)
    // header in the output's byte order; nullptr detaches.
    void OSetHeader(void* hdr, char kind);
    // Sets / reads word `index` of the header set by OSetHeader; nothing / 0 when none is set
    // or the index is unknown.
    void OSetHdrWord(int index, int64_t value);
    int64_t OHdrWord(int index) const;

    // Closes the output (result dropped: call OClose first to learn it) and the input.
    void Close() override;

private:
    int Write(const void* buf, int64_t bytes);

    std::ofstream m_out;
    std::string m_oname;
    bool m_obig = true;
    int m_oformat = 0;
    int m_osize = 0;
    int m_osamples = 0;
    int64_t m_owritten = 0;
    int m_oerror = 0;
    unsigned char* m_ohdr = nullptr;
    char m_okind = 'T';
};
