// Any bytes must read without crash, hang or unbounded memory.
#include "RtfReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto document =
        tarvek::rtf::readRtf(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    (void)document.plainText();
    return 0;
}
