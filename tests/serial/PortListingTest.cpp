// What the port list says of each port: udev's stable name from a folder of
// links (a fake /dev tree), the override that names a port by that link, and
// the parts of a port's description.
#include "PortListing.h"
#ifndef Q_OS_WIN
#include "DeviceLinks.h"
#endif

#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarvek::serial;

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;

#ifndef Q_OS_WIN // udev's links
// A /dev of its own: two adapters, by-id links to them as udev makes them
// (relative), a link whose device is gone and a plain file.
TEST(DeviceLinks, NameEachDeviceByItsLink)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir dev(root.path());
    ASSERT_TRUE(dev.mkpath(u"serial/by-id"_s));
    for (const QString &device : {u"ttyUSB0"_s, u"ttyUSB1"_s, u"ttyS0"_s}) {
        QFile node(dev.filePath(device));
        ASSERT_TRUE(node.open(QIODevice::WriteOnly));
    }
    const QString byId = dev.filePath(u"serial/by-id"_s);
    const auto link = [&](const QString &target, const QString &name) {
        ASSERT_TRUE(QFile::link(target, byId + u'/' + name));
    };
    link(u"../../ttyUSB1"_s, u"usb-Silicon_Labs_CP2102_0001-if00-port0"_s);
    link(u"../../ttyUSB0"_s, u"usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"_s);
    link(u"../../ttyUSB0"_s, u"usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0-alias"_s);
    link(u"../../ttyUSB7"_s, u"usb-gone-if00-port0"_s);
    QFile plain(byId + u"/README"_s);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));

    const QString canonicalDev = QDir(dev.canonicalPath()).path();
    const QMap<QString, QString> expected = {
        {canonicalDev + u"/ttyUSB0"_s, byId + u"/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"_s},
        {canonicalDev + u"/ttyUSB1"_s, byId + u"/usb-Silicon_Labs_CP2102_0001-if00-port0"_s},
    };
    EXPECT_EQ(deviceLinks(byId), expected);
    EXPECT_TRUE(deviceLinks(dev.filePath(u"serial/by-path"_s)).isEmpty()); // no such folder
}
#endif

#ifndef Q_OS_WIN // /dev/serial/by-id and /dev/tty* numbering: Linux only
// README's advice: TARVEK_COM<n> holding the adapter's by-id link keeps its
// number across replugging; the list then knows the adapter behind it.
TEST(PortListing, OverrideByStableLinkCarriesThePortsDetails)
{
    const QString link = u"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"_s;
    const std::vector<SystemPort> system = {
        {u"/dev/ttyUSB0"_s, u"FT232R USB UART"_s, u"FTDI"_s, u"A50285BI"_s, link},
        {u"/dev/ttyS0"_s, {}, {}, {}},
    };
    const std::vector<NumberedPort> ports =
        numberPorts(system, {{3, link}, {4, u"/dev/serial/by-id/usb-unplugged"_s}});
    ASSERT_EQ(ports.size(), 4U);
    EXPECT_EQ(ports[2], (NumberedPort{3, system[0], true, true}));
    EXPECT_EQ(ports[3].port.device, u"/dev/serial/by-id/usb-unplugged"_s);
    EXPECT_FALSE(ports[3].reported);
}
#endif

TEST(PortListing, DetailsAreThePartsThePortHas)
{
    const QString link = u"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"_s;
    const struct {
        NumberedPort port;
        QStringList details;
    } rows[] = {
        {{1, {u"/dev/ttyUSB0"_s, u"FT232R USB UART"_s, u"FTDI"_s, u"A50285BI"_s, link}},
         {u"FT232R USB UART"_s, u"maker FTDI"_s, u"serial number A50285BI"_s, link}},
        {{2, {u"/dev/ttyS0"_s, {}, {}, {}}}, {}},
        {{7, {u"/dev/pts/3"_s, {}, {}, {}}, true, false}, {u"set by TARVEK_COM7"_s}},
        {{5, {u"COM5"_s, u"USB-SERIAL CH340 (COM5)"_s, u"wch.cn"_s, {}}},
         {u"USB-SERIAL CH340 (COM5)"_s, u"maker wch.cn"_s}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(portDetails(row.port), row.details) << row.port.number;
}

} // namespace
} // namespace tarvek
