#pragma once
// The Win32 calls the serial line makes, behind a small interface so that a
// test can answer each call and feed every error a driver may return.
// systemComm() makes the real calls. Windows only.
#include <QString>

#include <string>
#include <windows.h>

namespace tarvek::serial
{

class Win32Comm
{
public:
    virtual ~Win32Comm() = default;

    // CreateFileW for reading and writing, unshared, of an existing device.
    virtual HANDLE createFile(const std::wstring &path) = 0;
    virtual bool getCommState(HANDLE handle, DCB &dcb) = 0;
    virtual bool setCommState(HANDLE handle, DCB &dcb) = 0;
    virtual bool setCommTimeouts(HANDLE handle, COMMTIMEOUTS &timeouts) = 0;
    virtual bool writeFile(HANDLE handle, const char *bytes, DWORD count, DWORD &written) = 0;
    virtual bool clearCommError(HANDLE handle, DWORD &errors, COMSTAT &status) = 0;
    // PurgeComm: drops what the driver still holds to send.
    virtual void discardOutput(HANDLE handle) = 0;
    virtual void closeHandle(HANDLE handle) = 0;
    // GetLastError after a call that failed.
    virtual DWORD lastError() = 0;
    // The system's text for an error code.
    virtual QString message(DWORD code) = 0;
    // A monotonic clock in milliseconds, and a sleep on it.
    virtual ULONGLONG nowMs() = 0;
    virtual void sleepMs(DWORD ms) = 0;
};

Win32Comm &systemComm();

} // namespace tarvek::serial
