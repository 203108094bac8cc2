#pragma once
// Whether a folder takes new files.
#include <QString>

namespace tarvek::cfgfile
{

// Whether a new file can be created in `folder`, found out by creating one
// and removing it again. Permissions cannot answer this everywhere: on
// Windows QFileInfo::isWritable() reads the read-only attribute, not the
// folder's NTFS permissions, so it calls "C:\Program Files\..." writable for
// a user who may create nothing there.
bool canCreateFileIn(const QString &folder);

} // namespace tarvek::cfgfile
