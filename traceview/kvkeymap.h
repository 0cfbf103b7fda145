#pragma once
// What a key press does in the viewer's main window. Only the letters of "XYTSADRFLUMNGI" and
// the digits act, and only with Ctrl held; Ctrl+Shift+Alt together does nothing. A digit typed
// with Shift arrives as the symbol of its key; the symbols of the US and Russian layouts map
// back to their digits.

struct KvKeyAction {
    enum Kind {
        None,
        ApplySet,    // number: set index 0..9 (key 1 -> 0, key 0 -> 9)
        MemorizeSet, // number: set index 0..9
        Parameter,   // letter: pass to TCViewerParams::Modify with the modifier states
    };
    Kind kind = None;
    int number = 0;
    char letter = 0;
};

// `key` is a Qt key code (Qt::Key_A ... are the upper-case letters, Qt::Key_0 ... the digits).
KvKeyAction KV_MapKey(int key, bool ctrl, bool shift, bool alt);
