#include "text/language.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "text/catalogue_data.h"

namespace tanukiban::text {

namespace {

std::atomic<Language> chosen{Language::Japanese};

constexpr std::string_view kPlaceholder = "%s";
// What gettext puts between a context and its text.
constexpr char kContextEnd = '\x04';

struct Catalogue {
    std::unordered_map<std::string_view, std::string_view> entries;  // Japanese → English
    // The entries with one "%s", as (Japanese, English).
    std::vector<std::pair<std::string_view, std::string_view>> patterns;
};

using Bytes = std::span<const unsigned char>;

// Little-endian, as the build asks msgfmt to write.
std::uint64_t word(Bytes bytes, std::uint64_t at) {
    if (at + 4 > bytes.size()) return 0;
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint64_t>(bytes[at + 3]) << 24;
}

// The string that a table entry (length, offset) at `at` describes.
std::optional<std::string_view> stringAt(Bytes bytes, std::uint64_t at) {
    const std::uint64_t length = word(bytes, at), offset = word(bytes, at + 4);
    if (at + 8 > bytes.size() || offset + length > bytes.size()) return std::nullopt;
    return std::string_view(reinterpret_cast<const char*>(bytes.data()) + offset, length);
}

// The .mo layout: a magic number, the revision, the number of strings, and
// where the tables of the originals and of the translations begin; each
// table holds a (length, offset) pair a string.
Catalogue load(Bytes mo) {
    Catalogue c;
    if (word(mo, 0) != 0x950412de) return c;
    const std::uint64_t count = word(mo, 8), originals = word(mo, 12), translations = word(mo, 16);
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto japanese = stringAt(mo, originals + 8 * i);
        const auto english = stringAt(mo, translations + 8 * i);
        if (!japanese || !english) return {};
        if (japanese->empty()) continue;  // the header
        c.entries.emplace(*japanese, *english);
        if (japanese->find(kPlaceholder) != std::string_view::npos &&
            japanese->find(kContextEnd) == std::string_view::npos)
            c.patterns.emplace_back(*japanese, *english);
    }
    return c;
}

const Catalogue& catalogue() {
    static const Catalogue c = load(Bytes(kEnglishCatalogue, kEnglishCatalogueSize));
    return c;
}

std::optional<std::string_view> entry(std::string_view japanese) {
    const auto& entries = catalogue().entries;
    const auto it = entries.find(japanese);
    if (it == entries.end()) return std::nullopt;
    return it->second;
}

// The part of `text` in place of the pattern's "%s", when the rest matches.
std::optional<std::string_view> filling(std::string_view pattern, std::string_view text) {
    const std::size_t at = pattern.find(kPlaceholder);
    const std::string_view before = pattern.substr(0, at);
    const std::string_view after = pattern.substr(at + kPlaceholder.size());
    if (text.size() < before.size() + after.size() || !text.starts_with(before) ||
        !text.ends_with(after))
        return std::nullopt;
    return text.substr(before.size(), text.size() - before.size() - after.size());
}

std::optional<std::string> fromPattern(std::string_view japanese) {
    // The pattern that leaves the least to fill is the most telling.
    std::optional<std::pair<std::string_view, std::string_view>> best;
    std::string_view bestFilling;
    for (const auto& [pattern, english] : catalogue().patterns) {
        const auto part = filling(pattern, japanese);
        if (part && (!best || part->size() < bestFilling.size())) {
            best = {pattern, english};
            bestFilling = *part;
        }
    }
    if (!best) return std::nullopt;
    std::string text(best->second);
    const std::size_t at = text.find(kPlaceholder);
    if (at == std::string::npos) return text;
    const std::string_view part = entry(bestFilling).value_or(bestFilling);
    return text.replace(at, kPlaceholder.size(), part);
}

}  // namespace

Language language() {
    return chosen.load(std::memory_order_relaxed);
}

void setLanguage(Language language) {
    chosen.store(language, std::memory_order_relaxed);
}

std::string english(std::string_view japanese) {
    if (const auto found = entry(japanese)) return std::string(*found);
    if (auto made = fromPattern(japanese)) return std::move(*made);
    return std::string(japanese);
}

std::string english(std::string_view context, std::string_view japanese) {
    std::string key(context);
    key += kContextEnd;
    key += japanese;
    if (const auto found = entry(key)) return std::string(*found);
    return english(japanese);
}

std::string tr(std::string_view japanese) {
    return language() == Language::English ? english(japanese) : std::string(japanese);
}

std::string tr(std::string_view context, std::string_view japanese) {
    return language() == Language::English ? english(context, japanese) : std::string(japanese);
}

}  // namespace tanukiban::text
