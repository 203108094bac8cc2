#pragma once
// What tarvek-cli tells about its inputs and a rejected build: texts that
// name the file, line, setting and value concerned.
#include "BlockBuilder.h"
#include "CfgResult.h"
#include "OnAirWarnings.h"
#include "TrackerSettings.h"
#include "VerbTable.h"

#include <QString>

namespace tarvek::cli
{

// "--cfg PATH: line 9, edMyCall (callsign) "X": Invalid property value";
// "--cfg PATH: File not found" when the load stopped before any value.
QString cfgFailureText(const QString &path, const cfgfile::CfgResult &result);

// Reports a rejected build on standard error: the window's message, then the
// setting by both names, its text and the rule it broke. Returns ExitFailed.
int failRejected(const Verb &verb, const config::BuildResult &rejection);

// {"control": ..., "text": ..., "reason": ...}
QString rejectionJson(const config::BuildResult &rejection);

// The window upper-cases callsigns as they are typed; --set and --cfg take
// texts as they are. Warns on standard error for each callsign field that
// holds lower-case letters.
void warnLowerCaseCallsigns(const Verb &verb, config::SettingsModel &model);

// Prints each on-air warning of the settings on standard error, as the
// lower-case warning does: `warning: edAprsPath (path) "RELAY,WIDE": ...`.
// Returns them, for --json.
std::vector<config::OnAirWarning> warnOnAir(const Verb &verb,
                                            const config::TrackerSettings &settings);

// [{"control": ..., "text": ..., "reason": ...}, ...]; [] for none.
QString warningsJson(const std::vector<config::OnAirWarning> &warnings);

} // namespace tarvek::cli
