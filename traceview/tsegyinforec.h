#pragma once
// What the main window hands to the SEG-Y information dialog and keeps between calls, so that
// the dialog's size and position survive from one call to the next.

#include <QWidget>

class TCSegyReaderEx;

struct TSEGYInfoRec {
    WId owner = 0;                    // the window the dialog is placed over
    TCSegyReaderEx* reader = nullptr; // the open file
    int trace = 0;                    // trace of the trace-header page, 0: the reader's current
    int page = 0;                     // 0 file, 1 text, 2 file header, 3 (and above) trace headers
    bool keepPos = false;             // left, top and height below hold the last placement
    int left = 0;
    int top = 0;
    int height = 0;
};
