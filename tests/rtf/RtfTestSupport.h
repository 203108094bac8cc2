#pragma once
// Small helpers shared by the reader tests.
#include "RtfReader.h"

#include <QString>

#include <string>

namespace tarvek::testing
{

inline rtf::Document read(const std::string &rtf)
{
    return rtf::readRtf(QByteArrayView(rtf.data(), qsizetype(rtf.size())));
}

inline QString textOf(const std::string &rtf)
{
    return read(rtf).plainText();
}

inline const rtf::Paragraph &paragraphAt(const rtf::Document &document, int index)
{
    return std::get<rtf::Paragraph>(document.blocks.at(index));
}

} // namespace tarvek::testing
