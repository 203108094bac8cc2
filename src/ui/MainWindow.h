#pragma once
// The main window, form `Setup`: the program's start-up window and the only
// one the operator opens directly.
//
// How it fits:
// - SettingsModel is the one store of every setting. The window builds its
//   controls from its form (MainWindowForm.cpp), which binds each control to
//   the setting of the same name: whatever writes the model (the operator,
//   Default, Load, the calculator, SEND's write-back) is shown at once.
// - FieldRules follows every change with the field rules (counters, key
//   filters, select-all, GPSless Mode); FieldNotes keeps the tooltips that
//   say what the symbol and the timing values mean to the tracker;
//   OnAirMarks marks in amber the settings that would go wrong on the air;
//   SymbolChooser opens the symbol picker and PortChooser the list of serial
//   ports; SendCommand and ConfigFileCommands
//   do SEND, Save and Load; this class wires them and handles closing.
// - Services with a person or a device behind them (message boxes, file
//   dialogs, the serial port, the help viewer) come from outside, so tests
//   can stand in for them; src/app/main.cpp passes the real ones.
#include "MainWindowControls.h"
#include "PortSurvey.h"
#include "TrackerSettings.h"
#include "Upload.h"

#include <QWidget>
#include <memory>
#include <optional>

namespace tarvek::ui
{

class CalculatorWindow;
class ConfigFileCommands;
class FieldNotes;
class FieldRules;
class FileDialogs;
class Form;
class InfoDialog;
class ManualHelp;
class MaskedLineEdit;
class MessagePresenter;
class OnAirMarks;
class PortChooser;
class SendCommand;
class SymbolChooser;

struct MainWindowServices {
    MessagePresenter &messages;
    FileDialogs &fileDialogs;
    serial::SerialPort &port;
    ManualHelp *help = nullptr; // none leaves "Help (F1)" and F1 disabled
    // The upload's pauses and event processing; the window's own by default.
    std::optional<serial::UploadHooks> uploadHooks;
    // The serial ports the port chooser lists; none: the system's.
    const serial::PortSource *ports = nullptr;
};

class MainWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr const char *kCaption = "Tarvek Config v3.0 by QX0ZZZ";
    static constexpr const char *kHelpFile = "Tarvek_Config.rtf";
    static constexpr const char *kHelpTitle = "Tarvek Config - Istruzioni";
    static constexpr int kClientWidthTwips = 4335;
    static constexpr int kClientHeightTwips = 7560;

    // Loads the factory defaults. `model` must outlive the window.
    MainWindow(config::SettingsModel &model, MainWindowServices services,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    config::SettingsModel &model() const { return m_model; }

    using Controls = MainWindowControls;
    const Controls &controls() const { return m_c; }

    // The keyboard order, first to last.
    QList<QWidget *> tabOrder() const;

    // The calculator window (frmLatLon), built on first use: the first frame
    // does not need it. Null after the window has unloaded.
    CalculatorWindow *calculator();
    InfoDialog *infoDialog() const { return m_infoDialog.get(); }
    SymbolChooser *symbolChooser() const { return m_symbolChooser.get(); }
    PortChooser *portChooser() const { return m_portChooser.get(); }
    SendCommand *sendCommand() const { return m_send.get(); }

    // The commands of the buttons, also reachable from tests.
    void restoreDefaults();
    void showHelp();
    void showCalculator();
    void save();
    void load();
    void send();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void findControls();
    void createCommands();
    void connectControls();
    void describeCommPort();
    bool mayClose() const;
    void unloadWindows();

    config::SettingsModel &m_model;
    MainWindowServices m_services;
    std::unique_ptr<Form> m_form;
    Controls m_c;
    std::unique_ptr<FieldRules> m_fieldRules;
    std::unique_ptr<FieldNotes> m_fieldNotes;
    std::unique_ptr<OnAirMarks> m_onAirMarks;
    // Parented to the window (they stay above it) and unloaded in this order.
    std::unique_ptr<InfoDialog> m_infoDialog;
    std::unique_ptr<CalculatorWindow> m_calculator;
    std::unique_ptr<ConfigFileCommands> m_fileCommands;
    std::unique_ptr<SymbolChooser> m_symbolChooser;    // its picker is a window
    std::unique_ptr<serial::PortSource> m_systemPorts; // when the services give none
    std::unique_ptr<PortChooser> m_portChooser;        // its picker is a window
    std::unique_ptr<SendCommand> m_send;
    int m_busy = 0;          // commands running (BusyScope)
    bool m_unloaded = false; // closed: nothing is built any more
};

} // namespace tarvek::ui
