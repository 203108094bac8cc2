#include "MessagePresenter.h"

#include <QMessageBox>
#include <QPointer>

namespace tarvek::ui
{

void QtMessagePresenter::showMessage(QWidget *parent, const QString &title, const QString &text,
                                     MessageIcon icon)
{
    // On the heap: should the parent be destroyed while the box runs its
    // loop, the box goes with it, and only what is left is deleted here.
    QPointer<QMessageBox> box = new QMessageBox(parent);
    box->setWindowTitle(title);
    // The text quotes values, paths and the system's words: never markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case MessageIcon::None:
        box->setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box->setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Critical:
        box->setIcon(QMessageBox::Critical);
        break;
    }
    box->exec();
    delete box.data();
}

} // namespace tarvek::ui
