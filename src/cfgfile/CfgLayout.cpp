#include "CfgLayout.h"

#include <algorithm>

using namespace tarvek::config;

namespace tarvek::cfgfile
{

namespace
{

std::vector<const SettingDescription *> sortedByPlace()
{
    std::vector<const SettingDescription *> order;
    for (const SettingDescription &setting : allSettings()) {
        if (setting.cfg.line > 0)
            order.push_back(&setting);
    }
    std::ranges::sort(order, {}, [](const SettingDescription *setting) {
        return std::pair(setting->cfg.line, setting->cfg.position);
    });
    return order;
}

} // namespace

const std::vector<const SettingDescription *> &cfgFileOrder()
{
    static const std::vector<const SettingDescription *> kOrder = sortedByPlace();
    return kOrder;
}

} // namespace tarvek::cfgfile
