#pragma once
// The beep and the hourglass cursor of the programs with a window, in one place so tests can
// count beeps.

// Sounds the desktop's bell and counts the call.
void Beep();
// How many times Beep was called in this process.
int BeepCount();

// Shows the wait cursor over the whole application for its lifetime.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
