// SEND from click to message: the block build, the upload into the
// information dialog, the two kinds of failure box, and the SEND button.
#include "FakeMessagePresenter.h"
#include "Frames.h"
#include "InfoDialog.h"
#include "MessagePresenter.h"
#ifndef Q_OS_WIN
#include "PtyPair.h"
#endif
#include "QtPrinters.h"
#include "RecordingPort.h"
#include "ScopedVariable.h"
#include "SendCommand.h"
#include "SystemSerialPort.h"
#include "TrackerSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#ifndef Q_OS_WIN
#include <QSerialPort>
#endif
#include <QSpontaneKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvek::config;
using namespace tarvek::serial;

namespace tarvek::ui
{
namespace
{

using namespace Qt::StringLiterals;
using testing::FakeMessagePresenter;
#ifndef Q_OS_WIN
using testing::PtyPair;
#endif
using testing::RecordingPort;
using testing::ShownMessage;

// SEND's button and the dialog as a box was shown.
struct WhileShown {
    bool sendEnabled;
    bool dialogVisible;
};

// The main window's part in SEND, with recording doubles around it.
class SendFixture : public ::testing::Test
{
protected:
    SendFixture()
    {
        loadDefaults(settings);
        hooks.sleep = [this](int ms) {
            log << u"sleep %1"_s.arg(ms);
            sendEnabledDuringUpload = sendEnabledDuringUpload || cmdSend->isEnabled();
            portOpenDuringUpload = portOpenDuringUpload || usedPort->isOpen();
        };
        hooks.processEvents = [this] {
            log << u"events"_s;
            QCoreApplication::processEvents();
        };
        presenter.whileShown = [this] {
            log << u"box"_s;
            whileShown.append({cmdSend->isEnabled(), dialog->isVisible()});
        };
    }

    SendCommand &command(SerialPort *port = nullptr)
    {
        if (!m_command) {
            usedPort = port ? port : &recordingPort;
            m_command = std::make_unique<SendCommand>(SendCommand::Parts{.settings = settings,
                                                                         .sendButton = cmdSend,
                                                                         .dialog = dialog,
                                                                         .port = *usedPort,
                                                                         .messages = presenter,
                                                                         .owner = &owner});
            m_command->setHooks(hooks);
        }
        return *m_command;
    }

