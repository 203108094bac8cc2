#include "DialogFolder.h"

#include "FolderAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarvek::ui
{

QString configDialogFolder(const QString &programFolder)
{
    if (cfgfile::canCreateFileIn(programFolder))
        return programFolder;
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace tarvek::ui
