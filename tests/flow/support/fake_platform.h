#pragma once
// A Platform with no desktop behind it: answers Yes/No boxes from a script,
// runs a clock that only moves when told or when a scheduled call falls due,
// and keeps everything shown, drawn and switched for tests to assert on.
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "flow/platform.h"
#include "tests/flow/support/recording_surface.h"

namespace tanukiban::testing {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    bool yesNo = false;
    bool answer = false;  // Yes, for a Yes/No box
};

class FakeRecordPanel : public RecordPanel {
  public:
    void setListsVisible(bool drive, bool folder, bool files) override;
    void setWritePanelVisible(bool visible) override { writePanelVisible = visible; }
    std::string text(RecordBox box) const override;
    void setText(RecordBox box, std::string_view utf8) override { texts[box] = std::string(utf8); }
    std::string folder() const override { return folderPath; }
    // Lists the "*.棋譜" files of folderPath into `files`, sorted.
    void refreshFiles() override;
    std::string drive() const override { return drivePath; }
    std::string folderListPath() const override { return folderListPathValue; }
    bool setFolderListPath(const std::string& path) override;
    void setFileListPath(const std::string& path) override { folderPath = path; }

    bool driveVisible = false, folderVisible = false, filesVisible = false;
    bool writePanelVisible = false;
    std::map<RecordBox, std::string> texts;
    std::string folderPath = ".";
    int refreshCount = 0;
    int visibilityCalls = 0;
    std::vector<std::string> files;
    std::string drivePath = "/";
    std::string folderListPathValue = ".";
    // Folders the folder list cannot open (a drive that is not ready).
    std::set<std::string> unopenable;
};

class FakeAnalysisPanel : public AnalysisPanel {
  public:
    void setPanelVisible(bool v) override { visible = v; }
    void setStrip(std::string_view utf8, int) override { strips.emplace_back(utf8); }
    void setReviewNote(std::string_view utf8) override { note = std::string(utf8); }
    void setProgress(int d, int t) override { done = d, total = t; }
    void setGraph(const std::vector<GraphPoint>& p) override { points = p; }
    void selectPly(int ply) override { selected = ply; }
    // The strip as last set.
    std::string strip() const { return strips.empty() ? std::string() : strips.back(); }

    bool visible = false;
    std::vector<std::string> strips;
    std::string note;
    int done = 0, total = 0;
    std::vector<GraphPoint> points;
    int selected = 0;
};

class FakePlatform : public Platform {
  public:
    Surface& surface() override { return drawn; }
    void showMessage(std::string_view text, std::string_view title, MessageIcon icon) override;
    bool askYesNo(std::string_view text, std::string_view title, MessageIcon icon) override;
    void setCaption(std::string_view caption) override;
    void setBackgroundColour(int colour) override { backgroundColour = colour; }
    void placeWindow() override { ++placeCount; }
    std::int32_t windowHandle() const override { return 1; }
    void setChecked(MenuItem item, bool checked) override { checks[item] = checked; }
    bool isChecked(MenuItem item) const override;
    void setEnabled(MenuItem item, bool enabled) override { enabled_[item] = enabled; }
    void setClockTimer(bool on) override;
    bool clockTimerOn() const override { return timerOn; }
    double secondsSinceMidnight() const override { return now; }
    // Keeps the call until runScheduled(); safe from any thread.
    void schedule(double seconds, std::function<void()> call) override;
    RecordPanel& recordPanel() override { return panel; }
    AnalysisPanel& analysisPanel() override { return analysis; }
    void setAnalysisTimer(bool on) override { analysisTimerOn = on; }
    std::string clipboardText() const override { return clipboard; }
    void setClipboardText(std::string_view utf8) override { clipboard = std::string(utf8); }
    void quit() override;

    bool isEnabled(MenuItem item) const;
    // Runs the scheduled calls in the order they fall due, moving the clock
    // on to each, until none is left. While `awaiting` is true (the game
    // waits for another thread) the clock stands still and only calls that
    // are due run; the wait is in real time.
    void runScheduled(const std::function<bool()>& awaiting = {});
    // Runs the first call due, moving the clock on to it; false when none is kept.
    bool runNext();
    // Moves the clock on, wrapping at midnight.
    void advance(double seconds);
    // The boxes shown, oldest first; messageTexts() for quick comparisons.
    std::vector<std::string> messageTexts() const;

    RecordingSurface drawn;
    FakeRecordPanel panel;
    FakeAnalysisPanel analysis;
    bool analysisTimerOn = false;
    std::vector<ShownMessage> messages;
    std::deque<bool> answers;   // scripted Yes (true) / No (false) answers
    bool defaultAnswer = true;  // when the script has run out
    int unscriptedQuestions = 0;
    std::map<MenuItem, bool> checks;
    std::map<MenuItem, bool> enabled_;
    std::string caption;
    std::vector<std::string> captions;
    bool timerOn = false;
    std::vector<bool> timerChanges;
    double now = 12 * 3600.0;
    double slept = 0;  // total seconds the clock moved on to scheduled calls
    std::string clipboard;
    int backgroundColour = -1;
    int placeCount = 0;
    int quitCount = 0;
    // One line per platform call that matters for ordering, e.g. "message:開始:…".
    std::vector<std::string> log;

  private:
    struct Scheduled {
        double due;
        long order;
        std::function<void()> call;
    };
    // The earliest scheduled call, when it may run now.
    std::optional<Scheduled> takeNext(bool clockStill);
    void run(Scheduled& next);

    std::mutex scheduledMutex_;
    std::vector<Scheduled> scheduled_;
    long scheduledCount_ = 0;
};

}  // namespace tanukiban::testing
