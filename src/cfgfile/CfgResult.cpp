#include "CfgResult.h"

namespace tarvek::cfgfile
{

QString cfgErrorDescription(CfgError error)
{
    switch (error) {
    case CfgError::None:
        return {};
    case CfgError::InputPastEnd:
        return QStringLiteral("Input past end of file");
    case CfgError::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case CfgError::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case CfgError::Overflow:
        return QStringLiteral("Overflow");
    case CfgError::FileNotFound:
        return QStringLiteral("File not found");
    case CfgError::PathNotFound:
        return QStringLiteral("Path not found");
    case CfgError::PermissionDenied:
        return QStringLiteral("Permission denied");
    case CfgError::PathFileAccess:
        return QStringLiteral("Path/File access error");
    case CfgError::BadFileName:
        return QStringLiteral("Bad file name");
    case CfgError::ValueTooLong:
        return QStringLiteral("Value too long");
    case CfgError::DeviceIo:
        return QStringLiteral("Device I/O error");
    }
    return QStringLiteral("Unknown error");
}

} // namespace tarvek::cfgfile
