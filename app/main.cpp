// Tanukiban: a five-by-five shogi variant in one window.
#include <QApplication>
#include <QDateTime>
#include <QLoggingCategory>
#include <QMessageBox>
#include <memory>

#include "app/locale_setup.h"
#include "app/main_window.h"
#include "flow/game.h"
#if TANUKIBAN_WITH_SOUND
#include "flow/library_sound.h"
#endif

// Start-up timing for measurement: QT_LOGGING_RULES="tanukiban.startup.info=true".
Q_LOGGING_CATEGORY(lcStartup, "tanukiban.startup", QtWarningMsg)

int main(int argc, char** argv) {
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    QApplication app(argc, argv);
    qCInfo(lcStartup, "application %lld ms", QDateTime::currentMSecsSinceEpoch() - started);
    tanukiban::installJapanese(app);
    qCInfo(lcStartup, "locale %lld ms", QDateTime::currentMSecsSinceEpoch() - started);

    tanukiban::MainWindow window;
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
    window.show();
    return app.exec();
}
