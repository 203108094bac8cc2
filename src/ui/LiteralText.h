#pragma once
// Messages quote what they read: a .cfg value, a device path, a USB adapter's
// own name, the system's error text. A quote is shown as the characters it
// holds, never taken as markup.
#include <QString>
#include <QStringList>

namespace tarvek::ui
{

// For the displays that guess whether a text is markup (tooltips, labels left
// at Qt::AutoText): `text` itself where Qt takes it as plain text, otherwise
// rich text that shows every character of `text` as written, spaces and line
// breaks included.
QString literalRichText(const QString &text);

// Rich text that shows each of `paragraphs` as written, in a paragraph of
// its own, long lines wrapped.
QString literalParagraphs(const QStringList &paragraphs);

} // namespace tarvek::ui
