#include "RecordReader.h"

#include "Cp1252.h"

#include <QIODevice>

using namespace tarvek::config;

namespace tarvek::cfgfile
{
namespace
{

constexpr qint64 kChunkSize = 16 * 1024;

QChar charOf(int byte)
{
    return QChar(static_cast<char16_t>(cp1252Char(static_cast<unsigned char>(byte))));
}

} // namespace

RecordReader::RecordReader(QIODevice &input) : m_input(input)
{
}

int RecordReader::peek()
{
    if (m_pos >= m_buffer.size()) {
        if (m_exhausted)
            return kEnd;
        m_buffer = m_input.read(kChunkSize);
        m_pos = 0;
        if (m_buffer.isEmpty()) {
            m_exhausted = true;
            m_readError = !m_input.atEnd();
            return kEnd;
        }
    }
    return static_cast<unsigned char>(m_buffer.at(m_pos));
}

void RecordReader::advance()
{
    if (m_pos >= m_buffer.size())
        return;
    const char c = m_buffer.at(m_pos++);
    if (c == '\r' || (c == '\n' && !m_afterCr))
        ++m_linesEnded;
    m_afterCr = c == '\r';
}

CfgError RecordReader::consume()
{
    if (--m_budget < 0)
        return CfgError::ValueTooLong;
    advance();
    return CfgError::None;
}

bool RecordReader::atSeparator()
{
    const int c = peek();
    return c == ',' || c == '\r' || c == '\n' || c == kEnd;
}

void RecordReader::takeSeparator()
{
    const int c = peek();
    if (c == kEnd)
        return;
    advance();
    if (c == '\r' && peek() == '\n')
        advance();
}

CfgError RecordReader::next(CfgValue &value)
{
    m_budget = kMaxValueBytes;
    // Spaces end no line: the value is on the line its leading spaces start,
    // also when there are too many of them.
    m_valueLine = m_linesEnded + 1;
    while (peek() == ' ') {
        if (const CfgError e = consume(); e != CfgError::None)
            return e;
    }
    if (peek() == kEnd)
        return m_readError ? CfgError::DeviceIo : CfgError::InputPastEnd;
    QString text;
    const bool quoted = peek() == '"';
    if (quoted)
        advance();
    if (const CfgError e = quoted ? readQuoted(text) : readUnquoted(text); e != CfgError::None)
        return e;
    if (m_readError)
        return CfgError::DeviceIo; // the value may be cut short
    value = quoted ? CfgValue::fromText(std::move(text)) : classifyUnquoted(text);
    return CfgError::None;
}

CfgError RecordReader::readQuoted(QString &text)
{
    for (int c = peek(); c != kEnd; c = peek()) {
        if (const CfgError e = consume(); e != CfgError::None)
            return e;
        if (c == '"') {
            if (peek() != '"')
                return skipToSeparator();
            advance(); // a doubled quote stands for one
        }
        text.append(charOf(c));
    }
    return CfgError::None; // a quote that never closes ends with the input
}

CfgError RecordReader::skipToSeparator()
{
    while (!atSeparator()) {
        if (const CfgError e = consume(); e != CfgError::None)
            return e;
    }
    takeSeparator();
    return CfgError::None;
}

CfgError RecordReader::readUnquoted(QString &text)
{
    while (!atSeparator()) {
        text.append(charOf(peek()));
        if (const CfgError e = consume(); e != CfgError::None)
            return e;
    }
    takeSeparator();
    while (text.endsWith(u' '))
        text.chop(1);
    return CfgError::None;
}

CfgValue classifyUnquoted(const QString &text)
{
    if (text.isEmpty())
        return CfgValue::emptyValue();
    if (text == QLatin1String("#TRUE#"))
        return CfgValue::fromTruth(true);
    if (text == QLatin1String("#FALSE#"))
        return CfgValue::fromTruth(false);
    if (auto number = parseDecimal(text))
        return CfgValue::fromNumber(std::move(*number));
    return CfgValue::fromText(text);
}

} // namespace tarvek::cfgfile
