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

namespace tarvek
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
                m_values[i] = CfgValue::Empty();
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
        CfgResult result = CfgResult::Failure(error);
        const auto i = static_cast<size_t>(m_current);
        result.line = m_lines[i];
        result.setting = QLatin1StringView(kFileOrder[m_first + m_current]);
        if (!m_missing)
            result.value = TextForm(m_values[i]);
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
template <typename... Steps> CfgError FirstFailure(Steps &&...steps)
{
    CfgError error = CfgError::None;
    (void)(((error = steps()) == CfgError::None) && ...);
    return error;
}

CfgError Refused(bool taken)
{
    return taken ? CfgError::None : CfgError::InvalidPropertyValue;
}

CfgError SetText(MaskedField &field, const CfgValue &value)
{
    return Refused(field.setText(TextForm(value)));
}

CfgError SetCheck(CheckBox &box, const CfgValue &value)
{
    const Converted<int> state = StrictWhole(value);
    return state.ok() ? Refused(box.setValue(state.value)) : state.error;
}

// The message code: the list position comes from its strict conversion,
// auto-reply from its lenient reading.
CfgError ApplyMessageCode(TrackerSettings &s, const CfgValue &value)
{
    const Converted<int> position = StrictWhole(value);
    if (!position.ok())
        return position.error;
    if (!s.cbMicEMsg.setIndex(UnpackMessageCode(position.value).micEIndex))
        return CfgError::InvalidPropertyValue;
    const Converted<int> flags = LenientWhole(value);
    if (!flags.ok())
        return flags.error;
    return Refused(s.chkAutoReply.setValue(UnpackMessageCode(flags.value).autoReply));
}

CfgError ApplyFirstGroup(TrackerSettings &s, Group &v)
{
    return FirstFailure(
        [&] { return SetText(s.edComm, v[0]); }, [&] { return SetText(s.edNumFlagsAuto, v[1]); },
        [&] { return SetText(s.edMsgRepeat, v[2]); }, [&] { return ApplyMessageCode(s, v[3]); },
        [&] { return SetText(s.edSymbol, v[4]); }, [&] { return SetCheck(s.chkTable, v[5]); });
}

CfgError ApplySpeedGroup(TrackerSettings &s, Group &v)
{
    for (size_t i = 0; i < s.esSpeedTable.size(); ++i) {
        if (const CfgError e = SetText(s.esSpeedTable[i], v[i]); e != CfgError::None)
            return e;
    }
    return CfgError::None;
}

// The status code, by its lenient reading.
CfgError ApplyStatusCode(TrackerSettings &s, const CfgValue &value)
{
    const Converted<int> n = LenientWhole(value);
    if (!n.ok())
        return n.error;
    const StatusCode status = UnpackStatusCode(n.value);
    if (!s.edBcnEvery.setText(FormatWithDigits(status.every, s.edBcnEvery.positions())))
        return CfgError::InvalidPropertyValue;
    return Refused(s.chkRxPosition.setValue(status.rxPosition));
}

CfgError ApplyTimingGroup(TrackerSettings &s, Group &v)
{
    if (const CfgError e = SetText(s.edManualTime, v[0]); e != CfgError::None)
        return e;
    if (const CfgError e = ApplyStatusCode(s, v[1]); e != CfgError::None)
        return e;
    MaskedField *const texts[] = {&s.edGpsAcqTime, &s.edMyCall,   &s.edAprsPath,
                                  &s.edBeacon,     &s.edDestCall, &s.edAprsMsg};
    for (size_t i = 0; i < std::size(texts); ++i) {
        if (const CfgError e = SetText(*texts[i], v[i + 2]); e != CfgError::None)
            return e;
    }
    return CfgError::None;
}

CfgError ApplyCalculatorGroup(CalculatorSettings &c, Group &v)
{
    return FirstFailure([&] { return SetText(c.txtLat, v[0]); },
                        [&] { return SetText(c.txtLng, v[1]); },
                        [&] { return SetCheck(c.chkCent, v[2]); },
                        [&] {
                            const Converted<bool> normal = TruthOf(v[3]);
                            if (normal.ok())
                                c.optLLtoNorm.setSelected(normal.value);
                            return normal.error;
                        });
}

CfgError LoadGroups(RecordReader &reader, SettingsModel &model, Group &v)
{
    TrackerSettings &s = model.tracker;
    return FirstFailure([&] { return v.read(reader, 6); }, [&] { return ApplyFirstGroup(s, v); },
                        [&] { return v.read(reader, 7); }, [&] { return ApplySpeedGroup(s, v); },
                        [&] { return v.read(reader, 8); }, [&] { return ApplyTimingGroup(s, v); },
                        [&] { return v.read(reader, 4); },
                        [&] { return ApplyCalculatorGroup(model.calculator, v); },
                        [&] {
                            Q_EMIT model.calculator.loaded();
                            return CfgError::None;
                        });
}

} // namespace

CfgResult LoadConfig(QIODevice &input, SettingsModel &model)
{
    RecordReader reader(input);
    Group group;
    const CfgError error = LoadGroups(reader, model, group);
    return error == CfgError::None ? CfgResult::Success() : group.stopped(error);
}

CfgResult LoadConfigFile(const QString &path, SettingsModel &model)
{
    QFile file;
    if (CfgResult opened = OpenForLoad(file, path); !opened.ok())
        return opened;
    return LoadConfig(file, model); // the file closes on every path
}

} // namespace tarvek
