#pragma once
// Reads an RTF document into the model of RtfDocument.h. Any byte sequence is
// accepted: damaged input gives whatever could be read, never an error. Work
// and memory are bounded by the limits below and by the input's size.
#include "RtfDocument.h"

#include <QByteArrayView>

namespace tarvek::rtf
{

// Everything the reader keeps at most. What lies beyond a limit is dropped or
// cut to it, and the reading goes on. Each limit is meant to be at least 1.
struct ReadLimits {
    // Work and memory.
    qint64 maxFileBytes = 128 * 1024 * 1024;      // a file is read up to this
    int maxGroupDepth = 256;                      // deeper groups share the state at this depth
    qsizetype maxPictureBytes = 16 * 1024 * 1024; // a larger picture is dropped
    qsizetype maxAllPictureBytes = 64 * 1024 * 1024;
    qsizetype maxTextCharacters = 32 * 1024 * 1024;
    int maxParagraphs = 500'000;
    int maxInlines = 2'000'000;
    int maxControlWordLength = 32; // longer control word names are cut
    int maxReportedNames = 32;     // distinct names in each list of the ReadReport

    // Tables, lists and their entries.
    int maxFonts = 4096;          // font table entries
    int maxFontNameLength = 128;  // a font name grows no more once it is this long
    int maxColors = 4096;         // colour table entries
    int maxCellEdges = 64;        // cell right edges (\cellxN) kept for one row
    int maxTabStops = 32;         // of one paragraph
    int maxListLevel = 8;         // list levels count from 0
    int maxListMarkerLength = 64; // a list marker grows no more once it is this long

    // Values, cut to these.
    int maxTwips = 31680;         // lengths, either sign: a 22-inch page
    int maxFontHalfPoints = 3276; // \fsN
    int maxPictureScale = 1000;   // \picscalexN and \picscaleyN, in percent
    int maxUnicodeSkip = 16;      // \ucN: the fallback bytes after each \uN
};

Document readRtf(QByteArrayView input, const ReadLimits &limits = {});

} // namespace tarvek::rtf
