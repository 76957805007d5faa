#pragma once
// The desktop's own settings store for what belongs to this desktop rather
// than to the game's settings file: the window's placement, the level.
#include <QSettings>

namespace tanukiban {

inline QSettings desktopStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tanukiban"),
                     QStringLiteral("window"));
}

}  // namespace tanukiban
