#include "app/drawing_record.h"

namespace tanukiban {

void DrawingRecord::clear() {
    commands_.clear();
    bounds_.clear();
    visible_.clear();
    live_.clear();
    for (auto& bucket : buckets_) bucket.clear();
    liveCount_ = 0;
}

void DrawingRecord::forget(std::size_t i) {
    bounds_[i] = QRect();
    visible_[i] = QRegion();
    commands_[i].text.clear();
    commands_[i].english.clear();
    live_[i] = 0;
    --liveCount_;
}

void DrawingRecord::add(DrawCommand command, const QRect& touches, const QRect& hides) {
    static const QRect picture(0, 0, kWidth, kHeight);
    const QRect bounds = touches & picture;
    if (bounds.isEmpty()) return;
    const bool frame = command.kind == DrawCommand::Kind::Frame;
    const QRect reach = (frame ? touches : hides) & picture;
    if (!reach.isEmpty()) {
        forBuckets(reach, [&](const std::vector<std::uint32_t>& bucket) {
            for (const std::uint32_t i : bucket) {
                if (!live_[i] || !bounds_[i].intersects(reach)) continue;
                const DrawCommand& old = commands_[i];
                if (frame) {
                    if (old.kind == DrawCommand::Kind::Frame && old.x == command.x &&
                        old.y == command.y)
                        forget(i);
                    continue;
                }
                if (visible_[i].isEmpty()) {
                    if (hides.contains(bounds_[i])) {
                        forget(i);
                        continue;
                    }
                    visible_[i] = QRegion(bounds_[i]);
                }
                visible_[i] -= QRegion(hides);
                if (visible_[i].isEmpty()) forget(i);
            }
        });
    }
    commands_.push_back(std::move(command));
    bounds_.push_back(bounds);
    visible_.emplace_back();
    live_.push_back(1);
    ++liveCount_;
    index(static_cast<std::uint32_t>(commands_.size() - 1));
    if (commands_.size() > 2 * liveCount_ + 64) compact();
}

void DrawingRecord::index(std::uint32_t i) {
    forBuckets(bounds_[i], [i](std::vector<std::uint32_t>& bucket) { bucket.push_back(i); });
}

void DrawingRecord::compact() {
    std::size_t to = 0;
    for (std::size_t i = 0; i < commands_.size(); ++i) {
        if (!live_[i]) continue;
        if (to != i) {
            commands_[to] = std::move(commands_[i]);
            bounds_[to] = bounds_[i];
            visible_[to] = std::move(visible_[i]);
            live_[to] = 1;
        }
        ++to;
    }
    commands_.resize(to);
    bounds_.resize(to);
    visible_.resize(to);
    live_.resize(to);
    for (auto& bucket : buckets_) bucket.clear();
    for (std::uint32_t i = 0; i < to; ++i) index(i);
}

}  // namespace tanukiban
