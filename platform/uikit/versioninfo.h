#pragma once
// Version information compiled into the programs: lines "caption^value" for the product name,
// the version (the project's), the build date and the commit the build was made from.

#include <QStringList>

class QWidget;

QStringList VI_GetVersionInfoStrings();
// Shows the About box modally over `parent`: `title` as its first line, then the version lines as
// a two-column list.
void ShowAboutBox(QWidget* parent, const QString& title);
