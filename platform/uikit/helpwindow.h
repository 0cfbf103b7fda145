#pragma once
// Help: one HTML page per topic number, help/<topic>.html in the application folder (Russian),
// shown in one shared browser window. Topic 0 is the contents page, help/index.html, which is also
// shown for a topic without a page of its own.

class QWidget;

// Opens the help window on `topic`, or brings it to the front with that page.
void ShowHelpTopic(int topic);
// Gives `w` and the widgets inside it the help topic `topic` (the dynamic property "helpTopic").
void SetHelpTopic(QWidget* w, int topic);
// Makes F1 in `window` open the topic of the focused widget: its own, else that of the nearest
// ancestor with one, else the contents page.
void InstallHelpKey(QWidget* window);
// The topic ShowHelpTopic was last called with; -1 before the first call.
int HelpTopicShown();
