#include "record/record_format.h"

#include <cmath>
#include <string>

#include "record/text_codec.h"

namespace tanukiban {
namespace {

int wholeSeconds(double t) {
    if (!(t > 0)) return 0;  // also NaN
    if (t >= kLongestTime) return kLongestTime;
    return static_cast<int>(std::trunc(t));
}

// A field's text as a number: spaces around an optional minus and digits.
int fieldValue(std::string_view field) {
    const auto first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) return 0;
    const auto last = field.find_last_not_of(' ');
    std::string_view body = field.substr(first, last - first + 1);
    bool negative = false;
    if (body.front() == '-') {
        negative = true;
        body.remove_prefix(1);
    }
    if (body.empty()) return 0;
    int value = 0;
    for (char c : body) {
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');  // at most five digits: no overflow
    }
    return negative ? -value : value;
}

}  // namespace

MoveLineFields moveLineFields(const MoveList& list, int i) {
    return {list.手順元X[i],
            list.手順元Y[i],
            list.手順先X[i],
            list.手順先Y[i],
            list.手順先駒[i],
            list.手順元駒[i],
            list.手順取得駒[i],
            wholeSeconds(list.手順前秒MAN[i]),
            wholeSeconds(list.手順後秒MAN[i]),
            wholeSeconds(list.手順前秒COM[i]),
            wholeSeconds(list.手順後秒COM[i])};
}

void storeMoveLine(MoveList& list, int i, const MoveLineFields& f) {
    list.手順元X[i] = f[kFieldSourceX];
    list.手順元Y[i] = f[kFieldSourceY];
    list.手順先X[i] = f[kFieldDestX];
    list.手順先Y[i] = f[kFieldDestY];
    list.手順先駒[i] = f[kFieldPlaced];
    list.手順元駒[i] = f[kFieldMoving];
    list.手順取得駒[i] = f[kFieldCaptured];
    list.手順前秒MAN[i] = f[kFieldManBefore];
    list.手順後秒MAN[i] = f[kFieldManAfter];
    list.手順前秒COM[i] = f[kFieldComBefore];
    list.手順後秒COM[i] = f[kFieldComAfter];
}

std::optional<std::string> formatMoveLine(const MoveLineFields& fields) {
    std::string line;
    line.reserve(kMoveLineLength);
    for (int k = 0; k < kFieldCount; ++k) {
        const std::string digits = std::to_string(fields[k]);
        const auto width = static_cast<std::size_t>(kFieldWidths[k]);
        if (digits.size() > width) return std::nullopt;
        line.append(width - digits.size(), ' ');
        line += digits;
    }
    return line;
}

std::optional<MoveLineFields> parseMoveLine(std::string_view line) {
    if (line.size() != static_cast<std::size_t>(kMoveLineLength)) return std::nullopt;
    for (char c : line) {
        if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
    }
    MoveLineFields fields{};
    std::size_t column = 0;
    for (int k = 0; k < kFieldCount; ++k) {
        const auto width = static_cast<std::size_t>(kFieldWidths[k]);
        fields[k] = fieldValue(line.substr(column, width));
        column += width;
    }
    return fields;
}

bool RecordLines::next(std::string& line) {
    if (pos_ >= text_.size()) return false;
    const auto end = text_.find_first_of("\r\n", pos_);
    if (end == std::string::npos) {
        line = text_.substr(pos_);
        pos_ = text_.size();
        return true;
    }
    line = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    return true;
}

int 読込_棋譜ファイル(RecordLines& 入力, std::string& 文字列) {
    std::string line;
    if (!入力.next(line)) return NG;
    文字列 = std::move(line);
    return OK;
}

}  // namespace tanukiban
