// Tanukiban: a five-by-five shogi variant in one window.
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QLoggingCategory>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/kept_level.h"
#include "app/language_menu.h"
#include "app/locale_setup.h"
#include "app/main_window.h"
#include "app/window_placement.h"
#include "flow/game.h"
#if TANUKIBAN_WITH_SOUND
#include "flow/library_sound.h"
#endif

// Start-up timing for measurement: QT_LOGGING_RULES="tanukiban.startup.info=true".
Q_LOGGING_CATEGORY(lcStartup, "tanukiban.startup", QtWarningMsg)

namespace {

// While the application object is made, a platform that cannot start (no
// display, say) would print several lines and abort; say it in one line and
// exit instead.
std::string startupWarning;

void startupMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        if (startupWarning.empty()) startupWarning = message.toStdString();
        return;
    }
    const std::string reason = startupWarning.empty() ? message.toStdString() : startupWarning;
    std::fprintf(stderr, "tanukiban: the window cannot be opened: %s\n", reason.c_str());
    _exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        std::fprintf(stderr,
                     "tanukiban: the window cannot be opened: no display (DISPLAY is not set)\n");
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    qCInfo(lcStartup, "application %lld ms", QDateTime::currentMSecsSinceEpoch() - started);
    tanukiban::installLanguage(app, tanukiban::keptLanguage());
    qCInfo(lcStartup, "locale %lld ms", QDateTime::currentMSecsSinceEpoch() - started);

    tanukiban::MainWindow window;
    tanukiban::addLanguageMenu(window);
    qCInfo(lcStartup, "window %lld ms", QDateTime::currentMSecsSinceEpoch() - started);
#if TANUKIBAN_WITH_SOUND
    tanukiban::LibrarySound sound(window);
#else
    tanukiban::SilentSound sound;
#endif
    tanukiban::Game game(window, sound);
    window.attach(game);
    window.view().setFirstPaintHandler([started] {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        qCInfo(lcStartup, "first frame at %lld ms since the epoch, %lld ms after main()", now,
               now - started);
    });

    game.Form_Load();
    qCInfo(lcStartup, "loaded %lld ms", QDateTime::currentMSecsSinceEpoch() - started);
    if (game.ended()) return 0;
    tanukiban::restoreLevel(game);
    tanukiban::restorePlacement(window);
    window.show();
    const int status = app.exec();
    tanukiban::savePlacement(window);
    tanukiban::saveLevel(window);
    return status;
}
