#pragma once
// The program's face in a language: the font the game's texts name, the
// game's own texts, and Qt's strings (message box buttons), which Qt has in
// Japanese from its own translation and in English by itself.
#include "text/language.h"

class QCoreApplication;

namespace tanukiban {

// Call once the application object exists.
void installLanguage(QCoreApplication& app, text::Language language);
// Every text from now on in this language.
void switchLanguage(text::Language language);

}  // namespace tanukiban
