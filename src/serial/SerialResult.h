#pragma once
// The outcome of an operation on a serial port, from the system's device up
// to the upload: `reason` is empty when it worked, otherwise the text the
// operator reads (SerialErrorTexts.h), passed up unchanged.
#include <QString>

namespace tarvek::serial
{

struct SerialResult {
    QString reason;

    bool ok() const { return reason.isEmpty(); }
};

} // namespace tarvek::serial
