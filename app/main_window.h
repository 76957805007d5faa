#pragma once
// The main window: the menu bar, the drawing area and the record panel on
// it, message boxes, the clock timer. It makes no game decision: every event
// goes to the game object, which answers through the Platform calls.
#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>

#include "app/analysis_panel.h"
#include "app/board_view.h"
#include "app/record_panel_widgets.h"
#include "flow/game.h"
#include "flow/platform.h"

class QAction;

namespace tanukiban {

class MainWindow : public QMainWindow, public Platform {
  public:
    MainWindow();
    ~MainWindow() override;

    // Events go to this game from now on.
    void attach(Game& game);
    BoardView& view() { return *view_; }
    QtAnalysisPanel& analysis() { return *analysis_; }
    QAction* action(MenuItem item) const;
    // Back to the size at which the picture is drawn at its natural size.
    void showNaturalSize();

    // Platform
    Surface& surface() override;
    void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view title, MessageIcon icon) override;
    void setCaption(std::string_view caption) override;
    void setBackgroundColour(int colour) override;
    void placeWindow() override;
    std::int32_t windowHandle() const override;
    void setChecked(MenuItem item, bool checked) override;
    bool isChecked(MenuItem item) const override;
    void setEnabled(MenuItem item, bool enabled) override;
    void setClockTimer(bool on) override;
    bool clockTimerOn() const override;
    double secondsSinceMidnight() const override;
    void schedule(double seconds, std::function<void()> call) override;
    RecordPanel& recordPanel() override;
    AnalysisPanel& analysisPanel() override;
    void setAnalysisTimer(bool on) override;
    std::string clipboardText() const override;
    void setClipboardText(std::string_view utf8) override;
    void quit() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void addShortcuts();
    // The game while it accepts events.
    Game* live() const { return game_ && !game_->ended() ? game_ : nullptr; }

    Game* game_ = nullptr;
    BoardView* view_;
    QtAnalysisPanel* analysis_;
    QTimer analysisTimer_;
    std::unique_ptr<QtRecordPanel> panel_;
    std::map<MenuItem, QAction*> actions_;
    QTimer timer_;
    bool quitting_ = false;
    qint64 shownPicture_ = 0;  // the key of the picture last put on the screen
};

}  // namespace tanukiban
