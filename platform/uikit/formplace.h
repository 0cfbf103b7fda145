#pragma once
// Placing a new form relative to an owner window that may belong to another process, known only
// by its native window id (given on a command line as a decimal number).

#include <QString>
#include <QWidget>

// Offsets that ask for the form to be centred over its owner.
inline constexpr int kCentreOverOwner = 2147483647;

// Moves `form` to the owner's top-left corner + (dx, dy), or centres it over the owner when both
// offsets are kCentreOverOwner. The owner's geometry comes from this process's own widgets or, for
// a foreign window, from the platform where it tells it (X11); when the owner is 0 or its geometry
// is unknown the form is centred on the screen.
void W_PosCreatedForm(WId owner, QWidget* form, int dx, int dy);

// Reads a native window id written as a decimal number: digits only (no sign, no blanks), within
// the range of WId. On failure returns 0 and sets *ok (when given) to false.
WId ParseWindowId(const QString& decimal, bool* ok);
