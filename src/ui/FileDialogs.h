#pragma once
// The save and open file dialogs sit behind this interface so that tests can
// choose files without a person.
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace tarvek::ui
{

enum class FileDialogKind { Save, Open };

// One type filter entry: the description shown in the list and the file
// pattern it stands for.
struct FileTypeFilter {
    QString description;
    QString pattern;
    bool operator==(const FileTypeFilter &) const = default;
};

// Everything a dialog is set up with, afresh on every run.
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString title;
    std::vector<FileTypeFilter> filters; // the first is selected at start
    QString folder;                      // initial folder
    QString fileName;                    // initial file name
    // Save: ask before an existing file is replaced. No extension is ever
    // added to a typed name, and the chosen file need not exist.
    bool confirmOverwrite = false;
};

class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // Shows the modal dialog. Returns the full path of the chosen file, or
    // nothing when the operator cancels.
    virtual std::optional<QString> chooseFile(QWidget *parent,
                                              const FileDialogRequest &request) = 0;
};

// The real thing: a QFileDialog.
class QtFileDialogs final : public FileDialogs
{
public:
    std::optional<QString> chooseFile(QWidget *parent, const FileDialogRequest &request) override;
};

} // namespace tarvek::ui
