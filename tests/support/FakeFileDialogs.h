#pragma once
// A stand-in for the save and open file dialogs: records each request and
// answers with the file the test chose, or cancels.
#include "FileDialogs.h"

#include <QString>

#include <optional>
#include <vector>

namespace tarvek::testing
{

class FakeFileDialogs final : public ui::FileDialogs
{
public:
    std::optional<QString> chooseFile(QWidget *, const ui::FileDialogRequest &request) override
    {
        requests.push_back(request);
        return answer;
    }

    // The file the operator picks; none: the dialog is cancelled.
    std::optional<QString> answer;
    std::vector<ui::FileDialogRequest> requests;
};

} // namespace tarvek::testing
