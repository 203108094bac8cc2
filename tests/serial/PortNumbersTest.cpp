// From the "Comm num:" text to a device: reading the number, ordering the
// system's ports, the TARVEK_COM<n> override and the failure texts, which
// name the ports there are when the one asked for is not.
#include "PortNumbers.h"
#include "SystemSerialPort.h"

#include <QMap>

#include "QtPrinters.h"
#include "ScopedVariable.h"

#include <gtest/gtest.h>

using namespace tarvek::serial;

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;

struct NumberCase {
    const char *name;
    const char *text;
    std::optional<int> expected;
};

class PortNumberText : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(PortNumberText, ReadsLikeANumericField)
{
    EXPECT_EQ(portNumberFromText(QString::fromLatin1(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PortNumberText,
    ::testing::Values(NumberCase{"Digit", "1", 1}, NumberCase{"UnfilledPosition", "_", 0},
                      NumberCase{"Empty", "", 0}, NumberCase{"TieToEven", "2.5", 2},
                      NumberCase{"TieUp", "3.5", 4}, NumberCase{"Negative", "-1", -1},
                      NumberCase{"Largest", "32767", 32767},
                      NumberCase{"Beyond16Bits", "32768", std::nullopt}),
    [](const auto &info) { return info.param.name; });

TEST(PortOrder, UsbAdaptersThenModemsThenOnBoardThenOthers)
{
    const QStringList found = {u"/dev/ttyS1"_s,   u"/dev/ttyACM0"_s, u"/dev/ttyUSB10"_s,
                               u"/dev/ttyUSB2"_s, u"/dev/ttyS0"_s,   u"/dev/ttyAMA0"_s,
                               u"/dev/ttyUSB0"_s};
    const QStringList expected = {u"/dev/ttyUSB0"_s, u"/dev/ttyUSB2"_s, u"/dev/ttyUSB10"_s,
                                  u"/dev/ttyACM0"_s, u"/dev/ttyS0"_s,   u"/dev/ttyS1"_s,
                                  u"/dev/ttyAMA0"_s};
    EXPECT_EQ(orderSerialPorts(found), expected);
}

struct MapCase {
    const char *name;
    int number;
    QStringList devices;
    QMap<QString, QString> environment;
    const char *device;
    const char *error;
};

class PortMapping : public ::testing::TestWithParam<MapCase>
{
};

TEST_P(PortMapping, FindsTheDeviceOrSaysWhyNot)
{
    const MapCase &c = GetParam();
    const PortLookup lookup = mapPortNumber(
        c.number, c.devices, [&c](const QString &name) { return c.environment.value(name); });
    EXPECT_EQ(lookup.device, QString::fromLatin1(c.device));
    EXPECT_EQ(lookup.reason, QString::fromLatin1(c.error));
    EXPECT_EQ(lookup.ok(), QString::fromLatin1(c.error).isEmpty());
}

#ifndef Q_OS_WIN
INSTANTIATE_TEST_SUITE_P(
    Rows, PortMapping,
    ::testing::Values(
        MapCase{"First", 1, {u"/dev/ttyUSB0"_s, u"/dev/ttyS0"_s}, {}, "/dev/ttyUSB0", ""},
        MapCase{"Second", 2, {u"/dev/ttyUSB0"_s, u"/dev/ttyS0"_s}, {}, "/dev/ttyS0", ""},
        MapCase{"Zero", 0, {u"/dev/ttyUSB0"_s}, {}, "", "Invalid port number"},
        MapCase{"Negative", -2, {u"/dev/ttyUSB0"_s}, {}, "", "Invalid port number"},
        MapCase{"BeyondTheList",
                3,
                {u"/dev/ttyUSB0"_s, u"/dev/ttyS0"_s},
                {},
                "",
                "No serial port 3: 2 ports found"},
        MapCase{"OnePortOnly", 2, {u"/dev/ttyS0"_s}, {}, "", "No serial port 2: 1 port found"},
        MapCase{"NoPorts", 1, {}, {}, "", "No serial port 1: 0 ports found"},
        MapCase{"Overridden", 2, {}, {{u"TARVEK_COM2"_s, u"/dev/pts/7"_s}}, "/dev/pts/7", ""},
        MapCase{"OverrideOfAnotherNumber",
                1,
                {u"/dev/ttyUSB0"_s},
                {{u"TARVEK_COM2"_s, u"/dev/pts/7"_s}},
                "/dev/ttyUSB0",
                ""},
        MapCase{"ZeroCannotBeOverridden",
                0,
                {},
                {{u"TARVEK_COM0"_s, u"/dev/pts/7"_s}},
                "",
                "Invalid port number"}),
    [](const auto &info) { return info.param.name; });
#else
// On Windows port N is COMN, whatever the system lists.
INSTANTIATE_TEST_SUITE_P(
    Rows, PortMapping,
    ::testing::Values(MapCase{"NumberIsTheComPort", 3, {}, {}, "COM3", ""},
                      MapCase{"BeyondTheListed", 12, {u"COM1"_s}, {}, "COM12", ""},
                      MapCase{"Zero", 0, {}, {}, "", "Invalid port number"},
                      MapCase{"Overridden", 2, {}, {{u"TARVEK_COM2"_s, u"COM7"_s}}, "COM7", ""}),
    [](const auto &info) { return info.param.name; });
#endif

#ifndef Q_OS_WIN // numbers counted in the system's order, and /dev paths
// A port that is not there, by its number or as a device: the failure names
// the ports there are and how a port gets its number. Other failures do not.
TEST(PortMapping, MissingPortNamesThePortsThereAre)
{
    std::vector<NumberedPort> there = {
        {1, {u"/dev/ttyUSB0"_s, u"CP2102 USB to UART Bridge Controller"_s, {}, {}}, false},
        {2, {u"/dev/pts/7"_s, {}, {}, {}}, true},
        {3, {u"/dev/ttyS0"_s, {}, {}, {}}, false}};
    const auto noEnvironment = [](const QString &) { return QString(); };
    const QString listed = u"The system reports: 1 = /dev/ttyUSB0 (CP2102 USB to UART Bridge "
                           u"Controller), 2 = /dev/pts/7 (TARVEK_COM2), 3 = /dev/ttyS0. Port "
                           u"numbers count USB adapters first, then USB modems, then on-board "
                           u"ports; the environment variable TARVEK_COM<n>, holding a device "
                           u"path, gives number n to any device."_s;
    const auto failureOf = [&](int number, const SystemSerialPort::Resolver &resolver) {
        SystemSerialPort port(resolver, 2000, [&] { return there; });
        if (const SerialResult chosen = port.setPortNumber(number); !chosen.ok())
            return chosen.reason;
        const SerialResult opened = port.open();
        EXPECT_FALSE(opened.ok());
        return opened.reason;
    };
    EXPECT_EQ(
        failureOf(4, [&](int n) { return mapPortNumber(n, {u"/dev/ttyS0"_s}, noEnvironment); }),
        u"No serial port 4: 1 port found. "_s + listed);
    const QString gone = failureOf(1, [](int) { return PortLookup{u"/dev/tarvek-gone"_s, {}}; });
    EXPECT_TRUE(gone.startsWith(u"No serial port /dev/tarvek-gone ("_s)) << gone.toStdString();
    EXPECT_TRUE(gone.endsWith(u"). "_s + listed)) << gone.toStdString();
    EXPECT_EQ(failureOf(0, {}), u"Invalid port number"_s);
    // An override naming a device the system does not report is not listed as a port.
    there[2] = {3, {u"/dev/tarvek-gone"_s, {}, {}, {}}, true, false};
    const auto goneDevice = [](int) { return PortLookup{u"/dev/tarvek-gone"_s, {}}; };
    EXPECT_TRUE(failureOf(3, goneDevice)
                    .contains(u"2 = /dev/pts/7 (TARVEK_COM2). TARVEK_COM3 names /dev/tarvek-gone, "
                              u"which the system does not report. Port numbers"_s));
    there.clear();
    EXPECT_TRUE(failureOf(4, [&](int n) { return mapPortNumber(n, {}, noEnvironment); })
                    .startsWith(u"No serial port 4: 0 ports found. The system reports no serial "
                                u"port. Port numbers count"_s));
}
#endif

TEST(PortMapping, ProcessEnvironmentOverrides)
{
    {
        const tarvek::testing::ScopedVariable port9("TARVEK_COM9", "/dev/pts/42");
        EXPECT_EQ(resolvePortNumber(9).device, u"/dev/pts/42"_s);
        EXPECT_EQ(describePortNumber(u"9"_s), u"/dev/pts/42"_s);
    }
    EXPECT_EQ(describePortNumber(u"_"_s), u"Invalid port number"_s);
}

} // namespace
} // namespace tarvek
