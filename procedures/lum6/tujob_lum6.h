#pragma once
// TUJob_lum6: the parsed job of the source position procedure, one record per input file:
// F:RECNO,SX,SY,SELEV,SDEPTH (tukeyedjob.h). RECNO is the field record number, 1 to 4294967295;
// SX and SY the source coordinates, SELEV the surface elevation at the source, SDEPTH the source
// depth (not negative). "*" leaves a word alone; a record must give at least one value.
// Parse returns 0, 1 (format) or 2 (value) and never throws; a job object is parsed once.

#include <QString>
#include <cstdint>
#include <vector>

class TUJob_lum6 {
public:
    struct TUJobRec {
        int32_t key = 0; // file number from 1, 0 for every file
        int64_t recNo = 0;
        int32_t sx = 0;
        int32_t sy = 0;
        int32_t selev = 0;
        int32_t sdepth = 0;
        bool hasRecNo = false;
        bool hasSx = false;
        bool hasSy = false;
        bool hasSelev = false;
        bool hasSdepth = false;
    };

    int Parse(const QString& job);
    const std::vector<TUJobRec>& Records() const { return m_recs; }
    // The index of the record for the file of run index `index` (file number index + 1), -1
    // when the job has none.
    int Choose(unsigned index) const;

private:
    std::vector<TUJobRec> m_recs;
};
