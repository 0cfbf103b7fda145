#pragma once
// TUJob_lum8: the parsed job of the receiver position procedure, one record per input file:
// F:X0,DX,Y0,DY,ELEV (lum6/tukeyedjob.h). Trace k of the file gets receiver X X0 + (k - 1)·DX
// and Y Y0 + (k - 1)·DY, and every trace the receiver elevation ELEV. "*" leaves a word alone;
// X0 needs DX and Y0 needs DY; a step given without its start is checked and not used. A
// record must set X, Y or the elevation. Parse returns 0, 1 or 2 and never throws.

#include <QString>
#include <cstdint>
#include <vector>

class TUJob_lum8 {
public:
    struct TUJobRec {
        int32_t key = 0; // file number from 1, 0 for every file
        int32_t x0 = 0;
        int32_t dx = 0;
        int32_t y0 = 0;
        int32_t dy = 0;
        int32_t elev = 0;
        bool hasX = false;
        bool hasY = false;
        bool hasElev = false;
    };

    int Parse(const QString& job);
    const std::vector<TUJobRec>& Records() const { return m_recs; }
    // The index of the record for the file of run index `index` (file number index + 1), -1
    // when the job has none.
    int Choose(unsigned index) const;

    // Prepares the running X and Y of record `rec` for a file of `traces` traces: 0, or 210
    // when the start before the first trace or the last trace's value leaves the 32-bit range.
    int Start(int rec, int traces);
    // Advances the running X and Y by one trace and gives their new values.
    int32_t NextX(int rec);
    int32_t NextY(int rec);

private:
    std::vector<TUJobRec> m_recs;
    int32_t m_curX = 0;
    int32_t m_curY = 0;
};
