#include "MainWindow.h"

#include "CalculatorWindow.h"
#include "ConfigFileCommands.h"
#include "FieldNotes.h"
#include "FieldRules.h"
#include "InfoDialog.h"
#include "LiteralText.h"
#include "ManualHelp.h"
#include "MaskedLineEdit.h"
#include "OnAirMarks.h"
#include "PortChooser.h"
#include "PortNumbers.h"
#include "RejectedField.h"
#include "SendCommand.h"
#include "SettingKeys.h"
#include "SymbolChooser.h"
#include "Twips.h"
#include "WindowForms.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek::ui
{

namespace
{

constexpr Qt::WindowFlags kFixedWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Counts a command that runs a nested event loop (a message box, a file
// dialog) or lets window events run (the upload's steps) while it uses the
// window's parts. The window refuses to close until every such command has
// returned, so a close request cannot unload what a running handler uses.
class BusyScope
{
public:
    explicit BusyScope(int &count) : m_count(count) { ++m_count; }
    ~BusyScope() { --m_count; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    int &m_count;
};

QIcon programIcon()
{
    // With its size given, an image is read only when that size is drawn.
    QIcon icon;
    icon.addFile(QStringLiteral(":/tarvek/tarvek-config-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/tarvek/tarvek-config-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/tarvek/tarvek-config.png"), QSize(64, 64));
    return icon;
}

} // namespace

MainWindow::MainWindow(SettingsModel &model, MainWindowServices services, QWidget *parent)
    : QWidget(parent, kFixedWindowFlags), m_model(model), m_services(std::move(services))
{
    setObjectName(QStringLiteral("Setup"));
    setWindowTitle(QString::fromLatin1(kCaption));
    // Every window of the program (dialogs, message boxes, the help viewer)
    // shows the program icon.
    QApplication::setWindowIcon(programIcon());
    setFixedSize(twipsSize(kClientWidthTwips, kClientHeightTwips, logicalDpiY()));
    setFormFont(this);
    m_form = std::make_unique<Form>(this, mainWindowForm(), model);
    findControls();
    // The defaults go in before the field rules exist, which then show them
    // once (counters, GPSless Mode) rather than first the empty fields.
    loadDefaults(m_model.tracker);
    m_fieldRules = std::make_unique<FieldRules>(m_c, *m_form, m_model.tracker);
    m_fieldNotes = std::make_unique<FieldNotes>(m_c, m_model.tracker);
    m_onAirMarks = std::make_unique<OnAirMarks>(m_c, m_model.tracker);
    createCommands();
    connectControls();
    // Key preview: the window sees every key press before the focused control.
    qApp->installEventFilter(this);
    // At start-up the focus is on the TX delay, its text selected.
    m_c.txDelay->setFocus(Qt::OtherFocusReason);
    m_fieldRules->selectAllOnFocus(m_c.txDelay);
}

MainWindow::~MainWindow() = default;

void MainWindow::findControls()
{
    const Form &f = *m_form;
    m_c.txDelay = f.get<MaskedLineEdit>(key::kTxDelay);
    m_c.symbol = f.get<MaskedLineEdit>(key::kSymbol);
    m_c.callsign = f.get<MaskedLineEdit>(key::kCallsign);
    m_c.statusEvery = f.get<MaskedLineEdit>(key::kStatusEvery);
    m_c.path = f.get<MaskedLineEdit>(key::kPath);
    m_c.statusText = f.get<MaskedLineEdit>(key::kStatusText);
    m_c.manualInterval = f.get<MaskedLineEdit>(key::kManualInterval);
    m_c.gpsInterval = f.get<MaskedLineEdit>(key::kGpsInterval);
    m_c.gpsTimeout = f.get<MaskedLineEdit>(key::kGpsTimeout);
    m_c.messageTo = f.get<MaskedLineEdit>(key::kMessageTo);
    m_c.message = f.get<MaskedLineEdit>(key::kMessage);
    m_c.messageRetries = f.get<MaskedLineEdit>(key::kMessageRetries);
    m_c.port = f.get<MaskedLineEdit>(key::kPort);
    for (size_t band = 0; band < m_c.speedIntervals.size(); ++band)
        m_c.speedIntervals[band] = f.get<MaskedLineEdit>(key::kSpeedIntervals[band]);
    m_c.micE = f.get<QComboBox>(key::kMicEMessage);
    m_c.alternateTable = f.get<QCheckBox>(key::kAlternateTable);
    m_c.hideReceived = f.get<QCheckBox>(key::kHideReceived);
    m_c.autoReply = f.get<QCheckBox>(key::kAutoReply);
    m_c.gpslessButton = f.get<QPushButton>("cmdLatLon");
    m_c.defaultButton = f.get<QPushButton>("cmdDefault");
    m_c.saveButton = f.get<QPushButton>("cmdSave");
    m_c.loadButton = f.get<QPushButton>("cmdLoad");
    m_c.sendButton = f.get<QPushButton>("cmdSend");
    m_c.helpButton = f.get<QPushButton>("cmdHelp");
    m_c.symbolButton = f.get<QToolButton>("cmdSymbols");
    m_c.portButton = f.get<QToolButton>("cmdPorts");
    m_c.portLabel = f.get<QLabel>("Label1");
    m_c.statusTextLabel = f.get<QLabel>("Label6");
    m_c.micELabel = f.get<QLabel>("Label12");
    m_c.messageCounter = f.get<QLabel>("Label13");
    m_c.gpslessLabel = f.get<QLabel>("Label33");
    m_c.statusCounter = f.get<QLabel>("Label34");
}

QList<QWidget *> MainWindow::tabOrder() const
{
    return m_form->tabOrder();
}

// The commands behind the buttons: the symbol picker, the port chooser, Save
// and Load, and SEND with its information dialog. The choosers build their
// windows, and look at the ports, only when first opened.
void MainWindow::createCommands()
{
    m_symbolChooser =
        std::make_unique<SymbolChooser>(m_c.symbol, m_c.alternateTable, m_c.symbolButton);
    if (!m_services.ports)
        m_systemPorts = systemPortSource();
    m_portChooser = std::make_unique<PortChooser>(
        m_c.port, m_c.portButton, m_services.ports ? *m_services.ports : *m_systemPorts);
    m_fileCommands = std::make_unique<ConfigFileCommands>(m_model, m_services.messages,
                                                          m_services.fileDialogs, this);
    m_infoDialog = std::make_unique<InfoDialog>(this);
    m_send = std::make_unique<SendCommand>(SendCommand::Parts{.settings = m_model.tracker,
                                                              .sendButton = m_c.sendButton,
                                                              .dialog = m_infoDialog.get(),
                                                              .port = m_services.port,
                                                              .messages = m_services.messages,
                                                              .owner = this});
    if (m_services.uploadHooks)
        m_send->setHooks(*m_services.uploadHooks);
}

// Connects the buttons to the window's commands (the symbol and port buttons
// are the choosers'), and "Comm num:" to its tooltip.
void MainWindow::connectControls()
{
    connect(m_c.defaultButton, &QPushButton::clicked, this, &MainWindow::restoreDefaults);
    connect(m_c.gpslessButton, &QPushButton::clicked, this, &MainWindow::showCalculator);
    connect(m_c.saveButton, &QPushButton::clicked, this, &MainWindow::save);
    connect(m_c.loadButton, &QPushButton::clicked, this, &MainWindow::load);
    connect(m_c.helpButton, &QPushButton::clicked, this, &MainWindow::showHelp);
    m_c.helpButton->setEnabled(m_services.help != nullptr);
    connect(m_c.sendButton, &QPushButton::clicked, this, &MainWindow::send);
    // "Comm num:" tells which device the number in the field means. Looking
    // up the system's serial ports takes long enough to matter at start-up,
    // and the answer changes as adapters come and go, so it is looked up when
    // the tooltip is about to show.
    m_c.portLabel->installEventFilter(this);
    m_c.port->installEventFilter(this);
}

void MainWindow::describeCommPort()
{
    const QString device = describePortNumber(m_model.tracker.port.text());
    m_c.portLabel->setToolTip(literalRichText(device));
    m_c.port->setToolTip(literalRichText(device));
}

void MainWindow::restoreDefaults()
{
    loadDefaults(m_model.tracker);
}

void MainWindow::showHelp()
{
    const BusyScope busy(m_busy); // the missing-file box may run here
    if (m_services.help)
        m_services.help->showManual(QString::fromLatin1(kHelpFile),
                                    QString::fromLatin1(kHelpTitle));
}

CalculatorWindow *MainWindow::calculator()
{
    if (!m_calculator && !m_unloaded)
        m_calculator = std::make_unique<CalculatorWindow>(m_model, m_c.statusText, this);
    return m_calculator.get();
}

void MainWindow::showCalculator()
{
    if (CalculatorWindow *window = calculator())
        window->showAndRaise();
}

void MainWindow::save()
{
    const BusyScope busy(m_busy);
    m_fileCommands->save();
}

void MainWindow::load()
{
    const BusyScope busy(m_busy);
    m_fileCommands->load();
}

// SEND lets window events run between its steps and waits for its message
// boxes; a close request meanwhile is refused as while the port is open.
void MainWindow::send()
{
    const BusyScope busy(m_busy);
    if (m_send)
        markRejectedField(this, m_send->run());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && (watched == m_c.portLabel || watched == m_c.port))
        describeCommPort();
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // A key press travels from the focused control up to its parents; the
    // window takes it once, where it starts: F1 shows the manual.
    const auto *target = static_cast<QWidget *>(watched);
    const QWidget *start = focusWidget() ? focusWidget() : this;
    if (target == start && target->window() == this &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1)
        showHelp();
    return false; // never consumed: the control still gets the key
}

// Not while an upload has the port open, a command is still running or the
// help viewer waits for its missing-file box.
bool MainWindow::mayClose() const
{
    const bool helpWaiting = m_services.help && m_services.help->isWaiting();
    return m_busy == 0 && !helpWaiting && !m_services.port.isOpen();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // While the window may not close, it stays, without a word.
    if (!mayClose()) {
        event->ignore();
        return;
    }
    unloadWindows();
    event->accept();
}

void MainWindow::unloadWindows()
{
    m_unloaded = true;
    m_send.reset();
    m_symbolChooser.reset();
    m_portChooser.reset();
    m_infoDialog.reset();
    m_calculator.reset();
    if (m_services.help)
        m_services.help->unload();
}

} // namespace tarvek::ui
