#pragma once
// Modal message boxes sit behind this interface so that the windows can be
// driven by tests without a person to press OK.
#include <QString>

class QWidget;

namespace tarvek::ui
{

enum class MessageIcon { None, Information, Critical };

class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;
    // Shows a modal box with a single OK button and returns when it is closed.
    virtual void showMessage(QWidget *parent, const QString &title, const QString &text,
                             MessageIcon icon) = 0;
};

// The real thing: a QMessageBox.
class QtMessagePresenter final : public MessagePresenter
{
public:
    void showMessage(QWidget *parent, const QString &title, const QString &text,
                     MessageIcon icon) override;
};

} // namespace tarvek::ui
