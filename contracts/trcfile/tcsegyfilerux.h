#pragma once
// TCSegyFilerUx: the filer with the header test-read of the header inspector.

#include "trcfile/tcsegyfilerex.h"
#include "trcfile/tcwordrec.h"

#include <string>
#include <vector>

class TCSegyFilerUx : public TCSegyFilerEx {
public:
    // Opens `name` reading strictly in the byte order `fmt`, without the trace header test.
    // 0: open and readable; 1, 2, 6, 7: nothing can be shown; above 7 (9, 10, 12, 14): the headers
    // were read and GetKeyInfo shows which word is wrong. On 0 the file stays open for reading.
    int OpenTest(const std::string& name, TCFileFmt fmt);
    // Seven records after OpenTest: binary header words sample interval, samples per trace,
    // format code, SEG-Y revision, fixed-length flag and extended block count (number = field
    // index + 1, value, validity), then the trace count derived from the file size (number 0;
    // valid when whole, positive and at most 2147483647). Empty when no header was read.
    void GetKeyInfo(std::vector<TCWordRec>& list) const;

private:
    bool m_haveHeader = false;
    bool m_testBig = true;
    int64_t m_testSize = 0;
};
