#pragma once
// The GPSless position calculator (frmLatLon): a small modeless window over
// the main window where the operator types the tracker's fixed position as a
// latitude and a longitude and writes the matching APRS position report into
// the status text (edBeacon).
//
// How it fits:
// - CalculatorSettings (txtLat, txtLng, chkCent, optLLtoNorm) is the one store
//   of the four controls that configuration files keep. The widgets are bound
//   to it both ways: the .cfg loader writes the model and the widgets follow;
//   an edit in a widget updates the model.
// - PositionCalculator does the checking and the writing without widgets;
//   this window shows its results.
// - The report goes into TrackerSettings::statusText; the main window's status
//   widget follows that model. The widget itself (statusEdit) is only given
//   the focus, the caret position and the background colour.
//
// The write button's state is refreshed by key releases in the two fields, by
// the notation box and by the loader's `loaded` signal. A text that reaches a
// field by other means (mouse paste, drag and drop) is checked again by the
// write command, which then does nothing and disables the button.
#include "FormTable.h"
#include "PositionCalculator.h"

#include <QDialog>
#include <QPointer>
#include <memory>

class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvek::ui
{

class CalculatorWindow : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kStatusCaretPosition = 99;

    // Created hidden. owner: the main window (the calculator stays above it
    // and is minimized with it). statusEdit: the main window's status-text
    // widget; it may be null (nothing but the model is then touched).
    CalculatorWindow(config::SettingsModel &model, QLineEdit *statusEdit, QWidget *owner);
    ~CalculatorWindow() override;

    // Shows the window modeless, or brings it to the front if it is shown.
    void showAndRaise();

    const PositionCalculator &calculator() const { return m_calculator; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void bindNotation();
    void bindForm();
    // Re-checks both texts in the selected notation, enables or disables the
    // write button and sets the frame caption.
    void refreshForNotation();
    void onWriteClicked();
    void onCloseClicked();
    void placeStatusCaret();
    void setStatusBackground(bool highlighted);

    config::SettingsModel &m_model;
    PositionCalculator m_calculator;
    QPointer<QLineEdit> m_statusEdit;
    std::unique_ptr<Form> m_form;

    QGroupBox *m_frame = nullptr;
    QLineEdit *m_latitude = nullptr;
    QLineEdit *m_longitude = nullptr;
    QCheckBox *m_hundredths = nullptr;
    QRadioButton *m_normalForm = nullptr;
    QRadioButton *m_compressedForm = nullptr;
    QPushButton *m_writeButton = nullptr;
};

} // namespace tarvek::ui
