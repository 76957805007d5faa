#pragma once
// The computer's level chosen last, kept between runs in the desktop's
// settings store. It comes back as the level's menu command, so the game
// alone decides what choosing it means.
namespace tanukiban {

class Game;
class Platform;

// Gives the kept level's menu command; nothing when no usable level was kept.
void restoreLevel(Game& game);
// Keeps the level whose menu item is checked.
void saveLevel(const Platform& window);

}  // namespace tanukiban
