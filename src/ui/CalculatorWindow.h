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
// - The coordinate texts are checked and turned into the report by tarvek_geo
//   (validators, parsers, ComposePositionText); this class only moves texts
//   between widgets, model and library (Windows-1252 on the library side).
// - The report goes into TrackerSettings::edBeacon; the main window's status
//   widget follows that model. The widget itself (beaconEdit) is only given
//   the focus, the caret position and the background colour.
//
// The write button's state is refreshed by key releases in the two fields, by
// the notation toggle (chkCent_Click) and by the loader calling chkCent_Click.
// A text that reaches a field by other means (mouse paste, drag and drop) is
// checked again by the write command, which then does nothing and disables
// the button.
#include "PositionText.h"

#include <QDialog>
#include <QPointer>
#include <string>

class QButtonGroup;
class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvek
{
class CalculatorSettings;
class TrackerSettings;
} // namespace tarvek

namespace tarvek::ui
{

class CalculatorWindow : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kBeaconCaretPosition = 99;

    // Created hidden. owner: the main window (the calculator stays above it
    // and is minimized with it). beaconEdit: the main window's status-text
    // widget; it may be null (nothing but the model is then touched).
    CalculatorWindow(CalculatorSettings &calc, TrackerSettings &tracker, QLineEdit *beaconEdit,
                     QWidget *owner);

    // Re-checks both texts in the notation that chkCent selects, enables or
    // disables the write button and sets the frame caption. Runs when the
    // check box changes state; the configuration loader calls it after it
    // has written the calculator's fields.
    void chkCent_Click();

    // Shows the window modeless, or brings it to the front if it is shown.
    void showAndRaise();

    // The 14-character compressed report (Windows-1252) for signed decimal
    // degrees, with the symbol table and code read from the main window's
    // settings. lat and lon are not changed. Throws geo::ConversionError for
    // coordinates far outside +-90 / +-180.
    std::string BuildCompressedPosition(double &lat, double &lon);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void placeControls();
    void applyFonts();
    void orderTabs();
    void bindModel();

    void txtCoordinate_KeyUp();
    bool Form_QueryUnload(bool fromCloseControl);
    void cmdCalc_Click();
    void OKButton_Click();
    geo::AngleNotation notation() const;
    bool textsValid() const;
    void readSymbol();
    void placeBeaconCaret();
    void setBeaconBackground(bool highlighted);

    CalculatorSettings &m_calc;
    TrackerSettings &m_tracker;
    QPointer<QLineEdit> m_beaconEdit;

    // Filled by the write command and by BuildCompressedPosition.
    std::string SymbolTableId;
    std::string SymbolCode;

    QGroupBox *zFrame2 = nullptr;
    QLabel *zLabel02 = nullptr;
    QLineEdit *txtLat = nullptr;
    QLabel *zLabel01 = nullptr;
    QLineEdit *txtLng = nullptr;
    QCheckBox *chkCent = nullptr;
    QLabel *Label1 = nullptr;
    QRadioButton *optLLtoNorm = nullptr;
    QRadioButton *optLLtoComp = nullptr;
    QButtonGroup *formGroup = nullptr;
    QPushButton *cmdCalc = nullptr;
    QPushButton *OKButton = nullptr;
};

} // namespace tarvek::ui
