#pragma once
// The control words that set a group's character or paragraph format, and
// how a word's parameter reads as a length or a switch.
#include "RtfDocument.h"
#include "RtfKeywords.h"
#include "RtfReader.h"
#include "RtfTokenizer.h"

namespace tarvek::rtf
{

// A length in twips, clamped to what a page can hold (limits.maxTwips).
int twipsParam(const Token &token, const ReadLimits &limits);
// A switch: on unless its parameter is 0 (\b on, \b0 off).
bool switchParam(const Token &token);

// Applies a character-format word to `format` (\v and \plain also set
// `hidden`). Returns whether `keyword` was one.
bool applyCharacterWord(Keyword keyword, const Token &token, const ReadLimits &limits,
                        CharFormat &format, bool &hidden);

// Applies a paragraph-format word to `format`. Returns whether `keyword`
// was one.
bool applyParagraphWord(Keyword keyword, const Token &token, const ReadLimits &limits,
                        ParagraphFormat &format);

} // namespace tarvek::rtf
