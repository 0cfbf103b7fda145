#pragma once
// The main window's commands: one table of tags, captions, Alt shortcuts, toolbar buttons and
// menus, and the rules that enable and check them in the two states (no file, file open).
//
// Commands without a tag of their own (the new-window, gain and fast-panel buttons) carry tags
// from 200 up; the "Применить" items carry 0..9 in a group of their own.

#include <QString>

#include <vector>

namespace kvc {
enum Tag : int {
    FileOpen = 51,
    OpenOptions = 50,
    Reopen = 57,
    FileProps = 52,
    FileClose = 53,
    HeaderProbe = 56,
    Export = 54,
    Exit = 55,
    ViewOptions = 20,
    FastPanel = 21,
    Memorize = 22,
    ApplyMenu = 23,
    Defaults = 24,
    SaveParams = 25,
    LoadParams = 26,
    CursorHint = 27,
    AgaTable = 28,
    AgaMode = 29,
    GoFrame = 70,
    MakeMark = 71,
    GoMark = 72,
    FindMax = 73,
    Back = 90,
    Forward = 91,
    TraceHeader = 100,
    AddToAga = 101,
    MoveDnRt = 111,
    MoveUpRt = 112,
    MoveDnLt = 121,
    MoveUpLt = 122,
    HelpContents = 40,
    About = 41,
    HelpKeys = 42,
    HelpViewer = 43,
    NewWindow = 200,
    GainUp = 201,
    GainDown = 202,
    FastTop = 210, // fast-panel drop-down: dock top right, bottom right, hide
    FastBottom = 211,
    FastHide = 212,
};

enum Menu : int { NoMenu = -1, FileMenu = 0, SetupMenu = 1, SearchMenu = 2, HelpMenu = 3 };
} // namespace kvc

struct KvCommandDef {
    int tag;
    const char* caption; // menu caption or, for a button only, its tool tip
    const char* shortcut;
    const char* button; // objectName of the toolbar button, or nullptr
    int menu;           // kvc::Menu
    bool popup;         // also on the image's popup menu
    bool separatorBefore;
};

// In menu order; buttons in toolbar order follow KV_ToolbarOrder.
const std::vector<KvCommandDef>& KV_Commands();
const KvCommandDef* KV_FindCommand(int tag);
// Tags of the toolbar buttons in their order; 0 stands for a gap between groups.
const std::vector<int>& KV_ToolbarOrder();
QString KV_MenuTitle(int menu);

// What UpdateCommands needs to know about the window.
struct KvState {
    bool fileOpen = false;
    bool lastAttempted = false; // a last attempted file name exists
    bool setsExist = false;
    bool setValid[10] = {};
    bool normOrAgc = false; // normalisation or AGC selected
    int agaEntries = 0;
    bool agaMode = false;
    bool hintOn = false;
    bool bookmarks = false;
    bool gainUp = false; // CanModify(4, true)
    bool gainDown = false;
    bool canMove[4] = {}; // 111, 122, 121, 112
    bool back = false;
    bool forward = false;
    bool newWindow = false;
    bool agaWindowShown = false;
    bool fastShown = false;
};

struct KvLook {
    bool enabled = false;
    bool checked = false;
};

KvLook KV_CommandLook(int tag, const KvState& s);
// "Применить" item for set index 0..9.
KvLook KV_SetItemLook(int index, const KvState& s);
