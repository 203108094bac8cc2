#include "SettingsDescription.h"

#include "ConfigBlock.h"
#include "PortNumberFormat.h"
#include "SettingKeys.h"
#include "TrackerSettings.h"

#include <string>
#include <type_traits>

namespace tarvek::config
{
namespace
{

using namespace Qt::StringLiterals;
using Kind = ControlKind;
using Coding = BlockCoding;
using Cfg = CfgCoding;

// A key constant as a view; the (pointer, length) form is a constant
// expression under every sanitizer, unlike the form that tests for null.
constexpr QLatin1StringView keyView(const char *key)
{
    return {key, static_cast<qsizetype>(std::char_traits<char>::length(key))};
}

template <auto Member>
constexpr ControlAccessor<TrackerSettings> kTrackerMember{
    [](TrackerSettings &s) -> Control { return &(s.*Member); },
    [](const TrackerSettings &s) -> ReadOnlyControl { return &(s.*Member); }};

template <std::size_t Band>
constexpr ControlAccessor<TrackerSettings> kSpeedBand{
    [](TrackerSettings &s) -> Control { return &s.speedIntervals[Band]; },
    [](const TrackerSettings &s) -> ReadOnlyControl { return &s.speedIntervals[Band]; }};

template <auto Member>
constexpr ControlAccessor<CalculatorSettings> kCalculatorMember{
    [](CalculatorSettings &c) -> Control { return &(c.*Member); },
    [](const CalculatorSettings &c) -> ReadOnlyControl { return &(c.*Member); }};

constexpr QLatin1StringView kCheckBoxFormat = "check box: 0 clear, 1 ticked, 2 greyed"_L1;

// One row per control; clang-format would put every field on a line of its own.
// clang-format off
constexpr SettingDescription kSettings[] = {
    {.key = keyView(key::kPort), .name = "port"_L1, .caption = "Comm num:"_L1,
     .maxLength = 3, .maxNumber = 255, .defaultText = "1"_L1, .defaultsStep = 1,
     .format = kPortNumberFormat,
     .cfg = {1, 1, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::port>},
    {.key = keyView(key::kTxDelay), .name = "tx-delay"_L1, .caption = "TX DELAY"_L1,
     .mask = "999"_L1, .maxLength = 3, .defaultText = "200"_L1, .defaultsStep = 2,
     .format = "3 digits, milliseconds"_L1,
     .block = {offset::kTxDelay, 1, 0xFF, Coding::TxDelay},
     .cfg = {1, 2, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::txDelay>},
    {.key = keyView(key::kMessageRetries), .name = "msg-retries"_L1, .caption = "Msg Retries"_L1,
     .mask = "999"_L1, .maxLength = 3, .defaultText = "008"_L1, .defaultsStep = 3,
     .format = "3 digits, 0 to 255"_L1,
     .block = {offset::kMsgRetries, 1, 0xFF, Coding::Number},
     .cfg = {1, 3, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::messageRetries>},
    {.key = keyView(key::kMicEMessage), .name = "mic-e"_L1, .caption = "Mic-E msg"_L1,
     .kind = Kind::List, .defaultValue = 0, .defaultsStep = 4,
     .format = "list position 0 to 7"_L1,
     .block = {offset::kMsgOptions, 1, 0x0F, Coding::MicEMessage},
     .cfg = {1, 4, Cfg::MicEMessageCode},
     .inTracker = kTrackerMember<&TrackerSettings::micEMessage>,
     .listItems = micEMessageNames},
    {.key = keyView(key::kAutoReply), .name = "auto-reply"_L1,
     .caption = "Auto send message when receiving msg to MYCALL"_L1,
     .kind = Kind::CheckBox, .defaultValue = CheckBox::Unchecked, .defaultsStep = 24,
     .format = kCheckBoxFormat,
     .block = {offset::kMsgOptions, 1, 0x10, Coding::AutoReply},
     .inTracker = kTrackerMember<&TrackerSettings::autoReply>},
    {.key = keyView(key::kSymbol), .name = "symbol"_L1, .caption = "ICON Symbol"_L1,
     .mask = "&"_L1, .maxLength = 1, .defaultText = ">"_L1, .defaultsStep = 5,
     .format = "1 character, the APRS symbol code"_L1,
     .block = {offset::kSymbolCode, 1, 0xFF, Coding::SymbolCode},
     .cfg = {1, 5, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::symbol>},
    {.key = keyView(key::kAlternateTable), .name = "alternate-table"_L1, .caption = "Alternate Table"_L1,
     .kind = Kind::CheckBox, .defaultValue = CheckBox::Unchecked, .defaultsStep = 6,
     .format = "check box: 0 primary symbol table \"/\", 1 alternate table \"\\\""_L1,
     .block = {offset::kSymbolTable, 1, 0xFF, Coding::SymbolTable},
     .cfg = {1, 6, Cfg::Whole},
     .inTracker = kTrackerMember<&TrackerSettings::alternateTable>},
    {.key = keyView(key::kGpsInterval), .name = "gps-interval"_L1, .caption = "Acquisition interval"_L1,
     .mask = "999"_L1, .maxLength = 3, .defaultText = "100"_L1, .defaultsStep = 17,
     .format = "3 digits, seconds"_L1,
     .block = {offset::kGpsCheckInterval, 1, 0xFF, Coding::GpsInterval},
     .inTracker = kTrackerMember<&TrackerSettings::gpsInterval>},
    {.key = keyView(key::kGpsTimeout), .name = "gps-timeout"_L1, .caption = "Acquisition timeout"_L1,
     .mask = "999"_L1, .maxLength = 3, .defaultText = "025"_L1, .defaultsStep = 18,
     .format = "3 digits, tenths of a second; 0 is GPSless Mode"_L1,
     .block = {offset::kGpsAcqTimeout, 1, 0xFF, Coding::GpsTimeout},
     .cfg = {9, 3, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::gpsTimeout>},
    {.key = keyView(key::kSpeedIntervals[0]), .name = "speed-0-3"_L1, .caption = "Speed 0-3 Km/h"_L1,
     .mask = "9999"_L1, .maxLength = 4, .defaultText = "0480"_L1, .defaultsStep = 8,
     .format = "4 digits, seconds"_L1,
     .block = {offset::kSpeedTable + 0, 1, 0xFF, Coding::Tens},
     .cfg = {2, 1, Cfg::Text},
     .inTracker = kSpeedBand<0>},
    {.key = keyView(key::kSpeedIntervals[1]), .name = "speed-4-9"_L1, .caption = "Speed 4-9 Km/h"_L1,
     .mask = "9999"_L1, .maxLength = 4, .defaultText = "0360"_L1, .defaultsStep = 9,
     .format = "4 digits, seconds"_L1,
     .block = {offset::kSpeedTable + 1, 1, 0xFF, Coding::Tens},
     .cfg = {3, 1, Cfg::Text},
     .inTracker = kSpeedBand<1>},
    {.key = keyView(key::kSpeedIntervals[2]), .name = "speed-10-22"_L1, .caption = "Speed 10-22 Km/h"_L1,
     .mask = "999"_L1, .maxLength = 3, .defaultText = "250"_L1, .defaultsStep = 10,
     .format = "3 digits, seconds"_L1,
     .block = {offset::kSpeedTable + 2, 1, 0xFF, Coding::Tens},
     .cfg = {4, 1, Cfg::Text},
     .inTracker = kSpeedBand<2>},
    {.key = keyView(key::kSpeedIntervals[3]), .name = "speed-23-40"_L1, .caption = "Speed 23-40 Km/h"_L1,
     .mask = "999"_L1, .maxLength = 3, .defaultText = "180"_L1, .defaultsStep = 11,
     .format = "3 digits, seconds"_L1,
     .block = {offset::kSpeedTable + 3, 1, 0xFF, Coding::Tens},
     .cfg = {5, 1, Cfg::Text},
     .inTracker = kSpeedBand<3>},
    {.key = keyView(key::kSpeedIntervals[4]), .name = "speed-41-72"_L1, .caption = "Speed 41-72 Km/h"_L1,
     .mask = "999"_L1, .maxLength = 3, .defaultText = "130"_L1, .defaultsStep = 12,
     .format = "3 digits, seconds"_L1,
     .block = {offset::kSpeedTable + 4, 1, 0xFF, Coding::Tens},
     .cfg = {6, 1, Cfg::Text},
     .inTracker = kSpeedBand<4>},
    {.key = keyView(key::kSpeedIntervals[5]), .name = "speed-73-125"_L1, .caption = "Speed 73-125 Km/h"_L1,
     .mask = "999"_L1, .maxLength = 3, .defaultText = "110"_L1, .defaultsStep = 13,
     .format = "3 digits, seconds"_L1,
     .block = {offset::kSpeedTable + 5, 1, 0xFF, Coding::Tens},
     .cfg = {7, 1, Cfg::Text},
     .inTracker = kSpeedBand<5>},
    {.key = keyView(key::kSpeedIntervals[6]), .name = "speed-over-125"_L1, .caption = "Speed > 125 Km/h"_L1,
     .mask = "999"_L1, .maxLength = 3, .defaultText = "090"_L1, .defaultsStep = 14,
     .format = "3 digits, seconds"_L1,
     .block = {offset::kSpeedTable + 6, 1, 0xFF, Coding::Tens},
     .cfg = {8, 1, Cfg::Text},
     .inTracker = kSpeedBand<6>},
    // The caption is its frame's; "Every" stands beside the field.
    {.key = keyView(key::kManualInterval), .name = "manual-interval"_L1, .caption = "Manual Timing"_L1,
     .mask = "9999"_L1, .maxLength = 4, .defaultText = "0300"_L1, .defaultsStep = 15,
     .format = "4 digits, seconds"_L1,
     .block = {offset::kManualInterval, 1, 0xFF, Coding::Tens},
     .cfg = {9, 1, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::manualInterval>},
    {.key = keyView(key::kStatusEvery), .name = "status-every"_L1, .caption = "Status txt every"_L1,
     .mask = "999"_L1, .maxLength = 3, .defaultText = "003"_L1, .defaultsStep = 16,
     .format = "3 digits, transmissions, at most 127"_L1,
     .block = {offset::kStatusEvery, 1, 0x7F, Coding::StatusEvery},
     .cfg = {9, 2, Cfg::StatusEveryCode},
     .inTracker = kTrackerMember<&TrackerSettings::statusEvery>},
    {.key = keyView(key::kHideReceived), .name = "hide-received"_L1,
     .caption = "Disable display position of received stations"_L1,
     .kind = Kind::CheckBox, .defaultValue = CheckBox::Unchecked, .defaultsStep = 7,
     .format = kCheckBoxFormat,
     .block = {offset::kStatusEvery, 1, 0x80, Coding::HideReceived},
     .inTracker = kTrackerMember<&TrackerSettings::hideReceived>},
    {.key = keyView(key::kCallsign), .name = "callsign"_L1, .caption = "MY CALLSIGN"_L1,
     .maxLength = 9, .defaultText = "NOCALL-9"_L1, .defaultsStep = 19,
     .format = "callsign, CALL or CALL-SSID, up to 9 characters"_L1,
     .block = {offset::kMyCall, 7, 0xFF, Coding::Callsign},
     .cfg = {9, 4, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::callsign>},
    {.key = keyView(key::kPath), .name = "path"_L1, .caption = "APRS PATH"_L1,
     .maxLength = 19, .defaultText = "WIDE1-1,WIDE2-2"_L1, .defaultsStep = 20,
     .format = "up to 2 digipeater callsigns separated by \",\", up to 19 characters"_L1,
     .block = {offset::kDigi1, offset::kStatusText - offset::kDigi1, 0xFF, Coding::Path},
     .cfg = {9, 5, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::path>},
    {.key = keyView(key::kStatusText), .name = "status"_L1, .caption = "STATUS Text"_L1,
     .maxLength = 29, .defaultText = "Tarvek, ver3.0, by QX0ZZZ Max"_L1, .defaultsStep = 21,
     .format = "text, up to 29 characters; the APRS position in GPSless Mode"_L1,
     .block = {offset::kStatusText, offset::kDestCall - offset::kStatusText, 0xFF, Coding::Text},
     .cfg = {9, 6, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::statusText>},
    {.key = keyView(key::kMessageTo), .name = "msg-to"_L1, .caption = "APRS message TO CALL"_L1,
     .maxLength = 9, .defaultText = "NOCALL"_L1, .defaultsStep = 22,
     .format = "callsign, CALL or CALL-SSID, up to 9 characters"_L1,
     .block = {offset::kDestCall, 7, 0xFF, Coding::Callsign},
     .cfg = {9, 7, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::messageTo>},
    {.key = keyView(key::kMessage), .name = "message"_L1, .caption = "Message"_L1,
     .maxLength = 38, .defaultText = "Message sent using Tarvek, version 3.0"_L1,
     .defaultsStep = 23,
     .format = "text, up to 38 characters"_L1,
     .block = {offset::kMessage, kConfigBlockSize - offset::kMessage, 0xFF, Coding::Text},
     .cfg = {9, 8, Cfg::Text},
     .inTracker = kTrackerMember<&TrackerSettings::message>},
    {.key = keyView(key::kLatitude), .name = "lat"_L1, .caption = "Latitude:"_L1,
     .defaultText = "00.00.00"_L1,
     .format = "latitude, degrees.minutes.hundredths (or .seconds, hundredths clear)"_L1,
     .cfg = {10, 1, Cfg::Text},
     .inCalculator = kCalculatorMember<&CalculatorSettings::latitude>},
    {.key = keyView(key::kLongitude), .name = "lon"_L1, .caption = "Longitude:"_L1,
     .defaultText = "00.00.00"_L1,
     .format = "longitude, degrees.minutes.hundredths (or .seconds, hundredths clear)"_L1,
     .cfg = {10, 2, Cfg::Text},
     .inCalculator = kCalculatorMember<&CalculatorSettings::longitude>},
    {.key = keyView(key::kHundredths), .name = "hundredths"_L1, .caption = "Cent."_L1,
     .kind = Kind::CheckBox, .defaultValue = CheckBox::Checked,
     .format = "check box: 1 hundredths notation, 0 seconds notation"_L1,
     .cfg = {10, 3, Cfg::Whole},
     .inCalculator = kCalculatorMember<&CalculatorSettings::hundredths>},
    {.key = keyView(key::kNormalForm), .name = "normal-form"_L1, .caption = "Normal (20 car)"_L1,
     .kind = Kind::Option, .defaultValue = 0,
     .format = "1 normal form (20 characters), 0 compressed form (14 characters)"_L1,
     .cfg = {10, 4, Cfg::Truth},
     .inCalculator = kCalculatorMember<&CalculatorSettings::normalForm>},
};
// clang-format on

} // namespace

std::span<const SettingDescription> allSettings()
{
    return kSettings;
}

const SettingDescription *findSetting(QAnyStringView key)
{
    for (const SettingDescription &setting : kSettings) {
        if (key == setting.key)
            return &setting;
    }
    return nullptr;
}

const SettingDescription *findSettingByName(QAnyStringView name)
{
    for (const SettingDescription &setting : kSettings) {
        if (name == setting.key || name == setting.name)
            return &setting;
    }
    return nullptr;
}

QString namesText(const SettingDescription &setting)
{
    return QStringLiteral("%1 (%2)").arg(setting.key, setting.name);
}

QString blockBytesText(const BlockBytes &bytes)
{
    if (bytes.count == 0)
        return QStringLiteral("not in the block");
    QString text =
        bytes.count == 1
            ? QStringLiteral("byte %1").arg(bytes.first)
            : QStringLiteral("bytes %1 to %2").arg(bytes.first).arg(bytes.first + bytes.count - 1);
    if (bytes.bits == 0xFF)
        return text;
    int low = 0;
    while (!(bytes.bits & (1 << low)))
        ++low;
    int high = low;
    while (high < 7 && (bytes.bits & (1 << (high + 1))))
        ++high;
    return text + (low == high ? QStringLiteral(", bit %1").arg(low)
                               : QStringLiteral(", bits %1 to %2").arg(low).arg(high));
}

bool fitsOneSetting(BlockCoding coding)
{
    switch (coding) {
    case BlockCoding::GpsTimeout:
    case BlockCoding::GpsInterval:
    case BlockCoding::MicEMessage:
    case BlockCoding::AutoReply:
    case BlockCoding::StatusEvery:
    case BlockCoding::HideReceived:
        return true;
    default:
        return false;
    }
}

bool fitsOneSetting(CfgCoding coding)
{
    return coding == CfgCoding::MicEMessageCode || coding == CfgCoding::StatusEveryCode;
}

QString formatText(const SettingDescription &setting)
{
    QString format = setting.format;
    switch (setting.kind) {
    case ControlKind::MaskedText:
        if (!setting.mask.isEmpty())
            return QStringLiteral("mask \"%1\": %2").arg(setting.mask, format);
        if (setting.maxNumber > 0)
            return QStringLiteral("a number up to %1: %2").arg(setting.maxNumber).arg(format);
        if (setting.maxLength > 0)
            return QStringLiteral("length %1: %2").arg(setting.maxLength).arg(format);
        return format;
    case ControlKind::List: {
        QStringList items;
        const QStringList names = setting.listItems ? setting.listItems() : QStringList();
        for (qsizetype i = 0; i < names.size(); ++i)
            items << QStringLiteral("%1 %2").arg(i).arg(names.at(i));
        return format + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    }
    case ControlKind::CheckBox:
    case ControlKind::Option:
        break;
    }
    return format;
}

namespace
{

// The control in a model for writing, or in a const model for reading.
template <typename Model> auto controlIn(const SettingDescription &setting, Model &model)
{
    return setting.inTracker ? setting.inTracker(model.tracker)
                             : setting.inCalculator(model.calculator);
}

} // namespace

Control controlOf(const SettingDescription &setting, SettingsModel &model)
{
    return controlIn(setting, model);
}

ReadOnlyControl controlOf(const SettingDescription &setting, const SettingsModel &model)
{
    return controlIn(setting, model);
}

MaskedField describedField(const char *key)
{
    const SettingDescription *setting = findSetting(QLatin1StringView(key));
    Q_ASSERT(setting && setting->kind == ControlKind::MaskedText);
    return MaskedField(setting->mask, setting->maxLength, nullptr, setting->maxNumber);
}

void applyDefault(const SettingDescription &setting, const Control &control)
{
    // Defaults always fit their controls; a refusal here is a programming error.
    const bool taken = std::visit(
        [&setting](auto *held) {
            using Kind = std::remove_pointer_t<decltype(held)>;
            if constexpr (std::is_same_v<Kind, MaskedField>)
                return held->setText(setting.defaultText);
            else if constexpr (std::is_same_v<Kind, CheckBox>)
                return held->setValue(setting.defaultValue);
            else if constexpr (std::is_same_v<Kind, ListChoice>)
                return held->setIndex(setting.defaultValue);
            else {
                held->setSelected(setting.defaultValue != 0);
                return true;
            }
        },
        control);
    Q_ASSERT(taken);
    (void)taken;
}

} // namespace tarvek::config
