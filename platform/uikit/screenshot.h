#pragma once
// Pictures of windows for reviewers: scripts/screenshots runs the gui tests with
// GRAVIK_SCREENSHOTS naming a folder, and each test saves the states it reaches.

#include <QString>

class QWidget;

// Writes $GRAVIK_SCREENSHOTS/<name>.png from w->grab() when that variable is set (the folder is
// created); otherwise does nothing.
void SaveScreenshot(QWidget* w, const QString& name);
