#pragma once
// The place of a record with the largest mean absolute amplitude. For every vertex (a, j) of a
// region, its window is traces max(1, a - hT)..min(traces, a + hT) by samples
// max(1, j - hS)..min(samples, j + hS), and its value the mean of the absolute samples in it;
// the first vertex (traces outer, samples inner) whose value is strictly larger than every
// earlier one wins.
//
// The search runs over the region once: it keeps the column sums of the window's traces per
// sample (a trace enters and leaves the window once) and slides the sample window along them,
// so its cost is traces x samples, not traces x samples x window. Sums are kept in 64-bit
// fixed point (the absolute samples scaled by a power of two chosen from the region's largest
// sample, found by a first pass over the region, which keeps the samples of a region of up to
// 32 Mi samples so that it is read once), so adding and removing are exact and equal
// windows tie exactly, whatever the order in which their samples were added. Samples more than
// about 2^-49 below the region's largest one are cut to that resolution. A sample that is not a
// finite number counts as 0.

#include <QPoint>

#include <cstddef>
#include <functional>

class TCSegyReaderEx;

struct TAmpMaxRegion {
    int t1 = 1, t2 = 1; // traces, from 1
    int s1 = 1, s2 = 1; // samples, from 1
    int hT = 0, hS = 0; // half-widths of the averaging window
};

class TCAmpMaxSearch {
public:
    // Called after every `kProgressEvery` windows with the windows done and their total;
    // returning false stops the search.
    using Progress = std::function<bool(long long done, long long total)>;
    static constexpr int kProgressEvery = 50;

    // Searches `region` (within the record) of the reader's open file. Returns the best vertex
    // (trace, sample) so far: (1, 1) until a window's mean rises above 0. Stopped tells whether
    // Progress ended the search (during the first pass it is called with done 0). A trace that
    // cannot be read throws the reader's ESegyFiler.
    QPoint Run(TCSegyReaderEx& reader, const TAmpMaxRegion& region, const Progress& progress);
    bool Stopped() const { return m_stopped; }
    // Regions of up to this many samples (default 32 Mi) are kept from the first pass and read
    // once; larger ones are read twice.
    void SetKeepLimit(size_t samples) { m_keepLimit = samples; }
    // Mean absolute amplitude of the best window.
    double BestMean() const { return m_bestMean; }

private:
    size_t m_keepLimit = size_t(32) << 20;
    bool m_stopped = false;
    double m_bestMean = 0.0;
};
