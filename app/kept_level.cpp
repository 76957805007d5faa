#include "app/kept_level.h"

#include <array>

#include "app/desktop_store.h"
#include "flow/game.h"
#include "flow/platform.h"

namespace tanukiban {

namespace {

constexpr const char* kKey = "game/level";
constexpr std::array kLevels = {MenuItem::LEVEL1, MenuItem::LEVEL2, MenuItem::LEVEL3,
                                MenuItem::LEVEL4, MenuItem::LEVEL5, MenuItem::LEVEL6};

}  // namespace

void restoreLevel(Game& game) {
    bool read = false;
    const int level = desktopStore().value(kKey).toInt(&read);
    if (read && level >= 1 && level <= static_cast<int>(kLevels.size()))
        game.menuCommand(kLevels[static_cast<std::size_t>(level - 1)]);
}

void saveLevel(const Platform& window) {
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        if (!window.isChecked(kLevels[i])) continue;
        QSettings s = desktopStore();
        s.setValue(kKey, static_cast<int>(i + 1));
        s.sync();
        return;
    }
}

}  // namespace tanukiban
