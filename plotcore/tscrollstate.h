#pragma once
// The state of one scroll bar as the plotter sets it up, kept apart from any widget so the
// geometry can be checked without a window.
//
// The numbers follow the classic scroll bar model: positions run from min to max, and the
// page covers pageSize of them, so the last position a user can reach is max - pageSize + 1.
// A widget maps this to its own range (for QScrollBar: range min..max - pageSize + 1,
// pageStep pageSize, singleStep smallChange). When `enabled` is false the other fields kept
// their previous values and the bar should be shown disabled.
struct TScrollState {
    bool vertical = false; // vertical bars serve samples, horizontal bars traces
    int min = 0;
    int max = 100;
    int pageSize = 0;
    int position = 0;
    int smallChange = 1;
    int largeChange = 1;
    bool enabled = true;
};
