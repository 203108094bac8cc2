#pragma once
// Reads an RTF document into the model of RtfDocument.h. Any byte sequence is
// accepted: damaged input gives whatever could be read, never an error. Work
// and memory are bounded by the limits below and by the input's size.
#include "RtfDocument.h"

#include <QByteArrayView>

namespace tarvek::rtf
{

struct ReadLimits {
    int maxGroupDepth = 256;                      // deeper groups share the state at this depth
    qsizetype maxPictureBytes = 16 * 1024 * 1024; // a larger picture is dropped
    qsizetype maxAllPictureBytes = 64 * 1024 * 1024;
    qsizetype maxTextCharacters = 32 * 1024 * 1024;
    int maxParagraphs = 500'000;
    int maxInlines = 2'000'000;
};

Document readRtf(QByteArrayView input, const ReadLimits &limits = {});

} // namespace tarvek::rtf
