#pragma once
// The names udev gives serial devices in a folder of links such as
// /dev/serial/by-id, where each USB serial device has a name made of its
// maker, product and serial number that stays the same when it is plugged
// into another socket (usb-FTDI_FT232R_USB_UART_A601EZ8X-if00-port0).
// Linux only.
#include <QMap>
#include <QString>

namespace tarvek::serial
{

// The links in `folder` by the device each one names: canonical device path
// -> the link's path in `folder`. Links to nothing are left out; of two links
// to one device, the first by name.
QMap<QString, QString> deviceLinks(const QString &folder);

// Where udev keeps the serial devices' stable names.
inline constexpr QLatin1StringView kSerialByIdFolder{"/dev/serial/by-id"};

} // namespace tarvek::serial
