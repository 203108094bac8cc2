#pragma once
// The serial port as the upload uses it: choose a port by number, open it,
// ask whether it is open, write bytes, close it. Every operation that can
// fail returns its SerialResult, whose reason the upload passes on to the
// operator as it is.
#include "SerialResult.h"

#include <QByteArray>

namespace tarvek::serial
{

class SerialPort
{
public:
    virtual ~SerialPort() = default;

    // Chooses the port for the next open(); 1 is the first port. Numbers
    // below 1 are refused ("Invalid port number").
    [[nodiscard]] virtual SerialResult setPortNumber(int number) = 0;
    // Opens the chosen port for writing with the line settings of the port
    // object (4800 baud, 8 data bits, no parity, 1 stop bit).
    [[nodiscard]] virtual SerialResult open() = 0;
    virtual bool isOpen() const = 0;
    // Returns only when every byte has been handed to the operating system,
    // so that a pause after the call really separates bytes on the line.
    [[nodiscard]] virtual SerialResult write(const QByteArray &bytes) = 0;
    // Closing cannot fail; closing a port that is not open does nothing.
    virtual void close() = 0;
};

} // namespace tarvek::serial
