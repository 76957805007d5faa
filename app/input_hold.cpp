#include "app/input_hold.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

namespace tanukiban {

namespace {

class InputHold : public QObject {
  public:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputHold() override { QCoreApplication::instance()->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
                return static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape;
            case QEvent::Shortcut:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::NonClientAreaMouseButtonPress:
            case QEvent::NonClientAreaMouseButtonRelease:
            case QEvent::NonClientAreaMouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::TabletPress:
            case QEvent::TabletRelease:
                return true;
            default:
                return QObject::eventFilter(watched, event);
        }
    }
};

}  // namespace

void waitWithInputHeld(const std::function<bool()>& done, const std::function<bool()>& ending) {
    if (done() || ending()) return;
    InputHold hold;
    QEventLoop loop;
    QTimer poll;
    // Short enough to go on promptly after a search of a tenth of a second.
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || ending()) loop.quit();
    });
    poll.start();
    loop.exec();
}

}  // namespace tanukiban
