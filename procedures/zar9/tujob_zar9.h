#pragma once
// TUJob_zar9: the job of the gather sorting and splitting procedure, its trace table and its
// output plan.
//
// Grammar: [+]D,E,F,G;K1,K2;R (exactly two ";" and four ","). D 0 source / 1 receiver gathers;
// E 1 source position from words 21, 22, 0 from word K1; F likewise for the receiver (23, 24
// or K2); G order inside a gather: 0 the other side's position word, 1 its X, 2 its Y, 3 the
// source-to-receiver distance; K1, K2 word numbers 1..86 (0 none); R 1 numbers the outputs,
// 0 names each by the gather side's position word. "+" keeps each input word 1 in word 3.
// With R = 0 and the gather side taken from coordinates, the naming word is still K1 (or K2);
// when that is 0 there is no word to name the files by and the job is refused with 2.
//
// Memory is the trace table (20 bytes per input trace) and the plan (12 bytes per gather):
// outputs are made by reading input traces by number. Sorting is stable: entries equal in
// all three keys keep their input order, so a run is reproducible.

#include <QString>

#include <cstdint>
#include <vector>

// One input trace in the trace table.
struct TFImagRec {
    std::int32_t key1;
    std::int32_t key2;
    std::int32_t keyT;
    std::int32_t trace; // input trace number, from 1
    std::int32_t name;
};
static_assert(sizeof(TFImagRec) == 20, "the trace table holds 20 bytes per input trace");

// One output file: a run of the sorted trace table.
struct TUPlanRec {
    std::int32_t name;  // the number in the output file name
    std::int32_t first; // index of its first entry in the sorted trace table
    std::int32_t count;
};

class TUJob_zar9 {
public:
    static constexpr int kDistance = -1; // keyT of the source-to-receiver distance

    // Parses a job: 0, or 1 / 2 (job error codes). Never throws.
    int Parse(const QString& text);

    bool KeepNumber() const { return m_keepNumber; }
    int Key1() const { return m_key1; }
    // 0 when the gather has one key word only.
    int Key2() const { return m_key2; }
    int KeyT() const { return m_keyT; }
    // 0: outputs are numbered.
    int NameKey() const { return m_nameKey; }

    // Builds the table entry of one trace from a header word reader (field index -> value):
    // false when a value leaves the signed 32-bit range.
    template <class Word> bool MakeEntry(int trace, Word&& word, TFImagRec& rec) const {
        const std::int64_t k1 = word(m_key1);
        const std::int64_t k2 = m_key2 ? word(m_key2) : 0;
        const std::int64_t kt =
            m_keyT == kDistance ? Distance(word(21), word(22), word(23), word(24)) : word(m_keyT);
        const std::int64_t nm = m_nameKey ? word(m_nameKey) : 0;
        if (!Fits(k1) || !Fits(k2) || !Fits(kt) || !Fits(nm))
            return false;
        rec = {std::int32_t(k1), std::int32_t(k2), std::int32_t(kt), trace, std::int32_t(nm)};
        return true;
    }
    // Distance truncate(sqrt((sx - gx)^2 + (sy - gy)^2) + 0.5), in double so that 32-bit
    // coordinates cannot overflow.
    static std::int64_t Distance(std::int64_t sx, std::int64_t sy, std::int64_t gx,
                                 std::int64_t gy);

    void ReserveTraces(int count) { m_table.reserve(static_cast<size_t>(count)); }
    void AddTrace(const TFImagRec& rec) { m_table.push_back(rec); }
    // Sorts the table and makes the plan: 0, or 211 when two gathers get the same name.
    int BuildPlan();

    const std::vector<TFImagRec>& Table() const { return m_table; }
    const std::vector<TUPlanRec>& Plan() const { return m_plan; }

    // Output k (from 1): starts handing out its traces again.
    void StartOutput() { m_handed = 0; }
    // The next input trace of output k in sorted order; false when it is exhausted.
    bool NextTrace(int k, int& trace);

private:
    static bool Fits(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }
    void ParseFields(const QString& text);

    bool m_keepNumber = false;
    int m_key1 = 0;
    int m_key2 = 0;
    int m_keyT = 0;
    int m_nameKey = 0;
    std::vector<TFImagRec> m_table;
    std::vector<TUPlanRec> m_plan;
    int m_handed = 0;
};
