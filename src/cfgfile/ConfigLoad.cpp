// Load: four groups of 6, 7, 8 and 4 values. Each group is read whole before
// any of it is applied; its values then go into their controls one by one,
// and the first value that does not convert, or that its control refuses,
// stops the load with everything applied so far left in place.
#include "CfgConversions.h"
#include "CfgLayout.h"
#include "ConfigFile.h"
#include "FileOpening.h"
#include "NumericReading.h"
#include "OptionButton.h"
#include "PackedCodes.h"
#include "RecordReader.h"
#include "SettingKeys.h"

#include <QFile>
#include <algorithm>
#include <iterator>
#include <span>
#include <vector>

using namespace tarvek::config;

namespace tarvek::cfgfile
{
namespace
{

using Settings = std::span<const SettingDescription *const>;

bool isSpeedInterval(const SettingDescription &setting)
{
    return std::any_of(std::begin(key::kSpeedIntervals), std::end(key::kSpeedIntervals),
                       [&](const char *band) { return setting.key == QLatin1StringView(band); });
}

// Each group is read whole before any of it is applied: the values of one
// line are a group, and the speed table's lines together are one.
bool inOneGroup(const SettingDescription &a, const SettingDescription &b)
{
    return a.cfg.line == b.cfg.line || (isSpeedInterval(a) && isSpeedInterval(b));
}

// One group of values as read, with the line each begins on, so that a
// failure can say where the load stopped.
class Group
{
public:
    CfgError read(RecordReader &reader, Settings settings)
    {
        m_settings = settings;
        m_values.assign(settings.size(), CfgValue::emptyValue());
        m_lines.assign(settings.size(), 0);
        for (m_read = 0; m_read < settings.size(); ++m_read) {
            const CfgError e = reader.next(m_values[m_read]);
            m_lines[m_read] = reader.line();
            if (e != CfgError::None) {
                m_values[m_read] = CfgValue::emptyValue();
                return e;
            }
        }
        return CfgError::None;
    }

    const CfgValue &operator[](size_t i) const { return m_values[i]; }

    // The failure of read(), told with the place of the value it could not
    // read.
    CfgResult stoppedReading(CfgError error) const { return stoppedAt(m_read, error); }

    // The failure to apply value `i`, told with the value as read.
    CfgResult stoppedApplying(size_t i, CfgError error) const
    {
        CfgResult result = stoppedAt(i, error);
        result.value = textForm(m_values[i]);
        return result;
    }

private:
    CfgResult stoppedAt(size_t i, CfgError error) const
    {
        CfgResult result = CfgResult::failure(error);
        result.line = m_lines[i];
        result.setting = m_settings[i]->key;
        return result;
    }

    Settings m_settings;
    std::vector<CfgValue> m_values;
    std::vector<int> m_lines;
    size_t m_read = 0; // values read so far
};

CfgError takenOrRefused(bool taken)
{
    return taken ? CfgError::None : CfgError::InvalidPropertyValue;
}

CfgError loadText(MaskedField &field, const CfgValue &value)
{
    return takenOrRefused(field.setText(textForm(value)));
}

CfgError loadCheck(CheckBox &box, const CfgValue &value)
{
    const Converted<int> state = strictWhole(value);
    return state.converted() ? takenOrRefused(box.setValue(state.value)) : state.error;
}

// The message code: the list position comes from its strict conversion,
// auto-reply from its lenient reading.
CfgError applyMessageCode(TrackerSettings &s, const CfgValue &value)
{
    const Converted<int> position = strictWhole(value);
    if (!position.converted())
        return position.error;
    if (!s.micEMessage.setIndex(unpackMessageCode(position.value).micEIndex))
        return CfgError::InvalidPropertyValue;
    const Converted<int> flags = lenientWhole(value);
    if (!flags.converted())
        return flags.error;
    return takenOrRefused(s.autoReply.setValue(unpackMessageCode(flags.value).autoReply));
}

// The status code, by its lenient reading.
CfgError applyStatusCode(TrackerSettings &s, const CfgValue &value)
{
    const Converted<int> n = lenientWhole(value);
    if (!n.converted())
        return n.error;
    const StatusCode status = unpackStatusCode(n.value);
    if (!s.statusEvery.setText(formatWithDigits(status.every, s.statusEvery.positions())))
        return CfgError::InvalidPropertyValue;
    return takenOrRefused(s.hideReceived.setValue(status.rxPosition));
}

// Writes the value into the setting's control by the setting's coding.
CfgError applyValue(const SettingDescription &setting, SettingsModel &model, const CfgValue &value)
{
    const Control control = controlOf(setting, model);
    switch (setting.cfg.coding) {
    case CfgCoding::Text:
        return loadText(controlAs<MaskedField>(control), value);
    case CfgCoding::Whole:
        return loadCheck(controlAs<CheckBox>(control), value);
    case CfgCoding::MicEMessageCode:
        return applyMessageCode(model.tracker, value);
    case CfgCoding::StatusEveryCode:
        return applyStatusCode(model.tracker, value);
    case CfgCoding::Truth: {
        const Converted<bool> selected = truthOf(value);
        if (selected.converted())
            controlAs<OptionButton>(control).setSelected(selected.value);
        return selected.error;
    }
    case CfgCoding::None:
        break;
    }
    return CfgError::None;
}

} // namespace

CfgResult loadConfig(QIODevice &input, SettingsModel &model)
{
    RecordReader reader(input);
    Group group;
    const std::vector<const SettingDescription *> &order = cfgFileOrder();
    for (auto first = order.cbegin(); first != order.cend();) {
        auto end = std::next(first);
        while (end != order.cend() && inOneGroup(**std::prev(end), **end))
            ++end;
        const Settings settings(first, end);
        if (const CfgError e = group.read(reader, settings); e != CfgError::None)
            return group.stoppedReading(e);
        for (size_t i = 0; i < settings.size(); ++i) {
            if (const CfgError e = applyValue(*settings[i], model, group[i]); e != CfgError::None)
                return group.stoppedApplying(i, e);
        }
        first = end;
    }
    Q_EMIT model.calculator.loaded();
    return CfgResult::success();
}

CfgResult loadConfigFile(const QString &path, SettingsModel &model)
{
    QFile file;
    if (CfgResult opened = openForLoad(file, path); !opened.ok())
        return opened;
    return loadConfig(file, model); // the file closes on every path
}

} // namespace tarvek::cfgfile
