// Save: the 25 values in ten lines, written into a new file that replaces the
// target only when every line is in it.
#include "CfgConversions.h"
#include "ConfigFile.h"
#include "FileOpening.h"
#include "PackedCodes.h"
#include "RecordWriter.h"

#include <QSaveFile>

using namespace tarvek::config;

namespace tarvek::cfgfile
{
namespace
{

// Whole numbers of the file are computed in signed 16-bit arithmetic; the
// controls' ranges keep both codes far inside it.
int messageCodeOf(const TrackerSettings &s)
{
    return packMessageCode({s.micEMessage.index(), s.autoReply.value()});
}

RecordLine firstLine(const TrackerSettings &s)
{
    RecordLine line;
    line.text(s.port.text()).text(s.txDelay.text()).text(s.messageRetries.text());
    line.whole(messageCodeOf(s)).text(s.symbol.text()).whole(s.alternateTable.value());
    return line;
}

// Line 9. The status code needs edBcnEvery to be wholly a number: a field
// with an unfilled position ("3__") is a type mismatch.
Converted<RecordLine> timingLine(const TrackerSettings &s)
{
    const Converted<int> every = strictWhole(s.statusEvery.text());
    if (!every.ok())
        return {{}, every.error};
    RecordLine line;
    line.text(s.manualInterval.text()).whole(packStatusCode({every.value, s.hideReceived.value()}));
    line.text(s.gpsTimeout.text()).text(s.callsign.text()).text(s.path.text());
    line.text(s.statusText.text()).text(s.messageTo.text()).text(s.message.text());
    return {line};
}

RecordLine calculatorLine(const CalculatorSettings &c)
{
    RecordLine line;
    line.text(c.latitude.text()).text(c.longitude.text()).whole(c.hundredths.value());
    line.truth(c.normalForm.isSelected());
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
        m_written += bytes.size();
    }
    // Whether everything written is in the file. QFileDevice buffers the
    // lines, and where the system takes only part of a write (a full disk,
    // a file size limit) and then refuses the rest, Qt 6.4 reports no error:
    // the file's size tells.
    bool complete() { return !m_failed && m_file.flush() && m_file.size() == m_written; }

private:
    QSaveFile &m_file;
    bool m_failed = false;
    qint64 m_written = 0;
};

CfgResult writeFailure(const QSaveFile &file)
{
    if (file.error() == QFileDevice::NoError)
        return CfgResult::failure(CfgError::DeviceIo);
    return CfgResult::failure(CfgError::DeviceIo, file.errorString());
}

} // namespace

CfgResult saveConfigFile(const QString &path, const SettingsModel &model)
{
    const TrackerSettings &s = model.tracker;
    // The one line that can fail to gather is gathered before the file is
    // opened, so that such a failure leaves the file as it was even where it
    // is written in place.
    const Converted<RecordLine> timing = timingLine(s);
    if (!timing.ok()) {
        // A file that could not be opened is reported first, as when opening.
        if (CfgResult checked = checkSaveTarget(path); !checked.ok())
            return checked;
        return CfgResult::failure(timing.error);
    }
    QSaveFile file;
    if (CfgResult opened = openForSave(file, path); !opened.ok())
        return opened;
    LineSink sink(file);
    sink.write(firstLine(s));
    for (const MaskedField &band : s.speedIntervals)
        sink.write(RecordLine().text(band.text()));
    sink.write(timing.value);
    sink.write(calculatorLine(model.calculator));
    if (!sink.complete()) {
        CfgResult failure = writeFailure(file);
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return writeFailure(file);
    return CfgResult::success();
}

} // namespace tarvek::cfgfile
