#pragma once
// Where the batch core puts its questions and notices: a message box in the window program,
// a fixed answer in the batch runner, a recorder in tests. Implementations never block forever.

#include <QString>

class TUAnswerer {
public:
    virtual ~TUAnswerer() = default;
    // A yes/no question with message number `id`; true for "yes".
    virtual bool Ask(int id, const QString& text) = 0;
    // A notice or an error with message number `id`.
    virtual void Tell(int id, const QString& text) = 0;
};
