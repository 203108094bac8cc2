#pragma once
// The upload's information dialog as tarvek-cli send shows it on a terminal.
#include "Upload.h"
#include "VerbTable.h"

namespace tarvek::cli
{

// Each new text starts on a new line of standard output; the dots of the
// progress follow on the same line. With `progressOnStderr` the progress line
// also goes to standard error as the verb's message, each dot as its step
// ends.
class ProgressView final : public serial::UploadView
{
public:
    ProgressView(const Verb &verb, bool progressOnStderr);

    void setInfoText(const QString &text) override;
    void appendInfoText(const QString &text) override;
    void setOkVisible(bool) override {}
    void showNonModal() override {}
    // Ends the lines left open once the upload is over.
    void finish();

private:
    void endStderrLine();

    const Verb &m_verb;
    bool m_progressOnStderr;
    bool m_progressShown = false;
    bool m_stderrLineOpen = false;
    bool m_lineOpen = false;
};

} // namespace tarvek::cli
