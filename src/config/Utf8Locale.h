#pragma once
// Both programs read and write text as UTF-8 (file names, the terminal). Qt
// 6.8 and later switch a non-UTF-8 locale's character type to UTF-8 by
// themselves but warn on standard error each time; Qt 6.4 switches silently.

namespace tarvek::config
{

// Called first in main, before the Qt application object: when the
// environment asks for a locale whose character set is not UTF-8 (the "C"
// locale of a shell without LANG, a container, a cron job), sets LC_CTYPE to
// the same locale in UTF-8, or to C.UTF-8, as Qt would, so that Qt finds a
// UTF-8 locale and every Qt version behaves alike. The other categories
// (numbers, dates, messages) keep what the environment says. Nothing to do on
// Windows.
void startOnUtf8Locale();

} // namespace tarvek::config
