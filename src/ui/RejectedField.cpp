#include "RejectedField.h"

#include "BlockBuilder.h"
#include "LiteralText.h"
#include "SettingsDescription.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

namespace tarvek::ui
{
namespace
{

// Set while a field wears the mark, so that a second rejection of the same
// field keeps the look it had before the first.
constexpr char kMarked[] = "tarvekRejected";

void showReason(QLineEdit *field, const QString &reason)
{
    field->setToolTip(literalRichText(reason));
    field->setAccessibleDescription(reason);
    // Shown once the window is active again, after the focus has arrived:
    // both hide the tooltips shown before. Some systems (Wine) activate the
    // window again only a while after the message box has gone.
    const auto show = [field, reason] {
        QTimer::singleShot(0, field, [field, reason] {
            QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())),
                               literalRichText(reason), field);
        });
    };
    if (field->window()->isActiveWindow()) {
        show();
        return;
    }
    // Waits for the field's window, whichever windows come first.
    auto *waiter = new QObject(field);
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, waiter,
                     [field, show, waiter](QWindow *focused) {
                         if (focused && focused == field->window()->windowHandle()) {
                             show();
                             waiter->deleteLater();
                         }
                     });
}

} // namespace

void markRejectedField(QWidget *window, const config::BuildResult &rejection)
{
    if (rejection.ok() || !rejection.setting)
        return;
    auto *field = window->findChild<QLineEdit *>(QString(rejection.setting->key));
    if (!field || !field->isVisible())
        return;
    if (!field->property(kMarked).toBool()) {
        field->setProperty(kMarked, true);
        const QString toolTip = field->toolTip();
        const QString description = field->accessibleDescription();
        const QString styleSheet = field->styleSheet();
        const QString reason = config::rejectionText(rejection);
        // A field whose note follows its text (FieldNotes) may have written
        // the note for the new text already; that one stays.
        QObject::connect(
            field, &QLineEdit::textChanged, field,
            [field, toolTip, description, styleSheet, reason] {
                field->setProperty(kMarked, false);
                if (field->toolTip() == literalRichText(reason))
                    field->setToolTip(toolTip);
                if (field->accessibleDescription() == reason)
                    field->setAccessibleDescription(description);
                field->setStyleSheet(styleSheet);
            },
            Qt::SingleShotConnection);
        field->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid red; }"));
    }
    showReason(field, config::rejectionText(rejection));
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

} // namespace tarvek::ui
