#pragma once
// The supervisor data: the histories of the seven setting boxes, the selected entry of each,
// the worker count, two options and the window geometry, kept from one start to the next in
// the sectioned text file KE_GetFileName('P').
//
// A missing, empty or malformed file silently gives the defaults; a malformed [PARAMS] line
// resets only the parameter record, the histories read before it stay.

#include <QString>
#include <QStringList>

// The seven boxes, in the order of their sections.
enum TUSettingBox {
    sbInputDir = 0,
    sbFileMask = 1,
    sbOutputDir = 2,
    sbViewer = 3,
    sbJobDir = 4,
    sbPrefix = 5,
    sbSuffix = 6,
    sbCount = 7,
};

struct TUParamRecord {
    int selected[sbCount] = {-1, -1, -1, -1, -1, -1, -1};
    int reserved = 1;
    quint16 workers = 0;
    bool keepWindow = false;
    int width = 470;
    int height = 580;
    int left = 0;
    int top = 0;
    int procListHeight = 205;
    int descrHeight = 122;
    bool remind = false;

    // The defaults, the window centred on a screen of the given size.
    static TUParamRecord Defaults(int screenWidth, int screenHeight);
    bool operator==(const TUParamRecord& other) const;
};

class TUSupervisorData {
public:
    // Outcome of the three-parameter command line.
    enum CommandLineResult { clIgnored, clApplied, clAppliedInputMissing };

    TUSupervisorData(int screenWidth = 1024, int screenHeight = 768);

    static QString SectionName(int box);
    static QString DefaultMask() { return QStringLiteral("*.sgy"); }
    // The viewer beside the program ("." stands for the program's folder).
    static QString DefaultViewer() { return QStringLiteral("./traceview"); }

    // Reads the file at `path`; never fails (bad content gives defaults). True when the file
    // was there with lines.
    bool Load(const QString& path);
    // Writes every section and the [PARAMS] line; false when the file cannot be written.
    bool Save(const QString& path) const;

    // Parses a [PARAMS] line into `rec`; false (and `rec` untouched) when malformed.
    bool ParseParams(const QString& line, TUParamRecord& rec) const;
    static QString FormatParams(const TUParamRecord& rec);

    // The start-up selection rules: boxes 0 to 2 start unselected, boxes 3 to 6 select their
    // first item when it was saved selected, a jobs folder that is not a folder is deselected,
    // the mask and viewer boxes get their default item when empty and select their first item.
    // The worker count becomes the number of logical processors.
    void ApplySettings(int processors);
    // Copies the current selections into the record (the window adds geometry and options).
    void CollectSettings();

    // The three-parameter rule: input folder, output folder, mask.
    CommandLineResult ApplyCommandLine(const QStringList& args);

    // Puts `text` first in the box's history (moving an equal entry) and selects it.
    void AddToTop(int box, const QString& text);
    // Removes the box's selected item (a vanished folder or viewer).
    void RemoveSelected(int box);
    void Select(int box, int item) { m_current[box] = item; }
    // The selected item of a box, an empty text when none is selected.
    QString Current(int box) const;
    int CurrentIndex(int box) const { return m_current[box]; }

    QStringList& History(int box) { return m_history[box]; }
    const QStringList& History(int box) const { return m_history[box]; }
    TUParamRecord& Params() { return m_params; }
    const TUParamRecord& Params() const { return m_params; }

private:
    int m_screenWidth;
    int m_screenHeight;
    QStringList m_history[sbCount];
    int m_current[sbCount] = {-1, -1, -1, -1, -1, -1, -1};
    TUParamRecord m_params;
};
