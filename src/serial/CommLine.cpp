#include "CommLine.h"

#include "PortDiagnosis.h"
#include "SerialErrorTexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <future>
#include <utility>

namespace tarvek::serial
{
namespace
{

constexpr DWORD kBaudRate = 4800;
constexpr ULONGLONG kBitsPerByte = 10; // start, 8 data, stop
// The longest sleep while the driver's queue drains, so that the caller's
// pause starts soon after the last byte.
constexpr ULONGLONG kLongestPollMs = 20;
// The flow-control characters: unused (no XON/XOFF), but SetCommState
// refuses a DCB in which they are equal, and some drivers hand out one with
// both at 0.
constexpr char kXon = 0x11;
constexpr char kXoff = 0x13;

// COM1..COM9 open by name, COM10 and up only through the device namespace,
// which serves every port; a path the user gave (TARVEK_COM<n>) is kept.
QString devicePath(const QString &device)
{
    if (device.startsWith(QLatin1String("\\\\")))
        return device;
    return QStringLiteral("\\\\.\\") + device;
}

// Before the port is open, "access denied" is Windows' answer for a port
// that another program holds. The system's words come first, then the cause
// and the remedy where Device Manager tells them.
QString openFailure(DWORD code, const QString &device, const QString &reason)
{
    const auto withCause = [&](const QString &failure, OpenFailure kind) {
        return texts::withCause(failure, diagnoseOpenFailure(kind, device, *systemPortFacts()));
    };
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return texts::noSuchPort(device, reason);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return withCause(texts::portInUse(device, reason), OpenFailure::Busy);
    default:
        return withCause(texts::cannotOpen(device, reason), OpenFailure::Other);
    }
}

// Once the port is open, USB-serial drivers answer with these codes after
// the adapter was pulled out; ERROR_ACCESS_DENIED is the commonest.
bool meansAdapterGone(DWORD code)
{
    switch (code) {
    case ERROR_ACCESS_DENIED:
    case ERROR_BAD_COMMAND:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEVICE_REMOVED:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_GEN_FAILURE:
    case ERROR_OPERATION_ABORTED:
        return true;
    default:
        return false;
    }
}

// 4800 baud, 8 data bits, no parity, 1 stop bit, no flow control. DTR and RTS
// are raised, as a POSIX system does when it opens a port.
void applyLineSettings(DCB &dcb)
{
    dcb.BaudRate = kBaudRate;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    dcb.XonChar = kXon;
    dcb.XoffChar = kXoff;
    // Reserved: zero, whatever the driver handed out.
    dcb.fDummy2 = 0;
    dcb.wReserved = 0;
    dcb.wReserved1 = 0;
}

bool hasLineSettings(const DCB &dcb)
{
    return dcb.BaudRate == kBaudRate && dcb.ByteSize == 8 && dcb.Parity == NOPARITY &&
           dcb.StopBits == ONESTOPBIT && !dcb.fOutxCtsFlow && !dcb.fOutxDsrFlow && !dcb.fOutX &&
           !dcb.fInX;
}

// Opening a Bluetooth port whose device is out of reach takes Windows many
// seconds. The call runs on a thread of its own meanwhile, and the program's
// windows go on repainting; what the user types waits until it returns.
template <typename Call> auto whileRepainting(Call call)
{
    auto result = std::async(std::launch::async, call);
    while (result.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return result.get();
}

} // namespace

ULONGLONG lineTimeMs(qsizetype bytes)
{
    const auto bits = static_cast<ULONGLONG>(bytes) * kBitsPerByte * 1000;
    return (bits + kBaudRate - 1) / kBaudRate;
}

CommLine::CommLine(Win32Comm &comm) : m_comm(comm)
{
}

CommLine::~CommLine()
{
    close();
}

SerialResult CommLine::open(const QString &device)
{
    m_device = device;
    // Nothing is ever read from the tracker, but the line settings can only
    // be read back through a handle with read access. No sharing: the port
    // is this program's while it is open.
    const std::wstring path = devicePath(device).toStdWString();
    // The last error belongs to the thread that made the call, so it is read
    // there, with the handle.
    const auto [handle, code] = whileRepainting([this, &path] {
        const HANDLE opened = m_comm.createFile(path);
        return std::pair{opened, opened == INVALID_HANDLE_VALUE ? m_comm.lastError() : DWORD{0}};
    });
    if (handle == INVALID_HANDLE_VALUE)
        return {openFailure(code, device, m_comm.message(code))};
    m_handle = handle;
    SerialResult configured = configureLine();
    if (!configured.ok())
        close();
    return configured;
}

// A driver that silently changed a setting would send garbage, so the
// settings are read back after they are set.
SerialResult CommLine::configureLine()
{
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!m_comm.getCommState(m_handle, dcb))
        return {texts::cannotOpen(m_device, m_comm.message(m_comm.lastError()))};
    applyLineSettings(dcb);
    if (!m_comm.setCommState(m_handle, dcb))
        return {texts::refusesLineSettings(m_device, m_comm.message(m_comm.lastError()))};
    DCB applied{};
    applied.DCBlength = sizeof(applied);
    if (!m_comm.getCommState(m_handle, applied))
        return {texts::cannotOpen(m_device, m_comm.message(m_comm.lastError()))};
    if (!hasLineSettings(applied))
        return {texts::refusesLineSettings(m_device)};
    return {};
}

