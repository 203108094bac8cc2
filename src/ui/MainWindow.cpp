#include "MainWindow.h"

#include "CalculatorWindow.h"
#include "ConfigFileCommands.h"
#include "InfoDialog.h"
#include "MaskedLineEdit.h"
#include "PortNumbers.h"
#include "SendCommand.h"
#include "Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

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

QIcon ProgramIcon()
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
    QApplication::setWindowIcon(ProgramIcon());
    setFixedSize(TwipsSize(kClientWidthTwips, kClientHeightTwips, logicalDpiY()));
    buildControls();
    bindFieldRules();
    bindCommands();
    // Key preview: the window sees every key press before the focused control.
    qApp->installEventFilter(this);
    Form_Load();
    // At start-up the focus is on the TX delay, its text selected.
    m_c.edNumFlagsAuto->setFocus(Qt::OtherFocusReason);
    SelectAllOnFocus(m_c.edNumFlagsAuto);
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load()
{
    LoadDefaults(m_model.tracker);
    m_preamble = kPreamble;
    m_infoDialog = std::make_unique<InfoDialog>(this);
    m_calculator =
        std::make_unique<CalculatorWindow>(m_model.calculator, m_model.tracker, m_c.edBeacon, this);
    m_send = std::make_unique<SendCommand>(SendCommand::Parts{.settings = m_model.tracker,
                                                              .block = m_block,
                                                              .cmdSend = m_c.cmdSend,
                                                              .dialog = m_infoDialog.get(),
                                                              .port = m_services.port,
                                                              .messages = m_services.messages,
                                                              .owner = this,
                                                              .preamble = m_preamble});
    if (m_services.uploadHooks)
        m_send->setHooks(*m_services.uploadHooks);
}

void MainWindow::bindCommands()
{
    connect(m_c.cmdDefault, &QPushButton::clicked, this, &MainWindow::cmdDefault_Click);
    connect(m_c.cmdLatLon, &QPushButton::clicked, this, &MainWindow::cmdLatLon_Click);
    connect(m_c.cmdSave, &QPushButton::clicked, this, &MainWindow::cmdSave_Click);
    connect(m_c.cmdLoad, &QPushButton::clicked, this, &MainWindow::cmdLoad_Click);
    connect(m_c.cmdHelp, &QPushButton::clicked, this, &MainWindow::cmdHelp_Click);
    m_c.cmdHelp->setEnabled(static_cast<bool>(m_services.help.Apri));
    connect(m_c.cmdSend, &QPushButton::clicked, this, &MainWindow::cmdSend_Click);

    CalculatorHooks calculator{[] {},
                               [this] {
                                   if (m_calculator)
                                       m_calculator->chkCent_Click();
                               }};
    m_fileCommands = std::make_unique<ConfigFileCommands>(
        m_model, m_services.messages, m_services.fileDialogs, this, std::move(calculator));
    bindCommPortToolTip();
}

// "Comm num:" tells which device the number in the field means. Looking up
// the system's serial ports takes long enough to matter at start-up, and the
// answer changes as adapters come and go, so it is looked up when the tooltip
// is about to show.
void MainWindow::bindCommPortToolTip()
{
    for (QWidget *control :
         {static_cast<QWidget *>(m_c.Label1), static_cast<QWidget *>(m_c.edComm)})
        control->installEventFilter(this);
}

void MainWindow::describeCommPort()
{
    const QString device = DescribePortNumber(m_model.tracker.edComm.text());
    m_c.Label1->setToolTip(device);
    m_c.edComm->setToolTip(device);
}

void MainWindow::cmdDefault_Click()
{
    LoadDefaults(m_model.tracker);
}

void MainWindow::cmdHelp_Click()
{
    const BusyScope busy(m_busy); // the missing-file box may run here
    if (m_services.help.Apri)
        m_services.help.Apri(QString::fromLatin1(kHelpFile), QString::fromLatin1(kHelpTitle));
}

void MainWindow::cmdLatLon_Click()
{
    if (m_calculator)
        m_calculator->showAndRaise();
}

void MainWindow::cmdSave_Click()
{
    const BusyScope busy(m_busy);
    m_fileCommands->cmdSave_Click();
}

void MainWindow::cmdLoad_Click()
{
    const BusyScope busy(m_busy);
    m_fileCommands->cmdLoad_Click();
}

// SEND lets window events run between its steps and waits for its message
// boxes; a close request meanwhile is refused as while the port is open.
void MainWindow::cmdSend_Click()
{
    const BusyScope busy(m_busy);
    if (m_send)
        m_send->cmdSend_Click();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip && (watched == m_c.Label1 || watched == m_c.edComm))
        describeCommPort();
    if (event->type() == QEvent::FocusIn)
        m_focusReason = static_cast<QFocusEvent *>(event)->reason();
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // A key press travels from the focused control up to its parents; the
    // window takes it once, where it starts.
    const auto *target = static_cast<QWidget *>(watched);
    const QWidget *start = focusWidget() ? focusWidget() : this;
    if (target == start && target->window() == this)
        Form_KeyDown(static_cast<QKeyEvent *>(event)->key());
    return false; // never consumed: the control still gets the key
}

void MainWindow::Form_KeyDown(int key)
{
    if (key == Qt::Key_F1)
        cmdHelp_Click();
}

bool MainWindow::Form_QueryUnload()
{
    return m_busy == 0 && !m_services.port.isOpen();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // While an upload has the port open, or a command is still running, the
    // window stays, without a word.
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void MainWindow::Form_Unload()
{
    m_send.reset();
    m_infoDialog.reset();
    m_calculator.reset();
    if (m_services.help.unload)
        m_services.help.unload();
}

} // namespace tarvek::ui