    QStringList log;
    QWidget owner;
    QPushButton *cmdSend = new QPushButton(u"SEND"_s, &owner);
    InfoDialog *dialog = new InfoDialog(&owner);
    TrackerSettings settings;
    RecordingPort recordingPort{log};
    SerialPort *usedPort = &recordingPort; // the port the command was given
    FakeMessagePresenter presenter;
    QList<WhileShown> whileShown;
    UploadHooks hooks;
    bool sendEnabledDuringUpload = false;
    bool portOpenDuringUpload = false;

private:
    std::unique_ptr<SendCommand> m_command;
};

TEST_F(SendFixture, SuccessfulSendShowsTheResultInTheDialog)
{
    ASSERT_TRUE(settings.port.setText(u"2"_s));
    command().run();

    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_EQ(log.mid(0, 3), QStringList({u"events"_s, u"port 2"_s, u"open"_s}));
    QByteArray sent;
    for (const QByteArray &bytes : recordingPort.written)
        sent += bytes;
    EXPECT_EQ(sent, buildWire(command().block()));
    EXPECT_EQ(command().block()[offset::kTxDelay], 30); // the member holds the block just built
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->infoLabel()->text(),
              u"Data sent !\r\n Be shure that the word '*OK*' appears on LCD"_s);
    EXPECT_FALSE(dialog->okButton()->isHidden());
    EXPECT_FALSE(sendEnabledDuringUpload);
    EXPECT_TRUE(portOpenDuringUpload);
    EXPECT_TRUE(cmdSend->isEnabled());
    EXPECT_FALSE(usedPort->isOpen());
}

TEST_F(SendFixture, RejectedSettingsNeverTouchThePort)
{
    ASSERT_TRUE(settings.messageRetries.setText(u"999"_s));
    command().run();

    EXPECT_EQ(log, QStringList({u"events"_s, u"box"_s}));
    ASSERT_EQ(presenter.shown.size(), 1);
    const ShownMessage &box = presenter.shown.first();
    EXPECT_EQ(box.title, u"Invio non eseguito - Tarvek"_s);
    EXPECT_EQ(box.text, u"Parametri incompleti o non corretti"_s);
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_FALSE(whileShown.first().sendEnabled);
    EXPECT_FALSE(whileShown.first().dialogVisible);
    EXPECT_TRUE(cmdSend->isEnabled());
    EXPECT_EQ(settings.txDelay.text(), u"200"_s); // normalised before the failure
}

struct SerialFailure {
    const char *name;
    const char *failAt;
    const char *description;
    bool dialogVisible;
    const char *dialogText;
};

class SendSerialFailure : public SendFixture, public ::testing::WithParamInterface<SerialFailure>
{
};

// The serial layer's description in a box titled "TARVEK" without icon; the
// dialog keeps its progress text without OK; the port ends closed.
TEST_P(SendSerialFailure, ShowsTheDescriptionAndClosesThePort)
{
    const SerialFailure &c = GetParam();
    recordingPort.failAt = QString::fromLatin1(c.failAt);
    if (recordingPort.failAt == u"zero"_s) {
        ASSERT_TRUE(settings.port.setText(u"0"_s));
    }
    command().run();

    ASSERT_EQ(presenter.shown.size(), 1);
    const ShownMessage &box = presenter.shown.first();
    EXPECT_EQ(box.title, u"TARVEK"_s);
    EXPECT_EQ(box.text, QString::fromLatin1(c.description));
    EXPECT_EQ(box.icon, MessageIcon::None);
    EXPECT_FALSE(whileShown.first().sendEnabled);
    EXPECT_EQ(whileShown.first().dialogVisible, c.dialogVisible);
    EXPECT_EQ(dialog->isVisible(), c.dialogVisible);
    if (c.dialogVisible) {
        EXPECT_EQ(dialog->infoLabel()->text(), QString::fromUtf8(c.dialogText));
        EXPECT_TRUE(dialog->okButton()->isHidden());
    }
    EXPECT_FALSE(usedPort->isOpen());
    EXPECT_TRUE(cmdSend->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SendSerialFailure,
    ::testing::Values(SerialFailure{"PortZero", "zero", "Invalid port number", false, ""},
                      SerialFailure{"InUse", "open",
                                    "Serial port /dev/x is in use by another program", false, ""},
                      SerialFailure{"GoneAfterFrame1", "write3", "Serial port /dev/x is gone", true,
                                    "\r\nSending data on COM1....."}),
    [](const auto &info) { return info.param.name; });

// A port that reports closed right after opening ends SEND without a box:
// nothing is written and the dialog never appears.
TEST_F(SendFixture, PortClosedRightAfterOpeningEndsWithoutAMessage)
{
    recordingPort.staysClosed = true;
    command().run();

    EXPECT_TRUE(presenter.shown.isEmpty()) << presenter.lines().join(u'\n').toStdString();
    EXPECT_TRUE(recordingPort.written.isEmpty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(cmdSend->isEnabled());
}

TEST_F(SendFixture, DialogClosedWithItsCloseBoxComesBackOnTheNextSend)
{
    command().run();
    ASSERT_TRUE(dialog->isVisible());
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::instance()->notify(dialog, &event); // sendEvent would clear the flag
    ASSERT_FALSE(dialog->isVisible());

    command().run();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(recordingPort.written.size(), 8);
}

// The real box shows the serial layer's description as plain text: a device
// path holding tags shows them, and so does the program's own "TARVEK_COM<n>".
TEST_F(SendFixture, SerialErrorBoxShowsQuotedMarkupAsCharacters)
{
    const QByteArray tagged = "/tmp/<b>BOLD</b><br><font color=red size=6>Reinstall</font>";
    const testing::ScopedVariable port1("TARVEK_COM1", tagged);
    SystemSerialPort port;
    QtMessagePresenter boxes;
    SendCommand send(SendCommand::Parts{.settings = settings,
                                        .sendButton = cmdSend,
                                        .dialog = dialog,
                                        .port = port,
                                        .messages = boxes,
                                        .owner = &owner});
    send.setHooks(hooks);
    Qt::TextFormat format = Qt::AutoText;
    QString label;
    QTimer whileShown; // reads the box once it is up, then closes it
    QObject::connect(&whileShown, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        format = box->textFormat();
        label = box->findChild<QLabel *>(u"qt_msgbox_label"_s)->text();
        box->accept();
    });
    whileShown.start(10);
    send.run();

    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_TRUE(label.contains(QString::fromLatin1(tagged))) << qPrintable(label);
    EXPECT_TRUE(label.contains(u"TARVEK_COM<n>"_s)) << qPrintable(label);
}

#ifndef Q_OS_WIN // pseudo-terminals and QSerialPort: Linux-only
// A real pseudo-terminal that another program already holds: the open fails
// with the serial layer's description, and the dialog never appears.
TEST_F(SendFixture, PortHeldByAnotherProgram)
{
    PtyPair pty;
    ASSERT_TRUE(pty.isValid());
    const QString device = pty.device();
    QSerialPort other(device);
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    SystemSerialPort port([device](int) { return PortLookup{device, QString()}; });

    command(&port).run();

    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(presenter.shown.first().title, u"TARVEK"_s);
    EXPECT_EQ(presenter.shown.first().icon, MessageIcon::None);
    EXPECT_TRUE(presenter.shown.first().text.contains(u"in use by another program"_s));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(cmdSend->isEnabled());
}
#endif

} // namespace
} // namespace tarvek::ui
