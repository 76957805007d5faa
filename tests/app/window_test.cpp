#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStringList>
#include <cmath>

#include "app/desktop_store.h"
#include "app/kept_level.h"
#include "app/main_window.h"
#include "flow/game.h"
#include "tests/flow/support/recording_sound.h"
#include "tests/flow/support/scoped_work_dir.h"

namespace tanukiban {
namespace {

QStringList captions(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions)
        if (!a->isSeparator()) out << a->text();
    return out;
}

TEST(窓, メニューバーの並びと名前) {
    MainWindow w;
    const QList<QAction*> bar = w.menuBar()->actions();
    EXPECT_EQ(captions(bar),
              (QStringList{"対局", "局面", "戻", "進", "△", "▽", "棋譜", "ｵﾌﾟｼｮﾝ", "その他"}));
    QStringList names;
    for (const QAction* a : bar) names << a->objectName();
    EXPECT_EQ(names, (QStringList{"TAIKYOKU", "STOP", "REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN",
                                  "KIFU", "OPTION", "VER"}));

    QMenu* game = bar[0]->menu();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(captions(game->actions()),
              (QStringList{"対局(人間)", "対局(COM)", "COM対局ﾚﾍﾞﾙ", "ﾋﾝﾄ", "終わり"}));
    EXPECT_EQ(captions(game->actions()[0]->menu()->actions()), QStringList{"スタート"});
    EXPECT_EQ(captions(game->actions()[1]->menu()->actions()), (QStringList{"先手", "後手"}));
    EXPECT_EQ(captions(game->actions()[2]->menu()->actions()),
              (QStringList{"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "LEVEL5", "LEVEL6"}));
    EXPECT_EQ(captions(bar[1]->menu()->actions()),
              (QStringList{"最初", "反転", "SFENをｺﾋﾟｰ", "棋譜をｺﾋﾟｰ", "SFENを貼付", "検討"}));
    EXPECT_EQ(captions(bar[6]->menu()->actions()), (QStringList{"読込", "書込", "棋譜解析"}));
    EXPECT_EQ(captions(bar[7]->menu()->actions()),
              (QStringList{"緑", "畳", "竹", "宇宙", "煉瓦", "移動指導", "経過時間", "BGM"}));
    EXPECT_EQ(bar[2]->menu(), nullptr) << "戻 acts at once";
    EXPECT_EQ(w.action(MenuItem::KIFU_WRITE)->objectName(), "KIFU_WRITE");
    EXPECT_TRUE(w.action(MenuItem::BGM)->isCheckable());
    EXPECT_TRUE(w.action(MenuItem::ANALYSIS)->isCheckable());
    EXPECT_FALSE(w.action(MenuItem::START)->isCheckable());
    EXPECT_EQ(w.windowTitle(), "Tanukiban");
    EXPECT_EQ(w.action(MenuItem::COPY_SFEN)->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(w.action(MenuItem::PASTE_SFEN)->shortcut(), QKeySequence(QKeySequence::Paste));
    w.setClipboardText("sfen 局面");
    EXPECT_EQ(w.clipboardText(), "sfen 局面");
}

TEST(窓, チェックは処理が決める) {
    MainWindow w;  // no game: a click decides nothing
    w.setChecked(MenuItem::LEVEL3, true);
    w.action(MenuItem::LEVEL1)->trigger();
    w.action(MenuItem::LEVEL3)->trigger();
    EXPECT_FALSE(w.isChecked(MenuItem::LEVEL1));
    EXPECT_TRUE(w.isChecked(MenuItem::LEVEL3));
}

TEST(窓, 描画領域は740x400) {
    MainWindow w;
    EXPECT_EQ(w.view().size(), QSize(740, 400));
}

TEST(窓, 確認の釦は日本語) {
    QMessageBox box(QMessageBox::Question, "再ゲーム", "続けますか？",
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains("はい"));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains("いいえ"));
}

TEST(窓, 押した位置はtwipsで渡る) {
    BoardView view;
    double gotX = -1, gotY = -1;
    int gotButton = -1, gotShift = -1;
    view.setPressHandler([&](int button, int shift, double x, double y) {
        gotButton = button;
        gotShift = shift;
        gotX = x;
        gotY = y;
    });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(200, 90),
                      view.mapToGlobal(QPointF(200, 90)), Qt::RightButton, Qt::RightButton,
                      Qt::ShiftModifier);
    QApplication::sendEvent(&view, &press);
    EXPECT_EQ(gotButton, 2);
    EXPECT_EQ(gotShift, 1);
    EXPECT_DOUBLE_EQ(gotX, 3000);
    EXPECT_DOUBLE_EQ(gotY, 1350);
}

TEST(窓, どの大きさでも押した画素は描かれた桝に当たる) {
    for (int width : {740, 999, 1480, 1887}) {
        // Wider than the picture needs across: the width sets the scale.
        const double scale = width / 740.0;
        BoardView view;
        view.resize(width, static_cast<int>(400 * scale) + 21);
        view.show();
        ASSERT_DOUBLE_EQ(view.surface().scale(), scale);
        int column = -99, row = -99;
        view.setPressHandler([&](int, int, double x, double y) {
            column = static_cast<int>(std::floor((x - 2200) / 600));
            row = static_cast<int>(std::floor((y - 520) / 615));
        });
        auto press = [&](int x, int y) {
            const QPointF at = QPointF(view.origin()) + QPointF(x, y);
            QMouseEvent e(QEvent::MouseButtonPress, at, view.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&view, &e);
        };
        // A square's first pixel column and row, where its picture begins.
        for (int k = 0; k <= 6; ++k) {
            const int x = static_cast<int>(view.surface().snapX(2200 + 600 * k) * scale + 0.5);
            const int y = static_cast<int>(view.surface().snapY(520 + 615 * k) * scale + 0.5);
            press(x, y);
            EXPECT_EQ(column, k) << scale;
            EXPECT_EQ(row, k) << scale;
            press(x - 1, y - 1);
            EXPECT_EQ(column, k - 1) << scale;
            EXPECT_EQ(row, k - 1) << scale;
        }
    }
}

TEST(窓, 棋譜の欄は最初は隠れていて開くと見える) {
    QWidget area;
    area.resize(740, 400);
    QtRecordPanel panel(&area);
    auto visible = [&](const char* type) {
        int n = 0;
        for (QWidget* w : area.findChildren<QWidget*>())
            n += w->isVisibleTo(&area) && QString(w->metaObject()->className()) == type;
        return n;
    };
    panel.setListsVisible(false, false, false);
    EXPECT_EQ(visible("QLineEdit"), 0);
    EXPECT_EQ(panel.text(RecordBox::Text2), "");

    panel.setWritePanelVisible(true);
    panel.setListsVisible(true, true, false);
    EXPECT_EQ(visible("QLineEdit"), 4);
    EXPECT_EQ(visible("QComboBox"), 1);
    EXPECT_EQ(visible("QListWidget"), 1) << "the folder list, not the file list";
    panel.setText(RecordBox::Text2, "練習");
    EXPECT_EQ(panel.text(RecordBox::Text2), "練習");
    EXPECT_EQ(panel.text(RecordBox::Text1), "");
    EXPECT_EQ(panel.folder(), QDir::current().canonicalPath().toStdString());

    panel.setWritePanelVisible(false);
    panel.setListsVisible(false, false, true);
    EXPECT_EQ(visible("QLineEdit"), 0);
    EXPECT_EQ(visible("QListWidget"), 1);
}

// A real window with the game: what the player sees after start-up.
struct Started {
    testing::ScopedWorkDir workDir;
    MainWindow window;
    testing::RecordingSound sound;
    Game game{window, sound};
    Started() {
        window.attach(game);
        game.Form_Load();
    }
    // Dark (lettering) pixels in the middle of a cell.
    int inkIn(int x, int y) {
        const QImage& img = window.view().surface().image();
        const qreal dpr = img.devicePixelRatio();
        const int left = static_cast<int>((2200 + 600 * x) / 15.0 + 8),
                  top = static_cast<int>((520 + 615 * y) / 15.0 + 8);
        int n = 0;
        for (int py = top; py < top + 25; ++py)
            for (int px = left; px < left + 24; ++px)
                n += qGray(img.pixel(static_cast<int>(px * dpr), static_cast<int>(py * dpr))) < 90;
        return n;
    }
};

TEST(窓, 起動すると初期局面が見える) {
    Started s;
    for (int x = 1; x <= 5; ++x) {
        EXPECT_GT(s.inkIn(x, 1), 15) << "a lettered piece on " << x << ",1";
        EXPECT_GT(s.inkIn(x, 5), 15) << "a lettered piece on " << x << ",5";
        for (int y = 2; y <= 4; ++y) EXPECT_EQ(s.inkIn(x, y), 0) << "empty " << x << "," << y;
    }
    EXPECT_TRUE(s.window.isChecked(MenuItem::LEVEL3));
    EXPECT_TRUE(s.window.isChecked(MenuItem::MIDORI));
    EXPECT_FALSE(s.window.clockTimerOn());
    const QImage& img = s.window.view().surface().image();
    EXPECT_EQ(img.pixelColor(2, 2), QColor(0, 128, 0));
}

TEST(窓, 選んだレベルは次の起動に残る) {
    {
        Started s;
        s.game.menuCommand(MenuItem::LEVEL5);
        saveLevel(s.window);
    }
    {
        Started s;
        restoreLevel(s.game);
        EXPECT_TRUE(s.window.isChecked(MenuItem::LEVEL5));
        EXPECT_FALSE(s.window.isChecked(MenuItem::LEVEL3));
    }
    // A damaged value leaves the default level.
    for (const char* damaged : {"9", "x"}) {
        desktopStore().setValue("game/level", damaged);
        Started s;
        restoreLevel(s.game);
        EXPECT_TRUE(s.window.isChecked(MenuItem::LEVEL3)) << damaged;
    }
    desktopStore().remove("game/level");
}

TEST(窓, Escapeで一度だけ終わる) {
    Started s;
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(&s.window, &other);
    EXPECT_FALSE(s.game.ended());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, "\x1b");
    QApplication::sendEvent(&s.window, &escape);
    EXPECT_TRUE(s.game.ended());
    QCloseEvent close;
    QApplication::sendEvent(&s.window, &close);
    EXPECT_EQ(s.sound.callsNamed("終了_サウンド").size(), 1u);
}

TEST(窓, 閉じると一度だけ終わる) {
    Started s;
    QCloseEvent close;
    QApplication::sendEvent(&s.window, &close);
    EXPECT_TRUE(s.game.ended());
    QApplication::sendEvent(&s.window, &close);
    EXPECT_EQ(s.sound.callsNamed("終了_サウンド").size(), 1u);
    EXPECT_EQ(s.sound.callsNamed("dsFree").size(), 4u);
}

}  // namespace
}  // namespace tanukiban
