// Load: four groups of 6, 7, 8 and 4 values. Each group is read whole before
// any of it is applied; its values then go into their controls one by one,
// and the first value that does not convert, or that its control refuses,
// stops the load with everything applied so far left in place.
#include "CfgConversions.h"
#include "ConfigFile.h"
#include "FileOpening.h"
#include "NumericReading.h"
#include "PackedCodes.h"
#include "RecordReader.h"

#include <QFile>
#include <array>

using namespace tarvek::config;

namespace tarvek::cfgfile
{
namespace
{

constexpr int kMaxGroup = 8;

// The control each value of the file is for, in file order (the message code
// carries chkAutoReply too, the status code chkRxPosition).
constexpr const char *kFileOrder[] = {
    "edComm",          "edNumFlagsAuto",  "edMsgRepeat",     "cbMicEMsg",       "edSymbol",
    "chkTable",        "esSpeedTable(0)", "esSpeedTable(1)", "esSpeedTable(2)", "esSpeedTable(3)",
    "esSpeedTable(4)", "esSpeedTable(5)", "esSpeedTable(6)", "edManualTime",    "edBcnEvery",
    "edGpsAcqTime",    "edMyCall",        "edAprsPath",      "edBeacon",        "edDestCall",
    "edAprsMsg",       "txtLat",          "txtLng",          "chkCent",         "optLLtoNorm"};

// One group of values as read, with the line each begins on. Reading a
// value through it notes which one is being applied, so that a failure can
// say where the load stopped.
class Group
{
public:
    CfgError read(RecordReader &reader, int count)
    {
        m_first += m_count;
        m_count = count;
        for (m_current = 0; m_current < count; ++m_current) {
            const auto i = static_cast<size_t>(m_current);
            const CfgError e = reader.next(m_values[i]);
            m_lines[i] = reader.line();
            if (e != CfgError::None) {
                m_values[i] = CfgValue::emptyValue();
                m_missing = true;
                return e;
            }
        }
        m_missing = false;
        return CfgError::None;
    }

    const CfgValue &operator[](size_t i)
    {
        m_current = static_cast<int>(i);
        return m_values[i];
    }

    // The failure, told with the value it stopped at.
    CfgResult stopped(CfgError error) const
    {
        CfgResult result = CfgResult::failure(error);
        const auto i = static_cast<size_t>(m_current);
        result.line = m_lines[i];
        result.setting = QLatin1StringView(kFileOrder[m_first + m_current]);
        if (!m_missing)
            result.value = textForm(m_values[i]);
        return result;
    }

private:
    std::array<CfgValue, kMaxGroup> m_values;
    std::array<int, kMaxGroup> m_lines{};
    int m_first = 0; // the file position of the group's first value
    int m_count = 0;
    int m_current = 0;
    bool m_missing = false; // the value at m_current could not be read
};

// Runs the steps in order up to the first failure, which it returns.
template <typename... Steps> CfgError firstFailure(Steps &&...steps)
{
    CfgError error = CfgError::None;
    (void)(((error = steps()) == CfgError::None) && ...);
    return error;
}

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
    return state.ok() ? takenOrRefused(box.setValue(state.value)) : state.error;
}

// The message code: the list position comes from its strict conversion,
// auto-reply from its lenient reading.
CfgError applyMessageCode(TrackerSettings &s, const CfgValue &value)
{
    const Converted<int> position = strictWhole(value);
    if (!position.ok())
        return position.error;
    if (!s.micEMessage.setIndex(unpackMessageCode(position.value).micEIndex))
        return CfgError::InvalidPropertyValue;
    const Converted<int> flags = lenientWhole(value);
    if (!flags.ok())
        return flags.error;
    return takenOrRefused(s.autoReply.setValue(unpackMessageCode(flags.value).autoReply));
}

CfgError applyFirstGroup(TrackerSettings &s, Group &v)
{
    return firstFailure(
        [&] { return loadText(s.port, v[0]); }, [&] { return loadText(s.txDelay, v[1]); },
        [&] { return loadText(s.messageRetries, v[2]); }, [&] { return applyMessageCode(s, v[3]); },
        [&] { return loadText(s.symbol, v[4]); },
        [&] { return loadCheck(s.alternateTable, v[5]); });
}

CfgError applySpeedGroup(TrackerSettings &s, Group &v)
{
    for (size_t i = 0; i < s.speedIntervals.size(); ++i) {
        if (const CfgError e = loadText(s.speedIntervals[i], v[i]); e != CfgError::None)
            return e;
    }
    return CfgError::None;
}

// The status code, by its lenient reading.
CfgError applyStatusCode(TrackerSettings &s, const CfgValue &value)
{
    const Converted<int> n = lenientWhole(value);
    if (!n.ok())
        return n.error;
    const StatusCode status = unpackStatusCode(n.value);
    if (!s.statusEvery.setText(formatWithDigits(status.every, s.statusEvery.positions())))
        return CfgError::InvalidPropertyValue;
    return takenOrRefused(s.hideReceived.setValue(status.rxPosition));
}

CfgError applyTimingGroup(TrackerSettings &s, Group &v)
{
    if (const CfgError e = loadText(s.manualInterval, v[0]); e != CfgError::None)
        return e;
    if (const CfgError e = applyStatusCode(s, v[1]); e != CfgError::None)
        return e;
    MaskedField *const texts[] = {&s.gpsTimeout, &s.callsign,  &s.path,
                                  &s.statusText, &s.messageTo, &s.message};
    for (size_t i = 0; i < std::size(texts); ++i) {
        if (const CfgError e = loadText(*texts[i], v[i + 2]); e != CfgError::None)
            return e;
    }
    return CfgError::None;
}

CfgError applyCalculatorGroup(CalculatorSettings &c, Group &v)
{
    return firstFailure([&] { return loadText(c.latitude, v[0]); },
                        [&] { return loadText(c.longitude, v[1]); },
                        [&] { return loadCheck(c.hundredths, v[2]); },
                        [&] {
                            const Converted<bool> normal = truthOf(v[3]);
                            if (normal.ok())
                                c.normalForm.setSelected(normal.value);
                            return normal.error;
                        });
}

CfgError loadGroups(RecordReader &reader, SettingsModel &model, Group &v)
{
    TrackerSettings &s = model.tracker;
    return firstFailure([&] { return v.read(reader, 6); }, [&] { return applyFirstGroup(s, v); },
                        [&] { return v.read(reader, 7); }, [&] { return applySpeedGroup(s, v); },
                        [&] { return v.read(reader, 8); }, [&] { return applyTimingGroup(s, v); },
                        [&] { return v.read(reader, 4); },
                        [&] { return applyCalculatorGroup(model.calculator, v); },
                        [&] {
                            Q_EMIT model.calculator.loaded();
                            return CfgError::None;
                        });
}

} // namespace

CfgResult loadConfig(QIODevice &input, SettingsModel &model)
{
    RecordReader reader(input);
    Group group;
    const CfgError error = loadGroups(reader, model, group);
    return error == CfgError::None ? CfgResult::success() : group.stopped(error);
}

CfgResult loadConfigFile(const QString &path, SettingsModel &model)
{
    QFile file;
    if (CfgResult opened = openForLoad(file, path); !opened.ok())
        return opened;
    return loadConfig(file, model); // the file closes on every path
}

} // namespace tarvek::cfgfile
