#pragma once
// The Japanese face of the program: the font the game's texts name, and
// Qt's own strings (message box buttons) in Japanese.
class QCoreApplication;

namespace tanukiban {

// Call once the application object exists.
void installJapanese(QCoreApplication& app);

}  // namespace tanukiban
