#pragma once
// The batch editor's message texts by number, and the texts built from them.
//
// Every text a user of the batch editor or the batch runner reads comes from this one table.
// Numbers not in the table give an empty text.

#include <QString>
#include <QStringList>

// The text of message `id`.
QString SpvText(int id);
// The text of message `id` with its "%d" and "%s" places filled from `args` in order.
QString SpvFormat(int id, const QStringList& args);
// Elapsed time as the progress line shows it: "hh:mm:" and the seconds with two decimals,
// so 3725.5 seconds read "01:02:5.50".
QString SpvElapsedText(double seconds);

// The characters a job may hold (message 4): backspace, line feed, carriage return and
// ",*0123456789:-;=+".
QString SpvJobCharacters();
// The characters of a file-number mask: the job characters without "+".
QString SpvMaskCharacters();
