#include "MessagePresenter.h"

#include <QMessageBox>

namespace tarvek::ui
{

void QtMessagePresenter::showMessage(QWidget *parent, const QString &title, const QString &text,
                                     MessageIcon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.exec();
}

} // namespace tarvek::ui
