#include "RejectedField.h"

#include "BlockBuilder.h"
#include "FieldMarks.h"
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
// field waits for the same change of text.
constexpr char kMarked[] = "tarvekRejected";

void showReason(QLineEdit *field, const QString &reason)
{
    setFieldRejection(field, reason);
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
    // The mark goes with the first change of the text; the note and the
    // warnings written meanwhile (FieldNotes, OnAirMarks) then show again.
    if (!field->property(kMarked).toBool()) {
        field->setProperty(kMarked, true);
        QObject::connect(
            field, &QLineEdit::textChanged, field,
            [field] {
                field->setProperty(kMarked, false);
                setFieldRejection(field, QString());
            },
            Qt::SingleShotConnection);
    }
    showReason(field, config::rejectionText(rejection));
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

} // namespace tarvek::ui
