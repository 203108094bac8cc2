#pragma once
// Turns the 8-bit text of an RTF file (\'hh escapes and bytes above 127) into
// Unicode using the code page that is in force: the document's \ansicpgN, or
// the one implied by the current font's \fcharsetN. Windows-1252 is built in;
// other code pages are the system's (SystemCodePage.h), and fall back to
// Windows-1252 where the system lacks one.
#include "RtfKeywords.h"
#include "SystemCodePage.h"

#include <QString>

#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace tarvek::rtf
{

inline constexpr int kDefaultCodePage = 1252;
// The code page number Windows uses for the Symbol font's private encoding.
inline constexpr int kSymbolCodePage = 42;

// The code page that a font's \fcharsetN implies; 0 when the charset says
// nothing beyond the document's default (ANSI or "default").
int codePageForCharset(int charset);

// The code page that a character-set word asks for (\ansi, \mac, \pc, \pca,
// \ansicpgN with its parameter); nothing for any other word.
std::optional<int> codePageOfWord(Keyword keyword, int param);

class CodePageDecoder
{
public:
    explicit CodePageDecoder(int codePage);

    // The code page really used: kDefaultCodePage when the requested one is
    // not available.
    int codePage() const { return m_codePage; }
    void append(std::string_view bytes, QString &out);

private:
    int m_codePage;
    std::unique_ptr<SystemCodePage> m_system; // none for 1252 and Symbol
};

// Keeps one decoder per code page met in a document.
class CodePageDecoders
{
public:
    CodePageDecoder &forCodePage(int codePage);

private:
    std::unordered_map<int, std::unique_ptr<CodePageDecoder>> m_decoders;
};

} // namespace tarvek::rtf
