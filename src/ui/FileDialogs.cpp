#include "FileDialogs.h"

#include <QFileDialog>
#include <QPointer>

namespace tarvek::ui
{

namespace
{

// Qt takes the patterns from the last parenthesised group of an entry and,
// with HideNameFilterDetails, shows what stands before it; so every entry is
// written as "description (pattern)" and the list shows the description alone.
QStringList qtNameFilters(const std::vector<FileTypeFilter> &filters)
{
    QStringList out;
    for (const FileTypeFilter &filter : filters)
        out << QStringLiteral("%1 (%2)").arg(filter.description, filter.pattern);
    return out;
}

} // namespace

std::optional<QString> QtFileDialogs::chooseFile(QWidget *parent, const FileDialogRequest &request)
{
    // On the heap: should the parent be destroyed while the dialog runs its
    // loop, the dialog goes with it and the choice counts as cancelled.
    QPointer<QFileDialog> dialog = new QFileDialog(parent, request.title, request.folder);
    const bool save = request.kind == FileDialogKind::Save;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::AnyFile); // the chosen name need not exist
    // Qt's own dialog, so that the list shows the descriptions exactly.
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setOption(QFileDialog::HideNameFilterDetails, true);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    const QStringList filters = qtNameFilters(request.filters);
    dialog->setNameFilters(filters);
    if (!filters.isEmpty())
        dialog->selectNameFilter(filters.first());
    dialog->selectFile(request.fileName);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return std::nullopt;
    const QStringList chosen = dialog->selectedFiles();
    delete dialog.data();
    if (!accepted || chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}

} // namespace tarvek::ui
