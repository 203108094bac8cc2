#include "Win32Comm.h"

namespace tarvek::serial
{
namespace
{

class SystemComm final : public Win32Comm
{
public:
    HANDLE createFile(const std::wstring &path) override
    {
        return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    }
    bool getCommState(HANDLE handle, DCB &dcb) override { return GetCommState(handle, &dcb); }
    bool setCommState(HANDLE handle, DCB &dcb) override { return SetCommState(handle, &dcb); }
    bool setCommTimeouts(HANDLE handle, COMMTIMEOUTS &timeouts) override
    {
        return SetCommTimeouts(handle, &timeouts);
    }
    bool writeFile(HANDLE handle, const char *bytes, DWORD count, DWORD &written) override
    {
        return WriteFile(handle, bytes, count, &written, nullptr);
    }
    bool clearCommError(HANDLE handle, DWORD &errors, COMSTAT &status) override
    {
        return ClearCommError(handle, &errors, &status);
    }
    void discardOutput(HANDLE handle) override { PurgeComm(handle, PURGE_TXABORT | PURGE_TXCLEAR); }
    void closeHandle(HANDLE handle) override { CloseHandle(handle); }
    DWORD lastError() override { return GetLastError(); }
    QString message(DWORD code) override
    {
        wchar_t *buffer = nullptr;
        const DWORD length =
            FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
        QString text = length != 0 ? QString::fromWCharArray(buffer, length).trimmed()
                                   : QStringLiteral("error %1").arg(code);
        LocalFree(buffer);
        return text;
    }
    ULONGLONG nowMs() override { return GetTickCount64(); }
    void sleepMs(DWORD ms) override { Sleep(ms); }
};

} // namespace

Win32Comm &systemComm()
{
    static SystemComm comm;
    return comm;
}

} // namespace tarvek::serial
