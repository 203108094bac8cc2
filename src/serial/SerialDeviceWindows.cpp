// The serial device on Windows: \\.\COMn through the Win32 communications
// API. Windows opens a port for one program at a time, so a port another
// program holds fails to open with "access denied".
#include "SerialDevice.h"
#include "SerialErrorTexts.h"

#include <windows.h>

namespace tarvek::serial
{
namespace
{

constexpr DWORD kBaudRate = 4800;
// What a byte takes on the line at 4800 baud (10 bits, about 2.1 ms), with
// room to spare; the write's own timeout comes on top.
constexpr DWORD kWriteMsPerByte = 3;

// The system's text for a Win32 error code.
QString systemMessage(DWORD code)
{
    wchar_t *buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    QString text = length != 0 ? QString::fromWCharArray(buffer, length).trimmed()
                               : QStringLiteral("error %1").arg(code);
    LocalFree(buffer);
    return text;
}

// COM1..COM9 open by name, COM10 and up only through the device namespace,
// which serves every port; a path the user gave (TARVEK_COM<n>) is kept.
QString devicePath(const QString &device)
{
    if (device.startsWith(QLatin1String("\\\\")))
        return device;
    return QStringLiteral("\\\\.\\") + device;
}

QString openFailure(DWORD code, const QString &device)
{
    const QString reason = systemMessage(code);
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return texts::noSuchPort(device, reason);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return texts::portInUse(device, reason);
    default:
        return texts::cannotOpen(device, reason);
    }
}

QString writeFailure(DWORD code, const QString &device)
{
    switch (code) {
    case ERROR_BAD_COMMAND:
    case ERROR_DEVICE_REMOVED:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_GEN_FAILURE:
    case ERROR_OPERATION_ABORTED:
        return texts::portGone(device, systemMessage(code));
    default:
        return texts::cannotWrite(device, systemMessage(code));
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
}

bool hasLineSettings(const DCB &dcb)
{
    return dcb.BaudRate == kBaudRate && dcb.ByteSize == 8 && dcb.Parity == NOPARITY &&
           dcb.StopBits == ONESTOPBIT && !dcb.fOutxCtsFlow && !dcb.fOutxDsrFlow && !dcb.fOutX &&
           !dcb.fInX;
}

// A driver that silently changed a setting would send garbage, so the
// settings are read back after they are set.
bool configureLine(HANDLE handle)
{
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(handle, &dcb))
        return false;
    applyLineSettings(dcb);
    DCB applied{};
    applied.DCBlength = sizeof(applied);
    return SetCommState(handle, &dcb) && GetCommState(handle, &applied) && hasLineSettings(applied);
}

} // namespace

struct SerialDevice::Handle {
    HANDLE handle = INVALID_HANDLE_VALUE;
};

SerialDevice::SerialDevice() : m_handle(std::make_unique<Handle>())
{
}

SerialDevice::~SerialDevice()
{
    close();
}

std::optional<QString> SerialDevice::open(const QString &device)
{
    m_device = device;
    const std::wstring path = devicePath(device).toStdWString();
    // Nothing is ever read from the tracker, but the line settings can only
    // be read back through a handle with read access. No sharing: the port
    // is this program's while it is open.
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return openFailure(GetLastError(), device);
    m_handle->handle = handle;
    if (!configureLine(handle)) {
        close();
        return texts::refusesLineSettings(device);
    }
    return std::nullopt;
}

bool SerialDevice::isOpen() const
{
    return m_handle->handle != INVALID_HANDLE_VALUE;
}

// WriteFile returns when the driver has taken the bytes, or when the write
// timeout has passed; FlushFileBuffers then waits until the driver has sent
// them, so that the caller's pause starts after the last byte.
std::optional<QString> SerialDevice::write(const QByteArray &bytes, int timeoutMs)
{
    const HANDLE handle = m_handle->handle;
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.WriteTotalTimeoutMultiplier = kWriteMsPerByte;
    timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(timeoutMs);
    if (!SetCommTimeouts(handle, &timeouts))
        return writeFailure(GetLastError(), m_device);
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(bytes.size() - sent);
        if (!WriteFile(handle, bytes.constData() + sent, chunk, &written, nullptr))
            return writeFailure(GetLastError(), m_device);
        if (written == 0)
            return texts::writeTimedOut(m_device);
        sent += written;
    }
    if (!FlushFileBuffers(handle))
        return writeFailure(GetLastError(), m_device);
    return std::nullopt;
}

void SerialDevice::close()
{
    if (m_handle->handle == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(m_handle->handle);
    m_handle->handle = INVALID_HANDLE_VALUE;
}

} // namespace tarvek::serial
