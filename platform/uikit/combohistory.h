#pragma once
// Drop-down lists used as histories: the newest entry first, each text once.
//
// These functions change the list silently (no signal of the box fires, so a half-done change
// never reaches a selection handler); the caller handles the new selection itself, as it would
// after the user's choice.

#include <QString>

class QComboBox;

// Puts `text` at the top of the history and selects it. An equal entry further down is removed,
// and entries beyond `maxCount` (at least 1) are dropped from the bottom.
void CB_AddToCombo(QComboBox* combo, const QString& text, int maxCount);
// Moves the selected entry (text and data) to the top and keeps it selected; nothing happens when
// the first entry or none is selected.
void CB_MoveSelectedUp(QComboBox* combo);
// Selects the entry equal to `text`, adding it at the top when the list does not hold it.
void CB_SetCombo(QComboBox* combo, const QString& text);
