#pragma once
// Message texts of the viewer model, shown by the programs that use it.

#include <QString>

enum class VcText {
    SettingsSaveError,   // the settings file could not be written
    SettingsSaveCaption, // caption of that message box
};

QString VC_Text(VcText id);
