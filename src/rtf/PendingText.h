#pragma once
// The text bytes of the current run, waiting to be decoded. A run is decoded
// as a whole, in the code page in force when it ends, so a multi-byte
// character written as several \'hh escapes comes out whole.
#include "CodePage.h"

#include <QString>

#include <string>
#include <string_view>

namespace tarvek::rtf
{

class PendingText
{
public:
    void append(std::string_view bytes) { m_bytes.append(bytes); }
    void append(char byte) { m_bytes.push_back(byte); }
    bool isEmpty() const { return m_bytes.empty(); }

    // The run decoded in `codePage`, without the control characters (tab
    // aside) that only damage leaves in text; the run starts again empty.
    QString take(int codePage);

    // The code page that decoding in `codePage` really uses (the default one
    // when the platform lacks it).
    int usableCodePage(int codePage) { return m_decoders.forCodePage(codePage).codePage(); }

private:
    std::string m_bytes;
    CodePageDecoders m_decoders;
};

} // namespace tarvek::rtf
