#pragma once
// A code page other than Windows-1252, decoded with what the system offers:
// Qt's converters (ICU) on Linux (SystemCodePagePosix.cpp), the Windows
// code-page tables through MultiByteToWideChar on Windows
// (SystemCodePageWindows.cpp). Decoding keeps its state between calls, so a
// double-byte character split across two runs of text still decodes.
#include <QString>
#include <memory>
#include <string_view>

namespace tarvek::rtf
{

class SystemCodePage
{
public:
    explicit SystemCodePage(int codePage);
    ~SystemCodePage();
    SystemCodePage(const SystemCodePage &) = delete;
    SystemCodePage &operator=(const SystemCodePage &) = delete;

    // Whether the system can decode this code page.
    bool isValid() const;
    void decode(std::string_view bytes, QString &out);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace tarvek::rtf
