#pragma once
// The language submenu at the end of the options menu. A choice takes effect
// at once and is kept between runs in the desktop's settings store, beside
// the window's place.
#include "text/language.h"

namespace tanukiban {

class MainWindow;

// The language kept from the last run; Japanese when none (or no known one) was kept.
text::Language keptLanguage();
// Adds the submenu and shows every menu in the language chosen now.
void addLanguageMenu(MainWindow& window);

}  // namespace tanukiban
