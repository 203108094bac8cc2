#include "FileOpening.h"

#include "FolderAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tarvek::cfgfile
{
namespace
{

bool folderExists(const QFileInfo &info)
{
    return QFileInfo(info.absolutePath()).isDir();
}

// Failures that can be told before opening, or None.
CfgError checkPath(const QString &path, bool forLoad)
{
    if (path.isEmpty())
        return CfgError::BadFileName;
    const QFileInfo info(path);
    if (info.isDir())
        return CfgError::PathFileAccess;
    if (!folderExists(info))
        return CfgError::PathNotFound;
    if (forLoad && !info.exists())
        return CfgError::FileNotFound;
    if (forLoad && !info.isReadable())
        return CfgError::PermissionDenied;
    if (!forLoad && info.exists() && !info.isWritable())
        return CfgError::PermissionDenied;
    return CfgError::None;
}

} // namespace

CfgResult openForLoad(QFile &file, const QString &path)
{
    if (const CfgError error = checkPath(path, true); error != CfgError::None)
        return CfgResult::failure(error);
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return CfgResult::failure(CfgError::PathFileAccess);
    return CfgResult::success();
}

CfgResult openForSave(QSaveFile &file, const QString &path)
{
    if (const CfgError error = checkPath(path, false); error != CfgError::None)
        return CfgResult::failure(error);
    file.setFileName(path);
    // Where no new file can be made beside the target (a folder the user may
    // not write), an existing file the user may write is written in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        const bool folderTakesFiles = canCreateFileIn(QFileInfo(path).absolutePath());
        return CfgResult::failure(folderTakesFiles ? CfgError::PathFileAccess
                                                   : CfgError::PermissionDenied);
    }
    return CfgResult::success();
}

CfgResult checkSaveTarget(const QString &path)
{
    if (const CfgError error = checkPath(path, false); error != CfgError::None)
        return CfgResult::failure(error);
    const QFileInfo info(path);
    if (!info.exists() && !canCreateFileIn(info.absolutePath()))
        return CfgResult::failure(CfgError::PermissionDenied);
    return CfgResult::success();
}

} // namespace tarvek::cfgfile
