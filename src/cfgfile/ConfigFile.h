#pragma once
// Saving and loading complete configurations as .cfg files.
//
// A .cfg file is Windows-1252 text of ten lines, each ending with CR LF, that
// hold 25 comma-separated values, each at the place the settings
// description's cfg column gives it (CfgLayout.h): line 1 the TX delay group,
// lines 2 to 8 the seven speed-band intervals, line 9 the timing and text
// group, line 10 the calculator's four. The message code carries cbMicEMsg
// and chkAutoReply, the status code edBcnEvery and chkRxPosition. Texts are in double quotes (a
// double quote inside a text is written twice), numbers are plain whole
// numbers, truth values "#TRUE#" / "#FALSE#". edGpsCheckTime is not stored.
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
