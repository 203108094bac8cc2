#pragma once
// Access to every stored control by its name, for the command line and the
// tests: the same writes, refusals and change notifications as in the window.
#include "TrackerSettings.h"

#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace tarvek::config
{

// A control with its row, as the command line and the tests reach it.
struct ControlRef {
    QString name;                        // the key
    const SettingDescription *setting{}; // its row
    Control control{};                   // of the row's kind

    // The control if it is a `Kind`, else null.
    template <typename Kind> Kind *as() const { return controlIf<Kind>(control); }
};

// Every control, in the order of the settings description.
std::vector<ControlRef> allControls(SettingsModel &model);
// The control named `name`: its control name or its readable name.
std::optional<ControlRef> findControl(SettingsModel &model, const QString &name);

// The outcome of a write: `reason` is empty when the control took the value,
// otherwise it says why not, led by the control's names ("cbMicEMsg (mic-e):
// the list position must be 0 to 7").
struct WriteResult {
    QString reason;

    bool ok() const { return reason.isEmpty(); }
};

// Writes `value` into the control as the program would: text for masked
// fields, a whole number for the others; the list also takes one of its
// texts (see listPositionOfText). A refused value leaves the control as it
// was.
[[nodiscard]] WriteResult writeControl(const ControlRef &control, const QString &value);

// The position of `text` among the list's `items`, compared without regard
// to case and with any run of blanks or hyphens between words standing for
// one blank: "off-duty" and "Off  Duty" both give "Off Duty".
std::optional<int> listPositionOfText(const QStringList &items, const QString &text);

// A text control's text (with "_" in unfilled positions) or a number.
std::variant<QString, int> readControl(const ControlRef &control);

// {"edComm": "1", ..., "optLLtoNorm": 0} on one line, in control order.
QString controlsAsJson(SettingsModel &model);

// A JSON string literal for `text`, quotes included.
QString jsonQuote(const QString &text);

} // namespace tarvek::config
