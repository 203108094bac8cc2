#pragma once
// The control names of the settings, for code that names one setting. They
// are keys that users, files and tests see: the widgets' objectName,
// tarvek-cli's names and the settings description's key column.

namespace tarvek::config::key
{

inline constexpr char kPort[] = "edComm";
inline constexpr char kTxDelay[] = "edNumFlagsAuto";
inline constexpr char kMessageRetries[] = "edMsgRepeat";
inline constexpr char kMicEMessage[] = "cbMicEMsg";
inline constexpr char kAutoReply[] = "chkAutoReply";
inline constexpr char kSymbol[] = "edSymbol";
inline constexpr char kAlternateTable[] = "chkTable";
inline constexpr char kGpsInterval[] = "edGpsCheckTime";
inline constexpr char kGpsTimeout[] = "edGpsAcqTime";
inline constexpr char kManualInterval[] = "edManualTime";
inline constexpr char kStatusEvery[] = "edBcnEvery";
inline constexpr char kHideReceived[] = "chkRxPosition";
inline constexpr char kCallsign[] = "edMyCall";
inline constexpr char kPath[] = "edAprsPath";
inline constexpr char kStatusText[] = "edBeacon";
inline constexpr char kMessageTo[] = "edDestCall";
inline constexpr char kMessage[] = "edAprsMsg";
inline constexpr char kLatitude[] = "txtLat";
inline constexpr char kLongitude[] = "txtLng";
inline constexpr char kHundredths[] = "chkCent";
inline constexpr char kNormalForm[] = "optLLtoNorm";
inline constexpr const char *kSpeedIntervals[] = {
    "esSpeedTable(0)", "esSpeedTable(1)", "esSpeedTable(2)", "esSpeedTable(3)",
    "esSpeedTable(4)", "esSpeedTable(5)", "esSpeedTable(6)"};

} // namespace tarvek::config::key
