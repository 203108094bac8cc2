// Why a port can't be reached, worked out from what the system says: the
// facts are given by hand, as a machine with that trouble would give them.
#include "PortDiagnosis.h"
#include "PortSurvey.h"

#include <QMap>

#include <gtest/gtest.h>

using namespace tarvek::serial;

namespace tarvek
{
namespace
{

using namespace Qt::StringLiterals;

struct FakeFacts final : PortFacts {
    DeviceAccess deviceAccess{true, true, u"root"_s, u"dialout"_s, true, false, false, false};
    QList<Holder> held;
    QList<UsbAdapter> adapters;
    QString usbId;
    bool brltty = false;
    bool modemManager = false;

    DeviceAccess access(const QString &) const override { return deviceAccess; }
    QList<Holder> holders(const QString &) const override { return held; }
    QList<UsbAdapter> usbAdapters() const override { return adapters; }
    QString usbIdOf(const QString &) const override { return usbId; }
    bool brlttyInstalled() const override { return brltty; }
    bool modemManagerRunning() const override { return modemManager; }
    QString driverProblem(const QString &) const override { return problem; }
    bool isBluetooth(const QString &device) const override { return device.contains(u"rfcomm"_s); }
    QString problem;
};

FakeFacts notAllowed(bool userInGroup, bool processInGroup, bool groupMayOpen = true)
{
    FakeFacts facts;
    facts.deviceAccess = {true,         false, u"root"_s,   u"dialout"_s,
                          groupMayOpen, false, userInGroup, processInGroup};
    return facts;
}

TEST(PortDiagnosis, PermissionDeniedSaysWhyAndWhatToDo)
{
    const QString dev = u"/dev/ttyUSB0"_s;
    EXPECT_EQ(diagnoseOpenFailure(OpenFailure::PermissionDenied, dev, notAllowed(false, false)),
              u"It belongs to the group dialout, which you are not in: add your user to it with "
              "\"sudo usermod -aG dialout $USER\", then log out and in again."_s);
    EXPECT_EQ(diagnoseOpenFailure(OpenFailure::PermissionDenied, dev, notAllowed(true, false)),
              u"You are in the group dialout that may open it, but this login started before "
              "you were added: log out and in again."_s);
    EXPECT_EQ(
        diagnoseOpenFailure(OpenFailure::PermissionDenied, dev, notAllowed(false, false, false)),
        u"Only the user root may open it."_s);
}

TEST(PortDiagnosis, BusyNamesTheHoldersAndModemManagerOnUsbModems)
{
    FakeFacts facts;
    EXPECT_EQ(diagnoseOpenFailure(OpenFailure::Busy, u"/dev/ttyUSB0"_s, facts),
              u"Another program has it open, such as a terminal or another radio or APRS "
              "program: close it, or choose another port."_s);
    facts.held = {{4242, u"minicom"_s}, {17, QString()}};
    facts.modemManager = true;
    facts.usbId = u"2341:0043"_s;
    EXPECT_EQ(diagnoseOpenFailure(OpenFailure::Busy, u"/dev/ttyUSB0"_s, facts),
              u"It is held by minicom (pid 4242), pid 17: close that program, or choose another "
              "port."_s);
    const QString acm = diagnoseOpenFailure(OpenFailure::Busy, u"/dev/ttyACM0"_s, facts);
    EXPECT_TRUE(acm.contains(u"ModemManager is running"_s)) << qPrintable(acm);
    EXPECT_TRUE(acm.contains(u"ATTRS{idVendor}==\"2341\", ATTRS{idProduct}==\"0043\", "
                             "ENV{ID_MM_DEVICE_IGNORE}=\"1\""_s))
        << qPrintable(acm);
    facts.modemManager = false;
    EXPECT_FALSE(diagnoseOpenFailure(OpenFailure::Busy, u"/dev/ttyACM0"_s, facts)
                     .contains(u"ModemManager"_s));
    EXPECT_TRUE(diagnoseOpenFailure(OpenFailure::Other, u"/dev/ttyACM0"_s, facts).isEmpty());
    facts.problem = u"no driver is installed (code 28)"_s;
    EXPECT_EQ(diagnoseOpenFailure(OpenFailure::Other, u"COM4"_s, facts),
              u"Device Manager reports a driver problem: no driver is installed (code 28)."_s);
}

TEST(PortDiagnosis, AdapterWithoutAPortBlamesBrlttyOrTheDriver)
{
    FakeFacts facts;
    EXPECT_TRUE(diagnoseNoUsablePort(facts).isEmpty());
    facts.adapters = {{u"10c4:ea60"_s, u"CP2102 USB to UART"_s, true},
                      {u"1a86:7523"_s, u"USB Serial"_s, false}};
    EXPECT_EQ(diagnoseNoUsablePort(facts),
              u"The USB serial adapter 1a86:7523 (USB Serial) is plugged in but has no port. No "
              "driver took it: install the driver of the adapter's maker, or try another "
              "adapter."_s);
    facts.brltty = true;
    EXPECT_EQ(diagnoseNoUsablePort(facts),
              u"The USB serial adapter 1a86:7523 (USB Serial) is plugged in but has no port. "
              "brltty, installed here, takes some USB serial adapters for braille displays: "
              "remove it with \"sudo apt-get remove brltty\", then unplug the adapter and plug "
              "it in again."_s);
}

TEST(PortDiagnosis, StateOfEachPort)
{
    FakeFacts ready;
    FakeFacts held;
    held.held = {{4242, u"minicom"_s}};
    FakeFacts missing;
    missing.deviceAccess = {};
    FakeFacts failedDriver;
    failedDriver.problem = u"the driver failed to start (code 10)"_s;
    const struct {
        const char *device;
        FakeFacts facts;
        const char *state;
    } rows[] = {
        {"/dev/ttyUSB0", ready, "ready"},
        {"/dev/ttyUSB0", held, "in use by minicom (pid 4242)"},
        {"/dev/ttyUSB0", notAllowed(true, false),
         "not allowed: You are in the group dialout that may open it, but this login started "
         "before you were added: log out and in again"},
        {"/dev/rfcomm0", held, "Bluetooth"},
        {"/dev/ttyUSB9", missing, "no such device"},
        {"COM4", failedDriver, "driver problem: the driver failed to start (code 10)"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(stateText(portState(QString::fromLatin1(row.device), row.facts)),
                  QString::fromLatin1(row.state));
}

// The list tells each port's state; what is wrong with an adapter comes
// after it only while no port is ready, as then the operator needs it.
TEST(PortSurvey, StatesAndTroubleWhenNoPortIsReady)
{
    FakeFacts facts;
    facts.adapters = {{u"1a86:7523"_s, u"USB Serial"_s, false}};
    const NumberedPort bluetooth{1, {u"/dev/rfcomm0"_s, {}, {}, {}}};
    const NumberedPort adapter{2, {u"/dev/ttyUSB0"_s, {}, {}, {}}};
    const PortSurvey none = surveyPorts({bluetooth}, facts);
    ASSERT_EQ(none.ports.size(), 1U);
    EXPECT_EQ(none.ports[0].state.condition, PortCondition::Bluetooth);
    EXPECT_TRUE(none.trouble.startsWith(u"The USB serial adapter 1a86:7523 (USB Serial)"_s));
    EXPECT_EQ(surveyPorts({}, facts).trouble, none.trouble);
    const PortSurvey ready = surveyPorts({bluetooth, adapter}, facts);
    EXPECT_EQ(ready.ports[1].state.condition, PortCondition::Ready);
    EXPECT_TRUE(ready.trouble.isEmpty());
}

} // namespace
} // namespace tarvek
