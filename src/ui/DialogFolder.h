#pragma once
// The folder the Save and Load dialogs open in.
#include <QString>

namespace tarvek::ui
{

// `programFolder` when a new file can be created there (a copy unpacked into
// a folder of the user's). An installed program's folder takes no files from
// its user ("C:\Program Files\Tarvek Config", /usr/bin), and a Save there
// would fail, so then the user's documents folder, or the home folder where
// there is no documents folder.
QString configDialogFolder(const QString &programFolder);

} // namespace tarvek::ui
