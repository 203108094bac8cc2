// Code pages through the tables Windows itself has (MultiByteToWideChar).
#include "SystemCodePage.h"

#include <string>
#include <windows.h>

namespace tarvek::rtf
{

struct SystemCodePage::State {
    UINT codePage = 0;
    bool valid = false;
    std::string pending; // a lead byte whose second byte is still to come
};

SystemCodePage::SystemCodePage(int codePage) : m_state(std::make_unique<State>())
{
    CPINFO info{};
    m_state->codePage = static_cast<UINT>(codePage);
    m_state->valid = codePage > 0 && GetCPInfo(m_state->codePage, &info);
}

SystemCodePage::~SystemCodePage() = default;

bool SystemCodePage::isValid() const
{
    return m_state->valid;
}

void SystemCodePage::decode(std::string_view bytes, QString &out)
{
    std::string text = std::move(m_state->pending) + std::string(bytes);
    m_state->pending.clear();
    // A double-byte code page's lead byte at the very end waits for the next
    // run; counting lead bytes from the start tells a lead from a trail.
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsDBCSLeadByteEx(m_state->codePage, static_cast<BYTE>(text[i])))
            continue;
        if (i + 1 == text.size()) {
            m_state->pending = text.substr(i);
            text.resize(i);
            break;
        }
        ++i;
    }
    if (text.empty())
        return;
    const int length = MultiByteToWideChar(m_state->codePage, 0, text.data(),
                                           static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(m_state->codePage, 0, text.data(), static_cast<int>(text.size()),
                        wide.data(), length);
    out += QString::fromStdWString(wide);
}

} // namespace tarvek::rtf
