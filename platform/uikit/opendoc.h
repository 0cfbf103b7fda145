#pragma once
// Opening a document with the desktop's program for it.
//
// When the environment variable GRAVIK_OPEN_LOG names a file, nothing is opened: the path is
// appended to that file as a line (UTF-8) and the call succeeds if the line was written. Tests
// use it to see what a program would have opened.

#include <QString>

// Opens a plain-text file in the desktop's text editor. False when the file does not exist or no
// program could be started.
bool F_OpenAsciiDoc(const QString& path);
// Opens a file with the program registered for its type (an image viewer for a picture, ...).
// False when the file does not exist or no program could be started.
bool F_OpenRegistDoc(const QString& path);
