#pragma once
// Windows-1252, the single-byte code page of the tracker's texts and of .cfg
// files. Qt has no built-in codec for it without ICU, and the table is small.
#include <QByteArray>
#include <QChar>
#include <QString>

namespace tarvek::config
{

// The Windows-1252 code of a character, or -1 when the code page cannot hold it.
int cp1252Code(char32_t ch);

// Whether a code (a Windows-1252 byte, or a key's code) is a printable
// single-byte character: 32 to 255, DEL (127) and the controls refused.
bool isPrintableCode(int code);

// Whether a character is one the fields hold: a printable Windows-1252 code.
bool isPrintableSingleByte(char32_t ch);

// The character that a Windows-1252 byte stands for. The five bytes that the
// code page leaves undefined map to the C1 control of the same value.
char32_t cp1252Char(unsigned char code);

// Each character as its Windows-1252 byte; "?" for one the code page cannot hold.
QByteArray encodeCp1252(const QString &text);
QString decodeCp1252(const QByteArray &bytes);

} // namespace tarvek::config
