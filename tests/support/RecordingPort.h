#pragma once
// Test doubles for the upload: a serial port and a progress view that write
// every call into one shared log, so a test sees the exact order of port
// operations, pauses, event processing and dialog updates. The port can be
// told to fail at any one operation.
#include "SerialPort.h"
#include "Upload.h"

#include <QString>
#include <QStringList>

namespace tarvek::testing
{

class RecordingPort final : public serial::SerialPort
{
public:
    explicit RecordingPort(QStringList &log) : m_log(log) {}
    // A port with a log of its own, for a test that only opens and closes it.
    RecordingPort() : m_log(m_ownLog) {}

    // The operation that fails: "port", "open", "write1" to "write4".
    QString failAt;
    // open() succeeds but the port then reports closed.
    bool staysClosed = false;
    QList<QByteArray> written;
    const QStringList &log() const { return m_log; }

    serial::SerialResult setPortNumber(int number) override
    {
        m_log << QStringLiteral("port %1").arg(number);
        if (number < 1)
            return {QStringLiteral("Invalid port number")};
        return failAt == QLatin1String("port")
                   ? serial::SerialResult{QStringLiteral("port refused")}
                   : serial::SerialResult{};
    }
    serial::SerialResult open() override
    {
        m_log << QStringLiteral("open");
        if (failAt == QLatin1String("open"))
            return {QStringLiteral("Serial port /dev/x is in use by another program")};
        m_open = !staysClosed;
        return {};
    }
    bool isOpen() const override { return m_open; }
    serial::SerialResult write(const QByteArray &bytes) override
    {
        m_log << QStringLiteral("write %1").arg(bytes.size());
        if (!m_open)
            return {QStringLiteral("not open")};
        written << bytes;
        if (failAt == QStringLiteral("write%1").arg(written.size()))
            return {QStringLiteral("Serial port /dev/x is gone")};
        return {};
    }
    void close() override
    {
        m_log << QStringLiteral("close");
        m_open = false;
    }

private:
    QStringList m_ownLog;
    QStringList &m_log;
    bool m_open = false;
};

class RecordingView final : public serial::UploadView
{
public:
    explicit RecordingView(QStringList &log) : m_log(log) {}

    QString text;
    bool okVisible = true;
    bool shown = false;

    void setInfoText(const QString &t) override
    {
        m_log << QStringLiteral("text ") + t;
        text = t;
    }
    void appendInfoText(const QString &t) override
    {
        m_log << QStringLiteral("append ") + t;
        text += t;
    }
    void setOkVisible(bool visible) override
    {
        m_log << (visible ? QStringLiteral("ok shown") : QStringLiteral("ok hidden"));
        okVisible = visible;
    }
    void showNonModal() override
    {
        m_log << QStringLiteral("show");
        shown = true;
    }

private:
    QStringList &m_log;
};

// Pauses and event processing that only write to the log.
inline serial::UploadHooks RecordingHooks(QStringList &log)
{
    return {[&log](int ms) { log << QStringLiteral("sleep %1").arg(ms); },
            [&log] { log << QStringLiteral("events"); }};
}

} // namespace tarvek::testing
