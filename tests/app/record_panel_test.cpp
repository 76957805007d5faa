// The record panel's controls in the real window: their places, the lists,
// and the player's actions reaching the game.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include "app/main_window.h"
#include "app/record_panel_widgets.h"
#include "flow/game.h"
#include "tests/flow/support/game_fixture.h"
#include "tests/flow/support/recording_sound.h"
#include "tests/flow/support/scoped_work_dir.h"

namespace tanukiban {
namespace {

QRect px(int left, int top, int width, int height) {
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QStringList texts(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text().trimmed();
    return out;
}

void touch(const QString& path, const QByteArray& bytes = "x") {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(棋譜パネル, 部品は表の位置と大きさにある) {
    QWidget area;
    area.resize(740, 400);
    QtRecordPanel panel(&area);
    panel.setListsVisible(true, true, true);
    panel.setWritePanelVisible(true);
    EXPECT_EQ(panel.driveList()->geometry(), px(240, 360, 2535, 300));
    EXPECT_EQ(panel.folderList()->geometry(), px(240, 600, 2535, 1710));
    EXPECT_EQ(panel.fileList()->geometry(), px(240, 2280, 2535, 930));
    const char* captions[4] = {"ﾌｧｲﾙ名 ：", "後    手 ：", "先    手 ：", "対 局 名："};
    const int tops[4] = {3120, 2880, 2640, 2400};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(panel.label(i)->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(panel.label(i)->geometry(), px(120, tops[i], 855, 255));
    }
    EXPECT_EQ(panel.box(RecordBox::Text2)->geometry(), px(960, 2400, 2295, 270));
    EXPECT_EQ(panel.box(RecordBox::Text3)->geometry(), px(960, 2640, 2295, 270));
    EXPECT_EQ(panel.box(RecordBox::Text4)->geometry(), px(960, 2880, 2295, 270));
    EXPECT_EQ(panel.box(RecordBox::Text1)->geometry(), px(960, 3120, 2295, 270));
    EXPECT_EQ(panel.writeButton()->text(), "RETURN");
    EXPECT_EQ(panel.writeButton()->geometry(), px(3360, 3000, 855, 375));
    EXPECT_TRUE(panel.box(RecordBox::Text2)->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST(棋譜パネル, 今のフォルダの棋譜だけが並ぶ) {
    testing::ScopedWorkDir dir;
    const QString here = QDir::currentPath();
    touch(here + "/b.棋譜");
    touch(here + "/a.棋譜");
    touch(here + "/c.txt");
    QDir(here).mkdir("d.棋譜");
    QDir(here).mkdir("下");
    touch(here + "/下/e.棋譜");

    QWidget area;
    QtRecordPanel panel(&area);
    panel.setListsVisible(true, true, true);
    EXPECT_EQ(panel.folder(), here.toStdString());
    EXPECT_EQ(panel.folderListPath(), here.toStdString());
    EXPECT_EQ(texts(panel.fileList()), (QStringList{"a.棋譜", "b.棋譜"}));
    // The folder list shows the path down to here, then the folders in it.
    const QStringList folders = texts(panel.folderList());
    EXPECT_EQ(folders.first(), "/");
    EXPECT_EQ(folders.last(), "下");
    EXPECT_TRUE(folders.contains(QDir(here).dirName()));

    EXPECT_TRUE(panel.setFolderListPath((here + "/下").toStdString()));
    EXPECT_EQ(texts(panel.fileList()), (QStringList{"a.棋譜", "b.棋譜"}))
        << "the file list follows only when told";
    panel.setFileListPath(panel.folderListPath());
    EXPECT_EQ(texts(panel.fileList()), QStringList{"e.棋譜"});

    EXPECT_FALSE(panel.setFolderListPath("/no/such/drive"));
    EXPECT_EQ(panel.folderListPath(), (here + "/下").toStdString());

    touch(here + "/下/f.棋譜");
    panel.refreshFiles();
    EXPECT_EQ(texts(panel.fileList()), (QStringList{"e.棋譜", "f.棋譜"}));
}

TEST(棋譜パネル, ドライブは根とホームと取り外せる媒体) {
    QStringList roots = QtRecordPanel::driveRoots();
    ASSERT_GE(roots.size(), 2);
    EXPECT_EQ(roots[0], "/");
    EXPECT_EQ(roots[1], QDir::homePath());
    EXPECT_EQ(roots.removeDuplicates(), 0);
}

// Answers every message box the window opens, keeping "title|text".
class BoxAnswerer {
  public:
    BoxAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() + "|" + box->text();
                box->accept();
            }
        });
        timer_.start(5);
    }
    QStringList seen;

  private:
    QTimer timer_;
};

struct Window {
    testing::ScopedWorkDir workDir;
    MainWindow window;
    testing::RecordingSound sound;
    Game game{window, sound};
    QtRecordPanel& panel() { return static_cast<QtRecordPanel&>(window.recordPanel()); }
    Window() {
        window.attach(game);
        game.Form_Load();
    }
};

TEST(棋譜パネル, 選んだドライブが開けなければフォルダはそのまま) {
    Window w;
    w.game.menuCommand(MenuItem::KIFU_READ);
    QComboBox* drives = w.panel().driveList();
    const std::string before = w.panel().folderListPath();
    drives->addItem("/no/such/medium");
    BoxAnswerer answers;
    drives->setCurrentIndex(drives->count() - 1);
    EXPECT_EQ(answers.seen, QStringList{"ｴﾗｰ|ﾃﾞﾊﾞｲｽが準備できていません"});
    EXPECT_EQ(w.panel().folderListPath(), before);
    EXPECT_NE(drives->currentText(), "/no/such/medium")
        << "the list shows the folder's drive again";

    ASSERT_EQ(drives->currentIndex(), 0) << "the work folder lies on the root drive";
    drives->setCurrentIndex(1);
    const std::string home = QDir(QDir::homePath()).canonicalPath().toStdString();
    EXPECT_EQ(w.panel().folderListPath(), home);
    EXPECT_EQ(w.panel().folder(), home) << "the file list follows the folder list";
    EXPECT_EQ(answers.seen.size(), 1);
}

TEST(棋譜パネル, フォルダを開くとファイル一覧が付いて来て棋譜を押すと読まれる) {
    Window w;
    const QString here = QDir::currentPath();
    QDir(here).mkdir("棋譜集");
    // The worked example: 練習, ｺﾝﾋﾟｭｰﾀ above, あなた below, two plies.
    touch(here + "/棋譜集/練習.棋譜",
          "\x97\xfb\x8f\x4b\r\n\xba\xdd\xcb\xdf\xad\xb0\xc0\r\n\x82\xa0\x82\xc8\x82\xbd\r\n"
          " 2524-800-100   0    0    3    0    0\r\n"
          " 2122  30 110   0    3    3    0    2\r\n");
    w.game.menuCommand(MenuItem::KIFU_READ);
    QListWidget* folders = w.panel().folderList();
    QListWidgetItem* sub = folders->findItems("棋譜集", Qt::MatchEndsWith).value(0);
    ASSERT_NE(sub, nullptr);
    emit folders->itemActivated(sub);
    EXPECT_EQ(w.panel().folder(), (here + "/棋譜集").toStdString());
    ASSERT_EQ(texts(w.panel().fileList()), QStringList{"練習.棋譜"});

    BoxAnswerer answers;
    emit w.panel().fileList()->itemClicked(w.panel().fileList()->item(0));
    EXPECT_EQ(answers.seen,
              (QStringList{"棋譜| 読み込みました", "棋譜|棋譜を '進 'で進めて下さい"}));
    EXPECT_EQ(GameFixture::state(w.game).棋譜モード, OK);
    EXPECT_EQ(GameFixture::state(w.game).手順最大数, 2);
    EXPECT_FALSE(w.panel().fileList()->isVisibleTo(&w.window.view()));
}

}  // namespace
}  // namespace tanukiban
