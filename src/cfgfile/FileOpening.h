#pragma once
// Opening .cfg files, with the failure an operator is told about when the
// file cannot be opened.
#include "CfgResult.h"

#include <QString>

class QFile;
class QSaveFile;

namespace tarvek
{

// Opens `file` (named `path`) for reading.
CfgResult OpenForLoad(QFile &file, const QString &path);

// Opens `file` (named `path`) for writing into a new file beside the target,
// which replaces the target on commit. A target that exists but may not be
// written is refused here, although the new file could replace it.
CfgResult OpenForSave(QSaveFile &file, const QString &path);

} // namespace tarvek
