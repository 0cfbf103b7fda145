#pragma once
// TUJob_qos5: the job of the trace merging procedure.
//
// Checked grammar: [+]N;PIECE;PIECE[;PIECE...], at least two pieces. N: 0 the shortest input
// trace length, 1 the longest, 10..65535 that many samples. PIECE: F:A-B or F:*, F the file
// number (from 1) in the run-time list, A and B the first and last trace ("*" the last trace).
// "+" keeps each input word 1 in word 3.
//
// At run time the job is followed by "|<folder>|<name>|<name>...", the input folder and every
// file name of the batch in list order (DefineRuntime). Piece files are the folder joined with
// the piece's name.

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

struct TUJobRec {
    std::string file;          // input file path (UTF-8), set by DefineRuntime
    std::uint16_t samples = 0; // samples per trace of that file, set by the check
    int number = 0;            // F, from 1
    int first = 0;             // A, from 1
    int last = 0;              // B; 2147483647 for the last trace until the check
};

class TUJob_qos5 {
public:
    // Parses the checked job: 0, or 1 / 2. Never throws.
    int Parse(const QString& text);
    // Parses the run-time text "<job>|<folder>|<name>...": throws the parse code, 210 without a
    // file list (fewer than a folder and two names), 211 for a piece beyond the names.
    void DefineRuntime(const QString& text);

    bool KeepNumber() const { return m_keepNumber; }
    std::uint16_t LengthCode() const { return m_length; }
    const QString& Folder() const { return m_folder; }
    std::vector<TUJobRec>& Pieces() { return m_pieces; }
    const std::vector<TUJobRec>& Pieces() const { return m_pieces; }

    // Output samples per trace from N and the pieces' lengths (after the check).
    std::uint16_t OutputSamples() const;
    // Sum of B - A + 1 over the pieces, in 64 bits (after the check).
    std::int64_t OutputTraces() const;

    // Index of the current piece, -1 before the first.
    int Current() const { return m_current; }
    // Moves to the next piece: false after the last.
    bool NextPiece();

    // `folder` joined with `name` by one separator.
    static QString JoinPath(const QString& folder, const QString& name);

private:
    void ParseFields(const QString& text);

    bool m_keepNumber = false;
    std::uint16_t m_length = 0;
    QString m_folder;
    std::vector<TUJobRec> m_pieces;
    int m_current = -1;
};
