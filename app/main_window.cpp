#include "app/main_window.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

#include "text/language.h"

namespace tanukiban {

namespace {

QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MainWindow::MainWindow() {
    setWindowTitle(QStringLiteral("Tanukiban"));
    // The picture above, the analysis panel under it when shown.
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    view_ = new BoardView(centre);
    analysis_ = new QtAnalysisPanel(centre);
    column->addWidget(view_, 1);
    column->addWidget(analysis_);
    setCentralWidget(centre);
    // The window grows by the panel, and gives the room back, keeping the
    // picture's scale, unless the desktop has set its size.
    analysis_->setResizeHandler([this] {
        // Once the layouts have taken the change in, so that the window's
        // minimum no longer holds the room given back.
        QTimer::singleShot(0, this, [this] {
            if (isMaximized() || isFullScreen()) return;
            centralWidget()->layout()->activate();
            layout()->activate();
            const int picture =
                static_cast<int>(std::lround(QtSurface::kHeight * view_->surface().scale()));
            const int panel = analysis_->isHidden() ? 0 : analysis_->sizeHint().height();
            resize(width(), menuBar()->height() + picture + panel);
        });
    });
    analysis_->graph().setClickHandler([this](int ply) {
        if (Game* g = live()) g->reviewGraphClick(ply);
    });
    // Four times a second at least, as the analysis deepens.
    analysisTimer_.setInterval(150);
    QObject::connect(&analysisTimer_, &QTimer::timeout, this, [this] {
        if (Game* g = live()) g->analysisTick();
    });
    panel_ = std::make_unique<QtRecordPanel>(view_);
    buildMenus();
    view_->setScaleHandler(
        [this](double scale, QPoint origin) { panel_->setScale(scale, origin); });
    // Ctrl+0 brings the window back to its natural size.
    auto* naturalSize = new QAction(this);
    naturalSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    QObject::connect(naturalSize, &QAction::triggered, this, [this] { showNaturalSize(); });
    addAction(naturalSize);
    addShortcuts();

    timer_.setInterval(50);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
        if (Game* g = live()) g->Timer1_Timer();
    });
    view_->setPressHandler([this](int button, int shift, double x, double y) {
        if (Game* g = live()) g->Form_MouseDown(button, shift, x, y);
    });
    panel_->setFileClickHandler([this](const std::string& name) {
        if (Game* g = live()) g->File1_Click(name);
    });
    panel_->setWriteHandler([this] {
        if (Game* g = live()) g->Command1_Click();
    });
    panel_->setDriveChangeHandler([this] {
        if (Game* g = live()) g->Drive1_Change();
    });
    panel_->setFolderChangeHandler([this] {
        if (Game* g = live()) g->Dir1_Change();
    });
    // What a handler drew shows once it has returned, or while a message box
    // it opened waits: whenever the event loop is about to wait, a picture
    // changed since the last look (a new painting detaches the image, which
    // changes its key) is put on the screen.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     this, [this] {
                         const qint64 key = view_->surface().image().cacheKey();
                         if (key == shownPicture_) return;
                         shownPicture_ = key;
                         view_->update();
                     });
}

MainWindow::~MainWindow() = default;

void MainWindow::attach(Game& game) {
    game_ = &game;
}

void MainWindow::buildMenus() {
    QMenu* menus[3] = {nullptr, nullptr, nullptr};  // the open menu at each depth
    const auto table = menuTable();
    for (size_t i = 0; i < table.size(); ++i) {
        const MenuEntry& e = table[i];
        const bool hasItems = i + 1 < table.size() && table[i + 1].depth > e.depth;
        const MenuItem item = e.item;
        if (hasItems) {
            QMenu* menu = e.depth == 0 ? menuBar()->addMenu(qs(e.caption))
                                       : menus[e.depth - 1]->addMenu(qs(e.caption));
            menu->menuAction()->setObjectName(qs(e.name));
            menus[e.depth] = menu;
            actions_[item] = menu->menuAction();
            // Opening a menu is an event of its own (it puts the record panel away).
            QObject::connect(menu, &QMenu::aboutToShow, this, [this, item] {
                if (Game* g = live()) g->menuCommand(item);
            });
            continue;
        }
        QAction* action = e.depth == 0 ? menuBar()->addAction(qs(e.caption))
                                       : menus[e.depth - 1]->addAction(qs(e.caption));
        action->setObjectName(qs(e.name));
        action->setCheckable(e.checkable);
        actions_[item] = action;
        QObject::connect(action, &QAction::triggered, this, [this, action, item] {
            // The handlers own the check marks: undo the toggle Qt made on the click.
            if (action->isCheckable()) action->setChecked(!action->isChecked());
            if (Game* g = live()) g->menuCommand(item);
        });
    }
}

