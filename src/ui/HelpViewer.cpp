#include "HelpViewer.h"

#include "MessagePresenter.h"
#include "RtfDocumentBuilder.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>

#include <cmath>

namespace tarvek::ui
{

namespace
{

// Whole number nearest to value, an exact half going to the even neighbour.
int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode is to-even
}

} // namespace

HelpViewer::HelpViewer(MessagePresenter &messages) : QWidget(nullptr), m_messages(messages)
{
    setObjectName(QStringLiteral("frmIstruzioni"));
    setWindowTitle(QStringLiteral("Istruzioni:"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    const double dpi = logicalDpi();
    resize(TwipsSize(kClientWidthTwips, kClientHeightTwips, dpi));
    rtfIstruzioni = new QTextEdit(this);
    rtfIstruzioni->setObjectName(QStringLiteral("rtfIstruzioni"));
    rtfIstruzioni->setReadOnly(true);
    rtfIstruzioni->setTextInteractionFlags(Qt::TextBrowserInteraction);
    rtfIstruzioni->setGeometry(TwipsRect(0, 0, kBoxWidthTwips, kBoxHeightTwips, dpi));
    Form_Load();
}

void HelpViewer::Apri(const QString &NFileIstruzioni, const QString &Titolo)
{
    m_helpFileName = NFileIstruzioni;
    setWindowTitle(QLatin1Char(' ') + Titolo);
    const bool wasActive = isVisible() && isActiveWindow();
    show();
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    // An activation event only comes when the window was not active already.
    if (wasActive)
        Form_Activate();
}

bool HelpViewer::FileExists(const QString &name)
{
    const QFileInfo info(name);
    return info.exists() && !info.isDir();
}

QSize HelpViewer::TextBoxSize(QSize windowSize, double logicalDpi)
{
    const QSize frame = TwipsSize(kFrameWidthTwips, kFrameHeightTwips, logicalDpi);
    return QSize(std::max(1, windowSize.width() - frame.width()),
                 std::max(1, windowSize.height() - frame.height()));
}

bool HelpViewer::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::WindowActivate:
        m_frameSettled = true;
        Form_Activate();
        break;
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        CentreOnceFramed(event->type() == QEvent::Show);
        break;
    default:
        break;
    }
    return handled;
}

// Form_Load centres the whole window, frame included, but a frame exists only
// once the window system has given it one: at the first showing, or shortly
// after it under a window manager. The centring is done again then, and stops
// once the frame is known or the window has become active (after that a move
// is the operator's).
void HelpViewer::CentreOnceFramed(bool shown)
{
    if (m_frameSettled || !isVisible())
        return;
    const bool framed = frameGeometry().size() != size();
    if (shown || framed)
        Form_Load();
    m_frameSettled = framed;
}

void HelpViewer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void HelpViewer::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void HelpViewer::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!m_unloaded) {
        m_unloaded = true;
        Q_EMIT unloaded();
    }
}

void HelpViewer::Form_Load()
{
    // Centred on the screen; when there is no screen the window stays where it is.
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize window = frameGeometry().size();
    move(area.left() + roundHalfEven((area.width() - window.width()) / 2.0),
         area.top() + roundHalfEven((area.height() - window.height()) / 2.0));
}

void HelpViewer::Form_Activate()
{
    if (m_activating || m_unloaded)
        return;
    m_activating = true;
    if (FileExists(m_helpFileName)) {
        LoadHelpFile();
    } else {
        // The box runs its own loop, in which the main window may unload the
        // viewer; its deletion then waits for this handler (deleteWhenIdle).
        const QPointer<HelpViewer> alive(this);
        m_messages.showMessage(this, QStringLiteral("Tarvek"),
                               QStringLiteral("Manca il file di help ") + m_helpFileName,
                               MessageIcon::Critical);
        if (!alive)
            return;
        if (!m_unloaded)
            Unload();
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

void HelpViewer::Form_Resize()
{
    if (isMinimized() || !rtfIstruzioni)
        return;
    rtfIstruzioni->setGeometry(QRect(QPoint(0, 0), TextBoxSize(wholeWindowSize(), logicalDpi())));
}

void HelpViewer::LoadHelpFile()
{
    QFile file(m_helpFileName);
    QScrollBar *scroll = rtfIstruzioni->verticalScrollBar();
    const int position = scroll->value();
    if (!file.open(QIODevice::ReadOnly)) {
        rtfIstruzioni->setPlainText(m_helpFileName + QStringLiteral(": ") + file.errorString());
        return;
    }
    const QByteArray content = file.read(kMaxHelpFileBytes);
    LoadRtfIntoDocument(content, *rtfIstruzioni->document());
    // Reloading keeps the operator's place in the manual.
    scroll->setValue(position);
}

void HelpViewer::Unload()
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
    return size() + TwipsSize(kFrameWidthTwips, kFrameHeightTwips, logicalDpi());
}

} // namespace tarvek::ui
