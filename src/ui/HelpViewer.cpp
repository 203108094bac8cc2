#include "HelpViewer.h"

#include "MessagePresenter.h"
#include "NumericReading.h"
#include "RtfDocumentBuilder.h"
#include "RtfReader.h"
#include "Twips.h"
#include "UserTexts.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>

namespace tarvek::ui
{

HelpViewer::HelpViewer(MessagePresenter &messages, const QString &programFolder)
    : QWidget(nullptr), m_messages(messages), m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("frmIstruzioni"));
    setWindowTitle(QStringLiteral("Istruzioni:"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    const double dpi = logicalDpi();
    resize(twipsSize(kClientWidthTwips, kClientHeightTwips, dpi));
    m_textBox = new QTextEdit(this);
    m_textBox->setObjectName(QStringLiteral("rtfIstruzioni"));
    m_textBox->setReadOnly(true);
    m_textBox->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_textBox->setGeometry(twipsRect(0, 0, kBoxWidthTwips, kBoxHeightTwips, dpi));
    centreOnScreen();
}

void HelpViewer::showManual(const QString &fileName, const QString &title)
{
    m_helpFileName = fileName;
    setWindowTitle(QLatin1Char(' ') + title);
    const bool wasActive = isVisible() && isActiveWindow();
    show();
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    // An activation event only comes when the window was not active already.
    if (wasActive)
        reloadOnActivation();
}

bool HelpViewer::fileExists(const QString &name)
{
    const QFileInfo info(name);
    return info.exists() && !info.isDir();
}

QString HelpViewer::locateManual(const QString &name, const QString &programFolder)
{
    if (fileExists(name))
        return name;
    const QString besideProgram = QDir(programFolder).filePath(name);
    return fileExists(besideProgram) ? besideProgram : name;
}

QSize HelpViewer::textBoxSize(QSize windowSize, double logicalDpi)
{
    const QSize frame = twipsSize(kFrameWidthTwips, kFrameHeightTwips, logicalDpi);
    return QSize(std::max(1, windowSize.width() - frame.width()),
                 std::max(1, windowSize.height() - frame.height()));
}

bool HelpViewer::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::WindowActivate:
        m_frameSettled = true;
        reloadOnActivation();
        break;
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        centreOnceFramed(event->type() == QEvent::Show);
        break;
    default:
        break;
    }
    return handled;
}

// The window is centred whole, frame included, but a frame exists only
// once the window system has given it one: at the first showing, or shortly
// after it under a window manager. The centring is done again then, and stops
// once the frame is known or the window has become active (after that a move
// is the operator's).
void HelpViewer::centreOnceFramed(bool shown)
{
    if (m_frameSettled || !isVisible())
        return;
    const bool framed = frameGeometry().size() != size();
    if (shown || framed)
        centreOnScreen();
    m_frameSettled = framed;
}

void HelpViewer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitTextBox();
}

void HelpViewer::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        fitTextBox();
}

void HelpViewer::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_unloaded) {
        m_unloaded = true;
        Q_EMIT unloaded();
    }
}

void HelpViewer::centreOnScreen()
{
    // Centred on the screen; when there is no screen the window stays where it is.
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize window = frameGeometry().size();
    move(area.left() +
             static_cast<int>(config::roundHalfEven((area.width() - window.width()) / 2.0)),
         area.top() +
             static_cast<int>(config::roundHalfEven((area.height() - window.height()) / 2.0)));
}

void HelpViewer::reloadOnActivation()
{
    if (m_activating || m_unloaded)
        return;
    m_activating = true;
    if (const QString path = locateManual(m_helpFileName, m_programFolder); fileExists(path)) {
        loadHelpFile(path);
    } else {
        // The box runs its own loop, in which the main window may unload the
        // viewer; its deletion then waits for this handler (deleteWhenIdle).
        const QPointer<HelpViewer> alive(this);
        m_messages.showMessage(this, config::texts::kFileErrorTitle,
                               config::texts::kMissingHelpFile + m_helpFileName,
                               MessageIcon::Critical);
        if (!alive)
            return;
        if (!m_unloaded)
            unloadViewer();
    }
    m_activating = false;
    if (m_deleteWhenIdle)
        deleteLater();
}

void HelpViewer::deleteWhenIdle()
{
    if (m_activating)
        m_deleteWhenIdle = true;
    else
        deleteLater();
}

void HelpViewer::fitTextBox()
{
    if (isMinimized() || !m_textBox)
        return;
    m_textBox->setGeometry(QRect(QPoint(0, 0), textBoxSize(wholeWindowSize(), logicalDpi())));
}

void HelpViewer::loadHelpFile(const QString &path)
{
    QFile file(path);
    QScrollBar *scroll = m_textBox->verticalScrollBar();
    const int position = scroll->value();
    if (!file.open(QIODevice::ReadOnly)) {
        m_textBox->setPlainText(m_helpFileName + QStringLiteral(": ") + file.errorString());
        return;
    }
    const QByteArray content = file.read(rtf::ReadLimits{}.maxFileBytes);
    loadRtfIntoDocument(content, *m_textBox->document());
    // Reloading keeps the operator's place in the manual.
    scroll->setValue(position);
}

void HelpViewer::unloadViewer()
{
    m_unloaded = true;
    hide();
    Q_EMIT unloaded();
}

double HelpViewer::logicalDpi() const
{
    const QScreen *screen = this->screen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

// The whole window including its frame. Where the platform draws no frame or
// does not report it (offscreen, or before the window manager has answered),
// the frame the rule expects is assumed, so the box fills the client area.
QSize HelpViewer::wholeWindowSize() const
{
    const QSize whole = frameGeometry().size();
    if (whole != size())
        return whole;
    return size() + twipsSize(kFrameWidthTwips, kFrameHeightTwips, logicalDpi());
}

} // namespace tarvek::ui
