#include "RtfReader.h"

#include "RtfParser.h"

namespace tarvek::rtf
{

Document readRtf(QByteArrayView input, const ReadLimits &limits)
{
    return RtfParser(input, limits).run();
}

} // namespace tarvek::rtf
