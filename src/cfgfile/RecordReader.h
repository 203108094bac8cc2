#pragma once
// Reads the values of a .cfg file one at a time. A comma or a line end (CR LF,
// CR or LF) closes a value, so the division into lines does not matter. Spaces
// before a value are skipped. A value that begins with a double quote is the
// text up to the closing double quote, commas and line ends included, two
// double quotes inside it standing for one; anything after the closing quote
// up to the next separator is ignored. Any other value runs to the next comma
// or line end, less trailing spaces. The file's bytes are Windows-1252.
//
// The input is read in chunks as values are asked for, never as a whole, and
// no value may take more than kMaxValueBytes bytes (leading spaces and
// anything ignored after a closing quote included): the longest setting is a
// few dozen characters, so a longer value only comes from a damaged file.
#include "CfgResult.h"
#include "CfgValue.h"

#include <QByteArray>

class QIODevice;

namespace tarvek::cfgfile
{

class RecordReader
{
public:
    static constexpr qsizetype kMaxValueBytes = 64 * 1024;

    explicit RecordReader(QIODevice &input);

    // The next value into `value`. Fails with InputPastEnd when the input has
    // no value left, ValueTooLong or DeviceIo.
    CfgError next(CfgValue &value);

    // The line (from 1) on which the value last asked for begins, or where
    // reading stopped when there was none. CR LF, CR and LF each end a line.
    int line() const { return m_valueLine; }

private:
    static constexpr int kEnd = -1;

    int peek();
    void advance();
    CfgError consume(); // counts one byte against the value's budget, then advances
    CfgError readQuoted(QString &text);
    CfgError readUnquoted(QString &text);
    CfgError skipToSeparator();
    bool atSeparator();
    void takeSeparator();

    QIODevice &m_input;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_exhausted = false; // nothing more to read
    bool m_readError = false; // ... because reading failed
    qsizetype m_budget = 0;
    int m_linesEnded = 0;
    bool m_afterCr = false; // the last byte passed was a CR
    int m_valueLine = 1;
};

// Classifies an unquoted value: empty, a number, a truth value or text.
CfgValue classifyUnquoted(const QString &text);

} // namespace tarvek::cfgfile