void MainWindow::showNaturalSize() {
    if (isMaximized() || isFullScreen()) showNormal();
    resize(sizeHint());
}

void MainWindow::addShortcuts() {
    // A record panel box with the focus keeps these keys for its own text.
    action(MenuItem::COPY_SFEN)->setShortcut(QKeySequence::Copy);
    action(MenuItem::PASTE_SFEN)->setShortcut(QKeySequence::Paste);
}

QAction* MainWindow::action(MenuItem item) const {
    auto it = actions_.find(item);
    return it == actions_.end() ? nullptr : it->second;
}

Surface& MainWindow::surface() {
    return view_->surface();
}

void MainWindow::showMessage(std::string_view text, std::string_view title, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), qs(text::tr(title)), qs(text::tr(text)), QMessageBox::Ok, this);
    box.exec();
}

bool MainWindow::askYesNo(std::string_view text, std::string_view title, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), qs(text::tr(title)), qs(text::tr(text)),
                    QMessageBox::Yes | QMessageBox::No, this);
    return box.exec() == QMessageBox::Yes;
}

void MainWindow::setCaption(std::string_view caption) {
    setWindowTitle(qs(text::tr(caption)));
}

void MainWindow::setBackgroundColour(int colour) {
    view_->surface().fill(colour);
}

void MainWindow::placeWindow() {
    // Before the first show the frame is unknown, and a position set then
    // puts the title bar above the screen under some window managers: a
    // window not yet shown is left for the window manager to place.
    if (!isVisible() || isMaximized()) return;
    move(screen()->availableGeometry().topLeft());
}

std::int32_t MainWindow::windowHandle() const {
    // The sound library takes a handle but needs none; any non-zero value serves.
    return 1;
}

void MainWindow::setChecked(MenuItem item, bool checked) {
    if (QAction* a = action(item)) a->setChecked(checked);
}

bool MainWindow::isChecked(MenuItem item) const {
    const QAction* a = action(item);
    return a && a->isChecked();
}

void MainWindow::setEnabled(MenuItem item, bool enabled) {
    if (QAction* a = action(item)) a->setEnabled(enabled);
}

void MainWindow::setClockTimer(bool on) {
    if (on && !quitting_) {
        if (!timer_.isActive()) timer_.start();
    } else {
        timer_.stop();
    }
}

bool MainWindow::clockTimerOn() const {
    return timer_.isActive();
}

double MainWindow::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void MainWindow::schedule(double seconds, std::function<void()> call) {
    auto run = [this, call = std::move(call)] {
        if (!quitting_) call();
    };
    if (seconds <= 0) {
        // The one way in from another thread: queued on this window's.
        QMetaObject::invokeMethod(this, std::move(run), Qt::QueuedConnection);
        return;
    }
    const auto ms = std::chrono::milliseconds(std::lround(seconds * 1000));
    QTimer::singleShot(ms, Qt::PreciseTimer, this, std::move(run));
}

RecordPanel& MainWindow::recordPanel() {
    return *panel_;
}

AnalysisPanel& MainWindow::analysisPanel() {
    return *analysis_;
}

void MainWindow::setAnalysisTimer(bool on) {
    if (on && !quitting_) {
        if (!analysisTimer_.isActive()) analysisTimer_.start();
    } else {
        analysisTimer_.stop();
    }
}

std::string MainWindow::clipboardText() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

void MainWindow::setClipboardText(std::string_view utf8) {
    QGuiApplication::clipboard()->setText(qs(utf8));
}

void MainWindow::quit() {
    quitting_ = true;
    timer_.stop();
    analysisTimer_.stop();
    hide();
    QCoreApplication::exit(0);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    Game* g = live();
    if (!g) return;
    // A key typed into a record panel box belongs to the box: Escape there
    // must not end the program and lose the game being written.
    if (qobject_cast<QLineEdit*>(QApplication::focusWidget())) return;
    int code = -1;
    if (event->key() == Qt::Key_Escape) {
        code = 27;
    } else if (!event->text().isEmpty()) {
        code = event->text().at(0).unicode();
    }
    if (code >= 0) g->Form_KeyPress(code);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!quitting_) {
        if (Game* g = live()) g->Form_Unload();
    }
    event->accept();
}

}  // namespace tanukiban
