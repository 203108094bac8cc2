#pragma once
// The order of the values in a .cfg file, as the settings description places
// them (its cfg column): Save writes and Load reads by it.
#include "SettingsDescription.h"

#include <vector>

namespace tarvek::cfgfile
{

// The settings the file holds, by line and then position; made once, for the
// life of the program.
const std::vector<const config::SettingDescription *> &cfgFileOrder();

} // namespace tarvek::cfgfile
