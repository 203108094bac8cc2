// Save: every value at its place, written into a new file that replaces the
// target only when every line is in it.
#include "CfgConversions.h"
#include "CfgLayout.h"
#include "ConfigFile.h"
#include "FileOpening.h"
#include "OptionButton.h"
#include "PackedCodes.h"
#include "RecordWriter.h"

#include <QSaveFile>

#include <chrono>
#include <thread>

using namespace tarvek::config;

namespace tarvek::cfgfile
{
namespace
{

// Appends the setting's value in its coding. Only the status code can fail:
// it needs edBcnEvery to be wholly a number, and a field with an unfilled
// position ("3__") is a type mismatch. Whole numbers of the file are computed
// in signed 16-bit arithmetic; the controls' ranges keep both codes far
// inside it.
CfgError appendValue(RecordLine &line, const SettingDescription &setting,
                     const SettingsModel &model)
{
    const ReadOnlyControl control = controlOf(setting, model);
    const TrackerSettings &s = model.tracker;
    switch (setting.cfg.coding) {
    case CfgCoding::Text:
        line.text(controlAs<const MaskedField>(control).text());
        break;
    case CfgCoding::Whole:
        line.whole(controlAs<const CheckBox>(control).value());
        break;
    case CfgCoding::MicEMessageCode:
        line.whole(packMessageCode({s.micEMessage.index(), s.autoReply.value()}));
        break;
    case CfgCoding::StatusEveryCode: {
        const Converted<int> every = strictWhole(s.statusEvery.text());
        if (!every.converted())
            return every.error;
        line.whole(packStatusCode({every.value, s.hideReceived.value()}));
        break;
    }
    case CfgCoding::Truth:
        line.truth(controlAs<const OptionButton>(control).isSelected());
        break;
    case CfgCoding::None:
        break;
    }
    return CfgError::None;
}

// The whole file, gathered before anything is written, so that a value that
// cannot be written leaves the file as it was even where it is written in
// place.
Converted<QList<RecordLine>> gatherLines(const SettingsModel &model)
{
    QList<RecordLine> lines;
    for (const SettingDescription *setting : cfgFileOrder()) {
        if (lines.size() < setting->cfg.line)
            lines.resize(setting->cfg.line);
        const CfgError error = appendValue(lines.back(), *setting, model);
        if (error != CfgError::None)
            return {{}, error};
    }
    return {lines};
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
    // Whether everything written is in the file. Where the system takes only
    // part of a write and refuses the rest (a full disk, a file size limit),
    // QFileDevice's write() or flush() reports it (Qt 6.4 does, in flush()).
    // The file's size is compared as well, so that a cut-short file is never
    // committed should a Qt version's buffering let such a write pass
    // unreported. A pipe or a device written in place keeps no size and fails
    // this comparison, although its bytes were delivered.
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

// A virus scanner, the search indexer or a sync client may hold the target
// for a moment and refuse its replacement. The final rename is then tried
// again a few times before the save fails. Qt reports that refusal as
// RenameError without the system's code; the new file has been written
// beside the target by then, so what is refused is the replacement itself
// (on Windows a sharing or access violation).
constexpr int kReplaceRetries = 3;
constexpr std::chrono::milliseconds kReplacePause{100};

struct SaveAttempt {
    CfgResult result;
    bool replaceRefused = false;
};

// Writes every line into a new file and puts it in the target's place. A
// refused replacement removes the new file (QSaveFile does), so each attempt
// writes it afresh.
SaveAttempt writeAndReplace(const QString &path, const QList<RecordLine> &lines)
{
    QSaveFile file;
    if (CfgResult opened = openForSave(file, path); !opened.ok())
        return {opened};
    LineSink sink(file);
    for (const RecordLine &line : lines)
        sink.write(line);
    if (!sink.complete()) {
        CfgResult failure = writeFailure(file);
        file.cancelWriting();
        return {failure};
    }
    if (!file.commit())
        return {writeFailure(file), file.error() == QFileDevice::RenameError};
    return {CfgResult::success()};
}

} // namespace

CfgResult saveConfigFile(const QString &path, const SettingsModel &model)
{
    const Converted<QList<RecordLine>> lines = gatherLines(model);
    if (!lines.converted()) {
        // A file that could not be opened is reported first, as when opening.
        if (CfgResult checked = checkSaveTarget(path); !checked.ok())
            return checked;
        return CfgResult::failure(lines.error);
    }
    SaveAttempt attempt = writeAndReplace(path, lines.value);
    for (int retry = 0; attempt.replaceRefused && retry < kReplaceRetries; ++retry) {
        std::this_thread::sleep_for(kReplacePause);
        attempt = writeAndReplace(path, lines.value);
    }
    return attempt.result;
}

} // namespace tarvek::cfgfile
