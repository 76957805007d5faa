#include "tests/flow/support/fake_platform.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <thread>

namespace tanukiban::testing {

void FakeRecordPanel::setListsVisible(bool drive, bool folder, bool files) {
    driveVisible = drive;
    folderVisible = folder;
    filesVisible = files;
    ++visibilityCalls;
}

void FakeRecordPanel::refreshFiles() {
    ++refreshCount;
    files.clear();
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folderPath, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(ec) && name.ends_with(".棋譜")) files.push_back(name);
    }
    std::sort(files.begin(), files.end());
}

bool FakeRecordPanel::setFolderListPath(const std::string& path) {
    if (unopenable.count(path)) return false;
    folderListPathValue = path;
    return true;
}

std::string FakeRecordPanel::text(RecordBox box) const {
    auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
}

void FakePlatform::showMessage(std::string_view text, std::string_view title, MessageIcon icon) {
    messages.push_back({std::string(text), std::string(title), icon, false, false});
    log.push_back("message:" + std::string(title) + ":" + std::string(text));
}

bool FakePlatform::askYesNo(std::string_view text, std::string_view title, MessageIcon icon) {
    bool answer = defaultAnswer;
    if (answers.empty()) {
        ++unscriptedQuestions;
    } else {
        answer = answers.front();
        answers.pop_front();
    }
    messages.push_back({std::string(text), std::string(title), icon, true, answer});
    log.push_back("question:" + std::string(title) + ":" + std::string(text) + ":" +
                  (answer ? "yes" : "no"));
    return answer;
}

void FakePlatform::setCaption(std::string_view text) {
    caption = std::string(text);
    captions.push_back(caption);
}

bool FakePlatform::isChecked(MenuItem item) const {
    auto it = checks.find(item);
    return it != checks.end() && it->second;
}

bool FakePlatform::isEnabled(MenuItem item) const {
    auto it = enabled_.find(item);
    return it == enabled_.end() || it->second;
}

void FakePlatform::setClockTimer(bool on) {
    timerOn = on;
    timerChanges.push_back(on);
}

void FakePlatform::advance(double seconds) {
    now = std::fmod(now + seconds, 86400.0);
}

void FakePlatform::schedule(double seconds, std::function<void()> call) {
    const std::lock_guard lock(scheduledMutex_);
    // A call posted from another thread is due at once, whatever the clock says.
    scheduled_.push_back({seconds > 0 ? now + seconds : -1.0, scheduledCount_++, std::move(call)});
}

std::optional<FakePlatform::Scheduled> FakePlatform::takeNext(bool clockStill) {
    const std::lock_guard lock(scheduledMutex_);
    if (scheduled_.empty()) return std::nullopt;
    const auto next = std::min_element(scheduled_.begin(), scheduled_.end(), [](auto& a, auto& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    if (clockStill && next->due > now) return std::nullopt;
    Scheduled taken = std::move(*next);
    scheduled_.erase(next);
    return taken;
}

void FakePlatform::run(Scheduled& next) {
    if (next.due > now) {
        slept += next.due - now;
        advance(next.due - now);
    }
    if (quitCount == 0) next.call();
}

void FakePlatform::runScheduled(const std::function<bool()>& awaiting) {
    for (;;) {
        const bool waiting = awaiting && awaiting();
        std::optional<Scheduled> next = takeNext(waiting);
        if (next) {
            run(*next);
        } else if (waiting) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        } else {
            return;
        }
    }
}

bool FakePlatform::runNext() {
    std::optional<Scheduled> next = takeNext(false);
    if (next) run(*next);
    return next.has_value();
}

void FakePlatform::quit() {
    ++quitCount;
    log.push_back("quit");
}

std::vector<std::string> FakePlatform::messageTexts() const {
    std::vector<std::string> out;
    for (const ShownMessage& m : messages) out.push_back(m.text);
    return out;
}

}  // namespace tanukiban::testing
