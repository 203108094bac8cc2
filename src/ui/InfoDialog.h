#pragma once
// The information dialog (form `Dialog`): one label with the upload's
// progress and result, and an OK button that hides it. It is created hidden
// with the main window, owned by it, and reused for every upload; the close
// box hides it rather than destroying it.
#include <QDialog>

class QLabel;
class QPushButton;
class QCloseEvent;

namespace tarvek::ui
{

class InfoDialog final : public QDialog
{
    Q_OBJECT
public:
    static constexpr const char *kCaption = "Tarvek";

    // `owner` is the main window; the dialog is shown non-modal over it.
    explicit InfoDialog(QWidget *owner);

    QLabel *infoLabel() const { return m_infoLabel; }
    QPushButton *okButton() const { return m_okButton; }

    // Shows `text` and announces it to a screen reader: the text is also the
    // dialog's accessible description.
    void setInfoText(const QString &text);

    // Hides the dialog; it stays loaded.
    void onOkClicked();

protected:
    // A close request from the dialog's own close box or system menu (a
    // spontaneous one) is cancelled and hides the dialog; a request from the
    // program (ending) proceeds.
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *m_infoLabel;     // owned by the dialog
    QPushButton *m_okButton; // owned by the dialog
};

} // namespace tarvek::ui
