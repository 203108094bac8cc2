#pragma once
// Opening .cfg files, with the failure an operator is told about when the
// file cannot be opened.
#include "CfgResult.h"

#include <QString>

class QFile;
class QSaveFile;

namespace tarvek::cfgfile
{

// Opens `file` (named `path`) for reading.
CfgResult openForLoad(QFile &file, const QString &path);

// Opens `file` (named `path`) for writing into a new file beside the target,
// which replaces the target on commit. A target that exists but may not be
// written is refused here, although the new file could replace it. When the
// folder allows no new file but the target may be written, the target itself
// is opened (emptied): a failure while writing then leaves it incomplete.
CfgResult openForSave(QSaveFile &file, const QString &path);

// The failure openForSave would meet for `path`, told without opening (and
// so without emptying) anything.
CfgResult checkSaveTarget(const QString &path);

} // namespace tarvek::cfgfile
