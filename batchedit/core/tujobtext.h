#pragma once
// The job text as the batch editor handles it before a plug-in sees it: normalising the memo
// lines, the character check, generated file-number jobs, job files and the published text.

#include <QString>
#include <QStringList>

class TUJobText {
public:
    // All lines joined without separators, every space removed: {"1=2", " 3 = 4"} -> "1=23=4".
    static QString Normalise(const QStringList& lines);
    // Position of the first character of `text` not in `allowed`, -1 when there is none.
    // A character as message 38 shows it: itself when printable, else its code ("U+0000"),
    // so a NUL or a control character does not look like a blank or like nothing.
    static QString ShownChar(QChar c);
    static int FirstBadChar(const QString& text, const QString& allowed);
    // One line per input file: "1" + mask, "2" + mask, ... up to `count`.
    static QStringList FileNumberLines(int count, const QString& mask);
    // The text the workers read: the job, then for procedures that want the names
    // "|" + input folder and "|" + every file name in list order.
    static QString Published(const QString& job, bool withNames, const QString& inputFolder,
                             const QStringList& names);

    // A chosen job file name with its extension made ".txt".
    static QString JobFileName(const QString& chosen);
    static bool Save(const QString& path, const QStringList& lines);
    // The largest text file Load reads: far beyond a job of one line per file of a big batch.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
    // False when the file cannot be read, is not a plain file or is larger than MaxFileSize;
    // `lines` is then left as it was.
    static bool Load(const QString& path, QStringList& lines);
};
