#pragma once
// The viewer program's message texts by number; numbers 61 to 76 are the reader's open error
// codes 1 to 16 plus 60 (empty for codes without a text).

#include <QString>

namespace kvs {
enum Id : int {
    TraceNo = 1,        // "Trace %d": a drawing failure that carries a trace number
    ColorUsed = 3,      // a colour chosen twice in the view options
    OpenError = 7,      // open error code and its text
    NoSetFolder = 9,    // parameter files need the settings folder
    NotFound = 10,      // the file to open does not exist
    RootFolder = 11,    // a file-system root offered as a folder
    ReadError = 12,     // a trace could not be read (trace, code)
    NewCopyFailed = 16, // a second viewer could not be started
    NoTraceBuffer = 17, // the trace buffers could not be allocated
    ExportFailed = 18,  // the exporter could not be started
    AlreadyOpen = 20,
    TooManyMarks = 21,
    AllZero = 25,
    ZeroQuestion = 26, // the first traces are zero: search on? (number of traces)
    BadViewOpts = 32,
    MarkExists = 37,
    SaveError = 38,
    FolderGone = 77,    // a listed folder no longer exists
    NotepadFailed = 82, // the text editor could not be started
    AgaNotAvailable = 78, // the gain table beside normalisation or AGC
    AgaFull = 79,
    NoReduDelay = 86,
    // Texts of the window.
    AppTitle = 100,
    FileCaption = 101, // caption with the open file's name
    OpenTitle = 102,
    OpenFilter = 103,
    ParamFilter = 104,
    SaveParamsTitle = 105,
    LoadParamsTitle = 106,
};
} // namespace kvs

// The text of message `id`; an empty text for a number without one.
QString KV_Text(int id);
// Message 7 for a reader open code: "Ошибка n открытия файла:" and the code's text.
QString KV_OpenErrorText(int code);
