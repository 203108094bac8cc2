#pragma once
// Access to every stored control by its name, for the command line and the
// tests: the same writes, refusals and change notifications as in the window.
#include "TrackerSettings.h"

#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace tarvek
{

struct ControlRef {
    QString name; // the key
    const SettingDescription *setting = nullptr;
    MaskedField *field = nullptr;   // text controls
    CheckBox *checkBox = nullptr;   // 0, 1 or 2
    ListChoice *list = nullptr;     // list position
    OptionButton *option = nullptr; // 1 selected, 0 not
};

// Every control, in the order of the settings description.
std::vector<ControlRef> AllControls(SettingsModel &model);
// The control named `name`: its control name or its readable name.
std::optional<ControlRef> FindControl(SettingsModel &model, const QString &name);

// Writes `value` into the control as the program would: text for masked
// fields, a whole number for the others; the list also takes one of its
// texts (see ListPositionOfText). On refusal returns false with the reason,
// led by the control name, in `error` and leaves the control as it was.
bool WriteControl(const ControlRef &control, const QString &value, QString *error);

// The position of `text` among the list's `items`, compared without regard
// to case and with any run of blanks or hyphens between words standing for
// one blank: "off-duty" and "Off  Duty" both give "Off Duty".
std::optional<int> ListPositionOfText(const QStringList &items, const QString &text);

// A text control's text (with "_" in unfilled positions) or a number.
std::variant<QString, int> ReadControl(const ControlRef &control);

// {"edComm": "1", ..., "optLLtoNorm": 0} on one line, in control order.
QString ControlsAsJson(SettingsModel &model);
// NAME=VALUE lines, in control order.
QString ControlsAsLines(SettingsModel &model);

// A JSON string literal for `text`, quotes included.
QString JsonQuote(const QString &text);

} // namespace tarvek
