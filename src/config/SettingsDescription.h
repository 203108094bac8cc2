#pragma once
// The description of every setting: each control of the main window and the
// calculator's four stored controls, one row each. It is the one place that
// names a setting with its readable name, caption, kind, field shape, factory
// default, format, the block bytes it fills and its place in a .cfg file. The settings objects take
// their masks and lengths from it; loadDefaults, the list of controls
// (ControlAccess) and the block decoder walk it.
#include <QAnyStringView>
#include <QString>
#include <cstdint>
#include <span>
#include <variant>

namespace tarvek::config
{

class CalculatorSettings;
class CheckBox;
class ListChoice;
class MaskedField;
class OptionButton;
class TrackerSettings;

// A stored control, of one of the four kinds: a text field, a check box (0,
// 1 or 2), a list (its position) or an option (1 selected, 0 not). The kind
// is the alternative held; a row's kind says which one its control is.
using Control = std::variant<MaskedField *, CheckBox *, ListChoice *, OptionButton *>;
using ReadOnlyControl =
    std::variant<const MaskedField *, const CheckBox *, const ListChoice *, const OptionButton *>;

// The control if it is a `Kind`, else null.
template <typename Kind, typename Variant> Kind *controlIf(const Variant &control)
{
    Kind *const *held = std::get_if<Kind *>(&control);
    return held ? *held : nullptr;
}
struct SettingsModel;

enum class ControlKind {
    MaskedText, // MaskedField
    CheckBox,   // CheckBox: 0 clear, 1 ticked, 2 greyed
    List,       // ListChoice: the position in the list
    Option,     // OptionButton: 1 selected, 0 not
};

// How the configuration block carries a setting; the decoder reads it back
// by this. Digit counts come from the row's mask.
enum class BlockCoding {
    None,        // not in the block
    TxDelay,     // milliseconds as flags (× 0.15)
    Number,      // the value itself
    Tens,        // seconds as tens of seconds
    SymbolCode,  // one character
    SymbolTable, // a check box as "\" when ticked, "/" when clear
    Callsign,    // six characters and the SSID character
    Path,        // one or two callsigns, up to a 0
    Text,        // characters up to a 0
    // Each of these fits one setting only, named for it (fitsOneSetting):
    GpsTimeout,   // edGpsAcqTime: the value; 0 also puts the GPSless marker in the interval
    GpsInterval,  // edGpsCheckTime: tens of seconds, or the GPSless marker
    MicEMessage,  // cbMicEMsg: its bits of the message code, packed with chkAutoReply
    AutoReply,    // chkAutoReply: its bit of the message code (PackedCodes.h)
    StatusEvery,  // edBcnEvery: its bits of the status code, packed with chkRxPosition
    HideReceived, // chkRxPosition: its bit of the status code (PackedCodes.h)
};

struct BlockBytes {
    int first = 0;
    int count = 0;            // 0: not in the block
    std::uint8_t bits = 0xFF; // where settings share a byte: the bits of this one
    BlockCoding coding = BlockCoding::None;
};

// How a .cfg file carries a setting.
enum class CfgCoding {
    None,  // not in the file, or carried by another setting's code
    Text,  // the control's text
    Whole, // a check box's state as a whole number
    Truth, // an option button: #TRUE# when selected
    // Each of these fits one setting only, named for it (fitsOneSetting):
    MicEMessageCode, // cbMicEMsg with chkAutoReply (PackedCodes.h)
    StatusEveryCode, // edBcnEvery with chkRxPosition (PackedCodes.h); must be wholly a number
};

// Whether a coding reads or writes fixed settings rather than its row's own
// control, so that it fits one row only.
bool fitsOneSetting(BlockCoding coding);
bool fitsOneSetting(CfgCoding coding);

// Where a .cfg file holds a setting: line and position on it, from 1.
struct CfgPlace {
    int line = 0; // 0: not in the file
    int position = 0;
    CfgCoding coding = CfgCoding::None;
};

// Reaches one control in a settings object, for writing or for reading
// only; a default-made one reaches nothing and tests false.
template <typename Settings> struct ControlAccessor {
    Control (*forWriting)(Settings &) = nullptr;
    ReadOnlyControl (*forReading)(const Settings &) = nullptr;

    Control operator()(Settings &settings) const { return forWriting(settings); }
    ReadOnlyControl operator()(const Settings &settings) const { return forReading(settings); }
    explicit operator bool() const { return forWriting != nullptr; }
};

struct SettingDescription {
    QLatin1StringView key{};     // the control name: objectName, tarvek-cli names
    QLatin1StringView name{};    // the readable name
    QLatin1StringView caption{}; // as the window shows it beside the control
    ControlKind kind = ControlKind::MaskedText;
    QLatin1StringView mask{};        // masked text: "#", "9" and "&" positions; "" free text
    int maxLength = 0;               // masked text: 0 no limit
    int maxNumber = 0;               // free text of digits up to this number; 0 any text
    QLatin1StringView defaultText{}; // masked text
    int defaultValue = 0;            // the other kinds
    int defaultsStep = 0;            // place in loadDefaults' order; 0: not written by it
    QLatin1StringView format{};      // what the value means, in a few words
    BlockBytes block{};
    CfgPlace cfg{};
    // Where the control lives: exactly one of the two is set.
    ControlAccessor<TrackerSettings> inTracker{};
    ControlAccessor<CalculatorSettings> inCalculator{};
    QStringList (*listItems)() = nullptr; // a list: its texts
};

// Every setting, in the order the command line lists them.
std::span<const SettingDescription> allSettings();

// The row of the control named `key`, or null.
const SettingDescription *findSetting(QAnyStringView key);

// The row whose control name or readable name is `name`, or null.
const SettingDescription *findSettingByName(QAnyStringView name);

// "edMyCall (callsign)": both names, for messages.
QString namesText(const SettingDescription &setting);

// Where the setting lives in the configuration block, for people: "byte 1",
// "bytes 16 to 22", "byte 2, bits 0 to 3", "byte 15, bit 7" or "not in the
// block". Bytes are counted from 0, as in the block's hex dump.
QString blockBytesText(const BlockBytes &bytes);

// What the setting takes, for people: the mask or length of a text field and
// the row's format, or the values of a check box, the list or the option.
QString formatText(const SettingDescription &setting);

// The setting's control in `model`.
Control controlOf(const SettingDescription &setting, SettingsModel &model);
ReadOnlyControl controlOf(const SettingDescription &setting, const SettingsModel &model);

// The control of a row whose kind is `Kind`, which the description's test
// checks for every row.
template <typename Kind, typename Variant> Kind &controlAs(const Variant &control)
{
    Kind *held = controlIf<Kind>(control);
    Q_ASSERT(held);
    return *held;
}

// A text control with the mask and length of its row (`key` must name a
// masked-text row).
MaskedField describedField(const char *key);

// Writes the setting's factory default into `control`, which raises the
// control's change notification.
void applyDefault(const SettingDescription &setting, const Control &control);

} // namespace tarvek::config
