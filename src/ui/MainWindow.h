#pragma once
// The main window, form `Setup`: the program's start-up window and the only
// one the operator opens directly.
//
// How it fits:
// - SettingsModel is the one store of every setting. Each text control is a
//   MaskedLineEdit bound to its MaskedField; the check boxes and the Mic-E
//   selector are bound both ways to their model objects. Whatever writes the
//   model (the operator, Default, Load, the calculator, SEND's write-back) is
//   shown at once, and the field rules (FieldRules.cpp) follow every change.
// - The window builds its controls from twips (MainWindowLayout.cpp), wires
//   the field rules (FieldRules.cpp) and the commands (MainWindow.cpp).
// - Services with a person or a device behind them (message boxes, file
//   dialogs, the serial port, the help viewer) come from outside, so tests
//   can stand in for them; src/app/main.cpp passes the real ones.
#include "ConfigBlock.h"
#include "Frames.h"
#include "TrackerSettings.h"
#include "Upload.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tarvek::ui
{

class CalculatorWindow;
class ConfigFileCommands;
class FileDialogs;
class InfoDialog;
class MaskedLineEdit;
class MessagePresenter;
class SendCommand;

// frmIstruzioni: Apri(file name, title) shows the manual; unload closes the
// viewer if it is open. Empty functions leave "Help (F1)" and F1 disabled.
struct HelpViewerHooks {
    std::function<void(const QString &fileName, const QString &title)> Apri;
    std::function<void()> unload;
};

struct MainWindowServices {
    MessagePresenter &messages;
    FileDialogs &fileDialogs;
    SerialPort &port; // MSComm1
    HelpViewerHooks help;
    // The upload's pauses and event processing; the window's own by default.
    std::optional<UploadHooks> uploadHooks;
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

    // Runs Form_Load. `model` must outlive the window.
    MainWindow(SettingsModel &model, MainWindowServices services, QWidget *parent = nullptr);
    ~MainWindow() override;

    SettingsModel &model() const { return m_model; }
    const ConfigBlock &configBlock() const { return m_block; }

    // The controls, by their names (tests and the other windows).
    struct Controls {
        QGroupBox *Frame1 = nullptr, *Frame2 = nullptr, *Frame3 = nullptr, *Frame6 = nullptr;
        QGroupBox *frManual = nullptr, *Frame5 = nullptr, *frAuto = nullptr;
        MaskedLineEdit *edNumFlagsAuto = nullptr, *edSymbol = nullptr, *edMyCall = nullptr,
                       *edBcnEvery = nullptr, *edAprsPath = nullptr, *edBeacon = nullptr,
                       *edManualTime = nullptr, *edGpsCheckTime = nullptr, *edGpsAcqTime = nullptr,
                       *edDestCall = nullptr, *edAprsMsg = nullptr, *edMsgRepeat = nullptr,
                       *edComm = nullptr;
        std::array<MaskedLineEdit *, kSpeedBands> esSpeedTable{};
        QComboBox *cbMicEMsg = nullptr;
        QCheckBox *chkTable = nullptr, *chkRxPosition = nullptr, *chkAutoReply = nullptr;
        QPushButton *cmdLatLon = nullptr, *cmdDefault = nullptr, *cmdSave = nullptr,
                    *cmdLoad = nullptr, *cmdSend = nullptr, *cmdHelp = nullptr;
        // Labels whose look changes (field rules) or that carry a tooltip.
        QLabel *Label1 = nullptr, *Label6 = nullptr, *Label12 = nullptr, *Label13 = nullptr,
               *Label33 = nullptr, *Label34 = nullptr;
    };
    const Controls &controls() const { return m_c; }

    // The keyboard order, first to last.
    QList<QWidget *> tabOrder() const;

    // The calculator window (frmLatLon); null after the window has unloaded.
    CalculatorWindow *calculator() const { return m_calculator.get(); }
    InfoDialog *infoDialog() const { return m_infoDialog.get(); }

    // Command handlers, also reachable from tests.
    void cmdDefault_Click();
    void cmdHelp_Click();
    void cmdLatLon_Click();
    void cmdSave_Click();
    void cmdLoad_Click();
    void cmdSend_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_KeyDown(int key);
    bool Form_QueryUnload();
    void Form_Unload();

    // MainWindowLayout.cpp
    void buildControls();
    void buildFrame1();
    void buildFrame2();
    void buildFrame3();
    void buildFrame6();
    void bindChoices();
    void applyTabOrder();

    // FieldRules.cpp
    void bindFieldRules();
    void bindSelectAllOnFocus();
    void bindKeyFilters();
    void FilterCallsignKey(int &code);
    void esSpeedTable_GotFocus(int index);
    void SelectAllOnFocus(MaskedLineEdit *field);
    void edBeacon_Change();
    void edAprsMsg_Change();
    void edGpsAcqTime_Change();
    void ShowGpslessMode(bool gpsless);

    void bindCommands();
    void bindCommPortToolTip();
    void describeCommPort();

    SettingsModel &m_model;
    MainWindowServices m_services;
    Controls m_c;
    ConfigBlock m_block{};
    Preamble m_preamble{};
    // Parented to the window (they stay above it) and unloaded in this order.
    std::unique_ptr<InfoDialog> m_infoDialog;
    std::unique_ptr<CalculatorWindow> m_calculator;
    std::unique_ptr<ConfigFileCommands> m_fileCommands;
    std::unique_ptr<SendCommand> m_send;
    std::optional<bool> m_shownGpsless; // the presentation on screen
    int m_busy = 0;                     // commands running (BusyScope)
    // Why the focus last moved (seen before the control gets it): a control
    // that gets it back because its window was activated again keeps its caret.
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason;
};

} // namespace tarvek::ui
