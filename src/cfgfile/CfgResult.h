#pragma once
// The outcome of a file command: success, or the failure with the text shown
// to the operator. The texts are the classic run-time error descriptions that
// operators of this program know ("Type mismatch", "File not found", ...).
#include <QString>

namespace tarvek::cfgfile
{

enum class CfgError {
    None,
    InputPastEnd,         // "Input past end of file": a value asked for, none left
    TypeMismatch,         // a value that does not convert to the kind needed
    InvalidPropertyValue, // a value that its control refuses
    Overflow,             // a whole number outside the range of its conversion
    FileNotFound,         // the file to load does not exist
    PathNotFound,         // its folder does not exist
    PermissionDenied,     // no right to read or replace the file
    PathFileAccess,       // the name is a folder, or the file cannot be opened otherwise
    BadFileName,          // an empty file name
    ValueTooLong,         // a value far longer than any setting (damaged file)
    DeviceIo,             // reading or writing the file failed
};

// The description of `error` as shown in the failure message box.
QString cfgErrorDescription(CfgError error);

struct CfgResult {
    CfgError error = CfgError::None; // which failure, for the callers that tell them apart
    QString reason;                  // the text shown to the operator; empty on success
    // Where a load stopped at a value: the line (from 1) it begins on, the
    // control it was for and the value as read (empty when none was left).
    // 0 and empty for every other result.
    int line = 0;
    QString setting;
    QString value;

    bool ok() const { return reason.isEmpty(); }

    static CfgResult success() { return {}; }
    static CfgResult failure(CfgError error) { return failure(error, QString()); }
    // A failure with the platform's own wording (for example a write error).
    static CfgResult failure(CfgError error, const QString &description)
    {
        CfgResult result;
        result.error = error;
        result.reason = description.isEmpty() ? cfgErrorDescription(error) : description;
        return result;
    }
};

} // namespace tarvek::cfgfile
