#pragma once
// The procedure plug-in as the batch editor uses it: loaded from <app>/ProcLib/<code> only to
// check a job, and freed again before the run (the workers load their own copies).
//
// Check returns 0 when the plug-in accepts the job, or the message number of the refusal:
// 15 the library cannot be loaded, 18 it has no "_CheckJob_<code>" entry (the library is then
// freed at once), 19 a syntax error, 20 a wrong parameter value (the library then stays loaded
// until the next check or Unload).

#include <QLibrary>
#include <QString>

class TUProcLibrary {
public:
    ~TUProcLibrary() { Unload(); }
    int Check(const QString& code, const QString& job);
    void Unload();
    bool IsLoaded() const { return m_library.isLoaded(); }
    // The job-check result of the last call of the entry (0 accepted, 1 syntax, else value).
    int LastResult() const { return m_lastResult; }

private:
    QLibrary m_library;
    int m_lastResult = 0;
};
