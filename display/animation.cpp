#include "display/animation.h"

#include "display/board.h"
#include "display/pictures.h"
#include "rules/pieces.h"

namespace tanukiban {

std::optional<FramePattern> 回転パターン(int I_回転パターン) {
    switch (I_回転パターン) {
        case 1:
            return FramePattern{UE_AKA1, UE_AKA2, UE_KURO3, UE_KURO4, UE_KURO5};
        case 2:
            return FramePattern{UE_KURO1, UE_KURO2, UE_KURO3, UE_AKA4, UE_AKA5};
        case 3:
            return FramePattern{UE_KURO1, UE_KURO2, UE_KURO3, UE_KURO4, UE_KURO5};
        case 4:
            return FramePattern{SITA_AKA1, SITA_AKA2, SITA_KURO3, SITA_KURO4, SITA_KURO5};
        case 5:
            return FramePattern{SITA_KURO1, SITA_KURO2, SITA_KURO3, SITA_AKA4, SITA_AKA5};
        case 6:
            return FramePattern{SITA_KURO1, SITA_KURO2, SITA_KURO3, SITA_KURO4, SITA_KURO5};
        default:
            return std::nullopt;
    }
}

int turningPatternFor(int 移動前駒) {
    switch (移動前駒) {
        case とCOM:
            return 1;
        case 香COM:
            return 2;
        case 歩COM:
        case 桂COM:
        case 銀COM:
        case 金COM:
        case 角COM:
        case 飛COM:
            return 3;
        case とMAN:
            return 4;
        case 香MAN:
            return 5;
        case 歩MAN:
        case 桂MAN:
        case 銀MAN:
        case 金MAN:
        case 角MAN:
        case 飛MAN:
            return 6;
        default:
            return 0;
    }
}

bool 描画_回転駒(Surface& s, int I_回転パターン, int frame, double I_座標X, double I_座標Y) {
    const std::optional<FramePattern> frames = 回転パターン(I_回転パターン);
    if (!frames || frame < 0 || frame >= static_cast<int>(frames->size())) return false;
    描画_絵(s, (*frames)[static_cast<std::size_t>(frame)], I_座標X, I_座標Y);
    描画_桝輪郭(s, 背景色, I_座標X, I_座標Y);
    s.refresh();
    return true;
}

}  // namespace tanukiban
