#pragma once
// The stored pictures and the codes that select them. Piece codes select the
// pieces (negative: the lower side, upright; positive: the upper side, turned
// half round), 0 the empty wooden square, the background kinds 2..6 their
// tiles, 1 the title picture and 200..217 the frames of a piece turning over.
#include <span>
#include <string_view>

namespace tanukiban {

inline constexpr int 題字 = 1;

// Turning frames: KURO frames carry black lettering, AKA frames red; the
// third, edge-on frame has no lettering and so exists in black only.
inline constexpr int UE_KURO1 = 200, UE_KURO2 = 201, UE_KURO3 = 202, UE_KURO4 = 203, UE_KURO5 = 204;
inline constexpr int SITA_KURO1 = 205, SITA_KURO2 = 206, SITA_KURO3 = 207, SITA_KURO4 = 208,
                     SITA_KURO5 = 209;
inline constexpr int UE_AKA1 = 210, UE_AKA2 = 211, UE_AKA4 = 212, UE_AKA5 = 213;
inline constexpr int SITA_AKA1 = 214, SITA_AKA2 = 215, SITA_AKA4 = 216, SITA_AKA5 = 217;

struct PictureInfo {
    int code;
    std::string_view name;  // file stem of the picture in assets/
    int width;              // natural size in pixels
    int height;
};

// Every stored picture, each code once.
std::span<const PictureInfo> pictureTable();

// The picture a code selects, or nullptr when the code selects none.
const PictureInfo* findPicture(int code);

}  // namespace tanukiban
