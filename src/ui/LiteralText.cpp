#include "LiteralText.h"

#include <QTextDocument>

namespace tarvek::ui
{

QString literalRichText(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

} // namespace tarvek::ui
