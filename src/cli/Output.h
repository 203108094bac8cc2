#pragma once
// What tarvek-cli prints: UTF-8 text to stdout or stderr, flushed at once and
// without any locale translation; to a Windows console, the text as Unicode.
//
// Lines for people quote what the program read: .cfg values, --set values,
// device paths, names that USB devices give themselves. Their control
// characters are written out (ESC as \x1b) so that a quote cannot clear the
// screen, retitle the terminal or forge a line; JSON escapes its own.
#include <QString>
#include <QStringList>

namespace tarvek::cli
{

// `text` with each control character other than tab (C0, DEL and the C1
// range U+0080 to U+009F, line breaks included) written as \xHH. Every
// other character, backslashes included, stays as it is.
QString escapeControls(QStringView text);

// "NAME=VALUE\n" with VALUE's control characters escaped: one line a setting,
// as scripts read them.
QString settingLine(const QString &name, const QString &value);

// Prints `text` as it is: JSON, and text already made of escaped lines.
void printOut(const QString &text);
// Prints lines for people on stdout, each escaped.
void printText(const QString &text);
// Prints `rows` one a line, escaped, or with `json` as one JSON array whose
// elements they are (each row then a JSON value).
void printRows(const QStringList &rows, bool json);
// Prints lines for people on stderr, each escaped.
void printErr(const QString &text);

} // namespace tarvek::cli
