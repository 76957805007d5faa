#pragma once
// The main window's size and place, kept between runs in the desktop's own
// settings store (apart from the game's settings file).
class QWidget;

namespace tanukiban {

// Puts the window where it was when the program last ended; leaves it as
// it is when nothing usable was kept.
void restorePlacement(QWidget& window);
void savePlacement(const QWidget& window);

}  // namespace tanukiban
