// The program's words in the user's language: German where the user's
// languages ask for it before English, else English, the language its texts
// are written in.
#pragma once

class QLocale;

namespace app {

// Installs the program's catalogue and Qt's own (the standard buttons of the
// message boxes) for the first of the locale's languages that is English or
// has a catalogue; English needs none. A later call replaces what an earlier
// one installed, so a window created after it speaks the new language.
// Returns whether the program's catalogue was installed (false: English).
bool installTranslators(const QLocale& locale);

}  // namespace app
