#pragma once

#include <QLocale>

// Installs the program's translation and Qt's own (standard buttons, the help text of
// the command line) for a locale's user interface languages; English, the language the
// texts are written in, needs none. The program's translations are built into it.
namespace Translations {

// Returns whether a translation of the program was found for the locale.
bool install(const QLocale& locale = QLocale());

} // namespace Translations
