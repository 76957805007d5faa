#include "app/window_placement.h"

#include <QWidget>

#include "app/desktop_store.h"

namespace tanukiban {

namespace {

constexpr const char* kKey = "window/geometry";

}  // namespace

void restorePlacement(QWidget& window) {
    const QByteArray kept = desktopStore().value(kKey).toByteArray();
    // A damaged value is refused by Qt, which then leaves the window alone.
    if (!kept.isEmpty()) window.restoreGeometry(kept);
}

void savePlacement(const QWidget& window) {
    QSettings s = desktopStore();
    s.setValue(kKey, window.saveGeometry());
    s.sync();
}

}  // namespace tanukiban