bool CommLine::isOpen() const
{
    return m_handle != INVALID_HANDLE_VALUE;
}

QString CommLine::writeFailure(DWORD code)
{
    if (code == ERROR_SEM_TIMEOUT) // some drivers' word for a write time-out
        return texts::writeTimedOut(m_device);
    const QString reason = m_comm.message(code);
    return meansAdapterGone(code) ? texts::portGone(m_device, reason)
                                  : texts::cannotWrite(m_device, reason);
}

// A write that failed leaves nothing queued: the driver would otherwise go
// on sending a piece of the frame after the error has been shown.
SerialResult CommLine::write(const QByteArray &bytes, int marginMs)
{
    SerialResult result = writeWithin(bytes, marginMs);
    if (!result.ok())
        m_comm.discardOutput(m_handle);
    return result;
}

// WriteFile returns when the driver has taken the bytes, or with fewer taken
// when its time-out has passed; each call gets only what is left of the
// deadline, so a driver that takes a few bytes at a time cannot stretch it.
SerialResult CommLine::writeWithin(const QByteArray &bytes, int marginMs)
{
    const ULONGLONG deadline =
        m_comm.nowMs() + lineTimeMs(bytes.size()) + static_cast<ULONGLONG>(std::max(marginMs, 0));
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ULONGLONG now = m_comm.nowMs();
        if (now >= deadline)
            return {texts::writeTimedOut(m_device)};
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = MAXDWORD;
        timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(deadline - now);
        if (!m_comm.setCommTimeouts(m_handle, timeouts))
            return {writeFailure(m_comm.lastError())};
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(bytes.size() - sent);
        if (!m_comm.writeFile(m_handle, bytes.constData() + sent, chunk, written))
            return {writeFailure(m_comm.lastError())};
        if (written == 0)
            return {texts::writeTimedOut(m_device)};
        sent += written;
    }
    return waitUntilSent(deadline);
}

// The driver may still hold the bytes (USB adapters take them at once): its
// output queue is watched until it is empty, so that the caller's pause
// starts after the last byte. FlushFileBuffers would wait as well, but
// without any time-out, and a wedged adapter would hang the program.
SerialResult CommLine::waitUntilSent(ULONGLONG deadline)
{
    for (;;) {
        DWORD errors = 0;
        COMSTAT status{};
        if (!m_comm.clearCommError(m_handle, errors, status))
            return {writeFailure(m_comm.lastError())};
        if (status.cbOutQue == 0)
            return {};
        const ULONGLONG now = m_comm.nowMs();
        if (now >= deadline)
            return {texts::writeTimedOut(m_device)};
        const ULONGLONG wait = std::min(
            {deadline - now, std::max<ULONGLONG>(lineTimeMs(status.cbOutQue), 1), kLongestPollMs});
        m_comm.sleepMs(static_cast<DWORD>(wait));
    }
}

void CommLine::close()
{
    if (m_handle == INVALID_HANDLE_VALUE)
        return;
    m_comm.closeHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

} // namespace tarvek::serial
