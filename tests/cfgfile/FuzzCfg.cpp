// Arbitrary bytes as a .cfg file: the reader and Load must end with success
// or a failure, never crash, hang or read without bound.
#include "ConfigFile.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer input;
    input.setData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    input.open(QIODevice::ReadOnly);
    tarvek::config::SettingsModel model;
    tarvek::config::loadDefaults(model.tracker);
    int clicks = 0;
    QObject::connect(&model.calculator, &tarvek::config::CalculatorSettings::loaded,
                     [&] { ++clicks; });
    const tarvek::cfgfile::CfgResult result = tarvek::cfgfile::loadConfig(input, model);
    // `loaded` is signalled exactly on success, and a failure always has its text.
    if (result.ok() != (clicks == 1) || result.ok() == !result.reason.isEmpty() ||
        input.pos() > 25 * 2 * 65536)
        std::abort();
    return 0;
}
