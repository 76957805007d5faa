#include "app/window_placement.h"

#include <QSettings>
#include <QWidget>

namespace tanukiban {

namespace {

constexpr const char* kKey = "window/geometry";

QSettings store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tanukiban"),
                     QStringLiteral("window"));
}

}  // namespace

void restorePlacement(QWidget& window) {
    const QByteArray kept = store().value(kKey).toByteArray();
    // A damaged value is refused by Qt, which then leaves the window alone.
    if (!kept.isEmpty()) window.restoreGeometry(kept);
}

void savePlacement(const QWidget& window) {
    QSettings s = store();
    s.setValue(kKey, window.saveGeometry());
    s.sync();
}

}  // namespace tanukiban
