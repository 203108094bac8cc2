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
using Group = std::array<CfgValue, kMaxGroup>;

CfgError ReadGroup(RecordReader &reader, int count, Group &group)
{
    for (int i = 0; i < count; ++i) {
        if (const CfgError e = reader.next(group[static_cast<size_t>(i)]); e != CfgError::None)
            return e;
    }
    return CfgError::None;
}

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

CfgError ApplyFirstGroup(TrackerSettings &s, const Group &v)
{
    return FirstFailure(
        [&] { return SetText(s.edComm, v[0]); }, [&] { return SetText(s.edNumFlagsAuto, v[1]); },
        [&] { return SetText(s.edMsgRepeat, v[2]); }, [&] { return ApplyMessageCode(s, v[3]); },
        [&] { return SetText(s.edSymbol, v[4]); }, [&] { return SetCheck(s.chkTable, v[5]); });
}

CfgError ApplySpeedGroup(TrackerSettings &s, const Group &v)
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

CfgError ApplyTimingGroup(TrackerSettings &s, const Group &v)
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

CfgError ApplyCalculatorGroup(CalculatorSettings &c, const Group &v)
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

CfgError LoadGroups(RecordReader &reader, SettingsModel &model)
{
    TrackerSettings &s = model.tracker;
    Group v;
    return FirstFailure(
        [&] { return ReadGroup(reader, 6, v); }, [&] { return ApplyFirstGroup(s, v); },
        [&] { return ReadGroup(reader, 7, v); }, [&] { return ApplySpeedGroup(s, v); },
        [&] { return ReadGroup(reader, 8, v); }, [&] { return ApplyTimingGroup(s, v); },
        [&] { return ReadGroup(reader, 4, v); },
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
    const CfgError error = LoadGroups(reader, model);
    return error == CfgError::None ? CfgResult::Success() : CfgResult::Failure(error);
}

CfgResult LoadConfigFile(const QString &path, SettingsModel &model)
{
    QFile file;
    if (CfgResult opened = OpenForLoad(file, path); !opened.ok())
        return opened;
    return LoadConfig(file, model); // the file closes on every path
}

} // namespace tarvek
