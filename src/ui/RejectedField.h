#pragma once
// After a rejected SEND, the setting that failed is pointed out: it takes the
// focus with its text selected, tells why in its tooltip and accessible
// description (the words tarvek-cli prints after the setting's names) and
// wears a red frame, all until its text changes.
class QWidget;

namespace tarvek::config
{
struct BuildResult;
} // namespace tarvek::config

namespace tarvek::ui
{

// Marks the text field of `window` named for the failing setting; nothing
// happens for a build that succeeded or a field that is not shown.
void markRejectedField(QWidget *window, const config::BuildResult &rejection);

} // namespace tarvek::ui
