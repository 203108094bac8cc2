// Save: the 25 values in ten lines, written into a new file that replaces the
// target only when every line is in it.
#include "CfgConversions.h"
#include "ConfigFile.h"
#include "FileOpening.h"
#include "PackedCodes.h"
#include "RecordWriter.h"

#include <QSaveFile>

namespace tarvek
{
namespace
{

// Whole numbers of the file are computed in signed 16-bit arithmetic; the
// controls' ranges keep both codes far inside it.
int MessageCode(const TrackerSettings &s)
{
    return PackMessageCode({s.cbMicEMsg.index(), s.chkAutoReply.value()});
}

RecordLine FirstLine(const TrackerSettings &s)
{
    RecordLine line;
    line.text(s.edComm.text()).text(s.edNumFlagsAuto.text()).text(s.edMsgRepeat.text());
    line.whole(MessageCode(s)).text(s.edSymbol.text()).whole(s.chkTable.value());
    return line;
}

// Line 9. The status code needs edBcnEvery to be wholly a number: a field
// with an unfilled position ("3__") is a type mismatch.
Converted<RecordLine> TimingLine(const TrackerSettings &s)
{
    const Converted<int> every = StrictWhole(s.edBcnEvery.text());
    if (!every.ok())
        return {{}, every.error};
    RecordLine line;
    line.text(s.edManualTime.text()).whole(PackStatusCode({every.value, s.chkRxPosition.value()}));
    line.text(s.edGpsAcqTime.text()).text(s.edMyCall.text()).text(s.edAprsPath.text());
    line.text(s.edBeacon.text()).text(s.edDestCall.text()).text(s.edAprsMsg.text());
    return {line};
}

RecordLine CalculatorLine(const CalculatorSettings &c)
{
    RecordLine line;
    line.text(c.txtLat.text()).text(c.txtLng.text()).whole(c.chkCent.value());
    line.truth(c.optLLtoNorm.isSelected());
    return line;
}

class LineSink
{
public:
    explicit LineSink(QSaveFile &file) : m_file(file) {}
    void write(const RecordLine &line)
    {
        const QByteArray bytes = line.bytes();
        if (m_file.write(bytes) != bytes.size())
            m_failed = true;
    }
    bool failed() const { return m_failed; }

private:
    QSaveFile &m_file;
    bool m_failed = false;
};

CfgResult WriteFailure(const QSaveFile &file)
{
    return CfgResult::Failure(CfgError::DeviceIo, file.errorString());
}

} // namespace

CfgResult SaveConfigFile(const QString &path, SettingsModel &model, const CalculatorHooks &hooks)
{
    QSaveFile file;
    if (CfgResult opened = OpenForSave(file, path); !opened.ok())
        return opened;
    const TrackerSettings &s = model.tracker;
    LineSink sink(file);
    sink.write(FirstLine(s));
    for (const MaskedField &band : s.esSpeedTable)
        sink.write(RecordLine().text(band.text()));
    const Converted<RecordLine> timing = TimingLine(s);
    if (!timing.ok()) {
        file.cancelWriting(); // the previous file stays as it was
        return CfgResult::Failure(timing.error);
    }
    sink.write(timing.value);
    if (hooks.obtain)
        hooks.obtain();
    sink.write(CalculatorLine(model.calculator));
    if (sink.failed()) {
        CfgResult failure = WriteFailure(file);
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return WriteFailure(file);
    return CfgResult::Success();
}

} // namespace tarvek
