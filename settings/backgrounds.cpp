#include "settings/backgrounds.h"

namespace tanukiban {

std::optional<int> backgroundKind(std::string_view name) {
    for (const BackgroundName& b : kBackgroundNames) {
        if (b.name == name) return b.kind;
    }
    return std::nullopt;
}

std::string_view backgroundName(int kind) {
    for (const BackgroundName& b : kBackgroundNames) {
        if (b.kind == kind) return b.name;
    }
    return {};
}

}  // namespace tanukiban
