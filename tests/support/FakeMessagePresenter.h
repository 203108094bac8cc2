#pragma once
// A stand-in for the message boxes of the windows: every box is recorded
// instead of shown, and returns at once as if OK had been pressed.
#include "MessagePresenter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace tarvek::testing
{

struct ShownMessage {
    QString title;
    QString text;
    ui::MessageIcon icon;
};

class FakeMessagePresenter final : public ui::MessagePresenter
{
public:
    void showMessage(QWidget *, const QString &title, const QString &text,
                     ui::MessageIcon icon) override
    {
        shown.append({title, text, icon});
        if (whileShown)
            whileShown();
    }

    // Each box as "title: text".
    QStringList lines() const
    {
        QStringList all;
        for (const ShownMessage &message : shown)
            all << message.title + QStringLiteral(": ") + message.text;
        return all;
    }

    QList<ShownMessage> shown;
    // Runs while a box is up. A real box runs its own event loop, so a person
    // or a queued event may act meanwhile; a test also looks here at the state
    // the box is shown in.
    std::function<void()> whileShown;
};

} // namespace tarvek::testing
