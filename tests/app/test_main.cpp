// The window's suites need an application object; with no display they use
// Qt's offscreen platform, which test discovery at build time also needs.
// The desktop's settings store is a fresh folder, not the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/locale_setup.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tanukiban::installLanguage(app, tanukiban::text::Language::Japanese);
    return RUN_ALL_TESTS();
}
