#pragma once
// Small helpers shared by the reader tests.
#include "RtfReader.h"

#include <QString>

#include <string>

namespace tarvek::rtf::test
{

inline Document read(const std::string &rtf)
{
    return readRtf(QByteArrayView(rtf.data(), qsizetype(rtf.size())));
}

inline QString textOf(const std::string &rtf)
{
    return read(rtf).plainText();
}

inline const Paragraph &paragraphAt(const Document &document, int index)
{
    return std::get<Paragraph>(document.blocks.at(index));
}

} // namespace tarvek::rtf::test
