#include "FolderAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace tarvek::cfgfile
{

bool canCreateFileIn(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    // Removed again when it goes out of scope.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tarvek-probe-XXXXXX")));
    return probe.open();
}

} // namespace tarvek::cfgfile
