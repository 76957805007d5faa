#include "tests/flow/support/recording_surface.h"

#include <algorithm>
#include <cmath>

#include "display/redraw.h"

namespace tanukiban::testing {

bool samePosition(double a, double b) {
    return std::fabs(a - b) < 1e-6;
}

void RecordingSurface::add(DrawCall call) {
    call.mark = marking_;
    calls.push_back(std::move(call));
}

void RecordingSurface::drawPicture(int code, double x, double y) {
    add({DrawCall::Kind::Picture, code, x, y, {}, {}});
}

void RecordingSurface::frameCell(int colour, double x, double y) {
    frameCell(colour, x, y, 1);
}

void RecordingSurface::frameCell(int colour, double x, double y, int lineWidth) {
    add({DrawCall::Kind::Frame, colour, x, y, {}, {}, lineWidth});
}

void RecordingSurface::drawText(double x, double y, std::string_view utf8, const TextStyle& style) {
    add({DrawCall::Kind::Text, style.colour, x, y, std::string(utf8), style});
}

void RecordingSurface::clearMarks() {
    std::erase_if(calls, [](const DrawCall& c) { return c.mark; });
}

std::vector<DrawCall> RecordingSurface::marks() const {
    std::vector<DrawCall> out;
    for (const DrawCall& c : calls)
        if (c.mark) out.push_back(c);
    return out;
}

void RecordingSurface::refresh() {
    calls.push_back({DrawCall::Kind::Refresh, 0, 0, 0, {}, {}});
}

std::optional<int> RecordingSurface::pictureAt(double x, double y) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
        if (it->kind == DrawCall::Kind::Picture && samePosition(it->x, x) && samePosition(it->y, y))
            return it->code;
    return std::nullopt;
}

std::optional<int> RecordingSurface::frameAt(double x, double y) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
        if (it->kind == DrawCall::Kind::Frame && samePosition(it->x, x) && samePosition(it->y, y))
            return it->code;
    return std::nullopt;
}

std::vector<DrawCall> RecordingSurface::texts() const {
    std::vector<DrawCall> out;
    for (const DrawCall& c : calls)
        if (c.kind == DrawCall::Kind::Text) out.push_back(c);
    return out;
}

std::optional<DrawCall> RecordingSurface::textAt(double x, double y) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
        if (it->kind == DrawCall::Kind::Text && samePosition(it->x, x) && samePosition(it->y, y))
            return *it;
    return std::nullopt;
}

bool RecordingSurface::hasText(std::string_view text) const {
    for (const DrawCall& c : calls)
        if (c.kind == DrawCall::Kind::Text && c.text == text) return true;
    return false;
}

int RecordingSurface::count(DrawCall::Kind kind) const {
    int n = 0;
    for (const DrawCall& c : calls) n += c.kind == kind;
    return n;
}

Picture redrawnPicture(const GameState& state, int 背景種類, bool 経過時間表示) {
    RecordingSurface fresh;
    画面_再描画(fresh, state, 背景種類, 経過時間表示);
    return fresh.picture();
}

Picture RecordingSurface::picture() const {
    Picture out;
    for (const DrawCall& c : calls) {
        const std::pair<int, int> cell{static_cast<int>(std::floor(c.x + 1e-6)),
                                       static_cast<int>(std::floor(c.y + 1e-6))};
        switch (c.kind) {
            case DrawCall::Kind::Picture:
                out[cell] = CellPicture{c.code, std::nullopt, {}};
                break;
            case DrawCall::Kind::Frame:
                out[cell].frame = c.code;
                break;
            case DrawCall::Kind::Text: {
                std::vector<std::string>& texts = out[cell].texts;
                const std::string text = std::to_string(std::lround(c.x * 100)) + "," +
                                         std::to_string(std::lround(c.y * 100)) + "," +
                                         std::to_string(c.style.colour) + "," +
                                         std::to_string(c.style.points) + "," +
                                         (c.style.bold ? "b," : ",") + c.text;
                // The same text drawn again over itself looks as once.
                std::erase(texts, text);
                texts.push_back(text);
                break;
            }
            case DrawCall::Kind::Refresh:
                break;
        }
    }
    return out;
}

}  // namespace tanukiban::testing
