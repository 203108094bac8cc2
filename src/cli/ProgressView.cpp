#include "ProgressView.h"

#include "Diagnostics.h"
#include "Output.h"

namespace tarvek::cli
{

ProgressView::ProgressView(const Verb &verb, bool progressOnStderr)
    : m_verb(verb), m_progressOnStderr(progressOnStderr)
{
}

void ProgressView::setInfoText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (shown.startsWith(u'\n'))
        shown.remove(0, 1);
    printOut((m_lineOpen ? QStringLiteral("\n") : QString()) + shown);
    m_lineOpen = true;
    endStderrLine();
    if (m_progressOnStderr && !m_progressShown) {
        printMessage(m_verb, shown);
        m_progressShown = m_stderrLineOpen = true;
    }
}

void ProgressView::appendInfoText(const QString &text)
{
    printOut(text);
    if (m_stderrLineOpen)
        printErr(text);
}

void ProgressView::finish()
{
    if (m_lineOpen)
        printOut(QStringLiteral("\n"));
    m_lineOpen = false;
    endStderrLine();
}

void ProgressView::endStderrLine()
{
    if (m_stderrLineOpen)
        printErr(QStringLiteral("\n"));
    m_stderrLineOpen = false;
}

} // namespace tarvek::cli
