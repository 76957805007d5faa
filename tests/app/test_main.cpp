// The window's suites need an application object; with no display they use
// Qt's offscreen platform, which test discovery at build time also needs.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/locale_setup.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tanukiban::installLanguage(app, tanukiban::text::Language::Japanese);
    return RUN_ALL_TESTS();
}
