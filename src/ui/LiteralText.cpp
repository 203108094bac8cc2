#include "LiteralText.h"

#include <QTextDocument>

namespace tarvek::ui
{

QString literalRichText(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return literalParagraphs({text});
}

QString literalParagraphs(const QStringList &paragraphs)
{
    QString html;
    for (const QString &paragraph : paragraphs)
        html += QStringLiteral("<p style=\"white-space:pre-wrap\">") + paragraph.toHtmlEscaped() +
                QStringLiteral("</p>");
    return html;
}

} // namespace tarvek::ui
