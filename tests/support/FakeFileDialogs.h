#pragma once
// A stand-in for the save and open file dialogs: records each request and
// answers with the file the test chose, or cancels.
#include "FileDialogs.h"

#include <QString>

#include <functional>
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
        if (whileShown)
            whileShown();
        return answer;
    }

    // The file the operator picks; none: the dialog is cancelled.
    std::optional<QString> answer;
    std::vector<ui::FileDialogRequest> requests;
    // Runs while the dialog is up, as FakeMessagePresenter::whileShown.
    std::function<void()> whileShown;
};

} // namespace tarvek::testing
