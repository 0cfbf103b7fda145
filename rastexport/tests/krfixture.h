#pragma once
// What the exporter's gui tests share: a generated record in the test's GRAVIK_HOME, the
// viewer's parameters file written as the viewer writes it before an export, and the form
// started with the seven arguments the viewer passes.

#include "rastexport/tkrmainwin.h"
#include "segygen/segygen.h"
#include "viewcore/tcviewerparams.h"

#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include <memory>
#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

struct TKrFixtureFile {
    QString path;
    SynthSpec synth;
};

// The record: 2 shots x 48 receivers, 1000 samples of 2 ms, IEEE floats.
TKrFixtureFile KrWriteRecord(const QString& name = QStringLiteral("line.sgy"),
                             int intervalUs = 2000);
// The parameters file the viewer writes before it starts the exporter.
void KrWriteViewerParams(const TCViewerParams& params);
// The arguments as the viewer passes them: file, traces, samples, window 0, AGA mode.
QStringList KrArgs(const QString& file, int t1, int t2, int s1, int s2, bool aga = false);
// The form, shown and started (the posted start event handled).
std::unique_ptr<TKrMainWin> KrStartForm(const QStringList& args);

template <class W> W* KrChild(QWidget* form, const char* name) {
    return form->findChild<W*>(QString::fromLatin1(name));
}
// Types into a box and leaves it, as the user does.
void KrEnterText(QLineEdit* box, const QString& text);
