#pragma once
// The game's only door to the desktop. The Qt window implements it; tests use
// a recording fake.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "display/surface.h"
#include "flow/menu_items.h"

namespace tanukiban {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };

// The text boxes of the record panel: file name, game title, first player,
// second player.
enum class RecordBox { Text1, Text2, Text3, Text4 };

// The record file panel's controls on the main window; all start hidden.
class RecordPanel {
  public:
    virtual ~RecordPanel() = default;
    // The drive list, the folder list and the file list.
    virtual void setListsVisible(bool drive, bool folder, bool files) = 0;
    // The four labels, the four text boxes and the "RETURN" button.
    virtual void setWritePanelVisible(bool visible) = 0;
    virtual std::string text(RecordBox box) const = 0;
    virtual void setText(RecordBox box, std::string_view utf8) = 0;
    // The folder the file list shows; records are read from and written to it.
    virtual std::string folder() const = 0;
    virtual void refreshFiles() = 0;
    // The root chosen in the drive list (Drive1).
    virtual std::string drive() const = 0;
    // The folder list's folder (Dir1). Setting it returns false, and keeps
    // the folder it had, when the new one cannot be opened.
    virtual std::string folderListPath() const = 0;
    virtual bool setFolderListPath(const std::string& path) = 0;
    // Points the file list (File1) at a folder; folder() follows.
    virtual void setFileListPath(const std::string& path) = 0;
};

// How a review judges a played move.
enum class PlyMark { None, Mistake, Blunder };

// One ply of a reviewed game on the review's graph.
struct GraphPoint {
    int ply = 0;
    int evaluation = 0;  // after the ply, centipawns from the lower side's view (a mate ±30000−n)
    PlyMark mark = PlyMark::None;
};

// The panel under the picture: the analysis strip, the review's progress bar
// and its graph. Hidden, it takes no room; shown, the window grows by it.
class AnalysisPanel {
  public:
    virtual ~AnalysisPanel() = default;
    virtual void setPanelVisible(bool visible) = 0;
    // The analysis of the shown position in one line, empty when none is
    // known; `ply` counts the plies played to the position it belongs to.
    virtual void setStrip(std::string_view utf8, int ply) = 0;
    // What the review says of the ply shown; empty when none.
    virtual void setReviewNote(std::string_view utf8) = 0;
    // `done` of `total` positions reviewed; a total of 0 hides the bar.
    virtual void setProgress(int done, int total) = 0;
    // One point a ply, in order; empty hides the graph.
    virtual void setGraph(const std::vector<GraphPoint>& points) = 0;
    // The ply the board shows, marked on the graph; 0 for none.
    virtual void selectPly(int ply) = 0;
};

class Platform {
  public:
    virtual ~Platform() = default;

    virtual Surface& surface() = 0;

    // Modal boxes; they return when the player has answered.
    virtual void showMessage(std::string_view text, std::string_view title,
                             MessageIcon icon = MessageIcon::None) = 0;
    // True for Yes.
    virtual bool askYesNo(std::string_view text, std::string_view title,
                          MessageIcon icon = MessageIcon::None) = 0;

    virtual void setCaption(std::string_view caption) = 0;
    virtual void setBackgroundColour(int colour) = 0;
    // Puts the window at the top-left corner with its fixed size, unless it is
    // maximised; a window not yet on screen is left where the desktop puts it.
    virtual void placeWindow() = 0;
    virtual std::int32_t windowHandle() const = 0;

    virtual void setChecked(MenuItem item, bool checked) = 0;
    virtual bool isChecked(MenuItem item) const = 0;
    virtual void setEnabled(MenuItem item, bool enabled) = 0;

    // The clock timer (Timer1), ticking every 50 ms while on.
    virtual void setClockTimer(bool on) = 0;
    virtual bool clockTimerOn() const = 0;
    // Seconds since midnight, with fractions.
    virtual double secondsSinceMidnight() const = 0;
    // Runs `call` on the window's thread once the running handler has
    // returned and `seconds` have passed; meanwhile the window paints and
    // takes events. Another thread may post a call with no delay. Nothing
    // runs once the program is ending.
    virtual void schedule(double seconds, std::function<void()> call) = 0;

    virtual RecordPanel& recordPanel() = 0;
    virtual AnalysisPanel& analysisPanel() = 0;
    // The analysis timer, calling Game::analysisTick several times a second while on.
    virtual void setAnalysisTimer(bool on) = 0;

    // The desktop's clipboard as UTF-8 text; empty when it holds no text.
    virtual std::string clipboardText() const = 0;
    virtual void setClipboardText(std::string_view utf8) = 0;

    // Ends the program once the running handler has returned; no event is
    // delivered after it.
    virtual void quit() = 0;
};

}  // namespace tanukiban
