#pragma once
// Saving and loading complete configurations as .cfg files.
//
// A .cfg file is Windows-1252 text, each line ending with CR LF, of
// comma-separated values; the settings description's cfg column gives each
// setting its line and place (CfgLayout.h), and a setting without one is not
// stored. One value may carry two settings (the message and status codes).
// Texts are in double quotes (a double quote inside a text is written twice),
// numbers are plain whole numbers, truth values "#TRUE#" / "#FALSE#".
//
// Both commands take the paths as given; the window's commands add the file
// dialogs, the current-directory handling and the failure message box.
#include "CfgResult.h"
#include "TrackerSettings.h"

#include <QString>

class QIODevice;

namespace tarvek::cfgfile
{

// Writes the settings to `path`. The file is replaced only when every line
// has been written: on any failure the file that was there stays exactly as
// it was (or stays absent). Where the replacement of the file is refused
// (another program holds it), it is tried again 3 times, 100 ms apart. The
// settings are never changed.
CfgResult saveConfigFile(const QString &path, const config::SettingsModel &model);

// Reads `path` (relative names resolve against the current directory) and
// writes its values into the controls group by group, each through the
// control so that its change notification fires. A failure stops the load at
// the failing value; what was applied before it stays. A complete load ends
// with the calculator settings' `loaded` signal.
CfgResult loadConfigFile(const QString &path, config::SettingsModel &model);

// The same load from an open device (for tests and the fuzz target).
CfgResult loadConfig(QIODevice &input, config::SettingsModel &model);

} // namespace tarvek::cfgfile
