#include "display/pictures.h"

#include "rules/pieces.h"

namespace tanukiban {

namespace {

constexpr int kCellW = 40, kCellH = 41, kTile = 41;

constexpr PictureInfo kPictures[] = {
    {空桝, "kara_masu", kCellW, kCellH},
    {歩MAN, "sita_hu", kCellW, kCellH},
    {とMAN, "sita_to", kCellW, kCellH},
    {香MAN, "sita_kyou", kCellW, kCellH},
    {桂MAN, "sita_kei", kCellW, kCellH},
    {銀MAN, "sita_gin", kCellW, kCellH},
    {金MAN, "sita_kin", kCellW, kCellH},
    {角MAN, "sita_kaku", kCellW, kCellH},
    {飛MAN, "sita_sya", kCellW, kCellH},
    {王MAN, "sita_ou", kCellW, kCellH},
    {歩COM, "ue_hu", kCellW, kCellH},
    {とCOM, "ue_to", kCellW, kCellH},
    {香COM, "ue_kyou", kCellW, kCellH},
    {桂COM, "ue_kei", kCellW, kCellH},
    {銀COM, "ue_gin", kCellW, kCellH},
    {金COM, "ue_kin", kCellW, kCellH},
    {角COM, "ue_kaku", kCellW, kCellH},
    {飛COM, "ue_sya", kCellW, kCellH},
    {王COM, "ue_ou", kCellW, kCellH},
    {UE_KURO1, "ue_kuro1", kCellW, kCellH},
    {UE_KURO2, "ue_kuro2", kCellW, kCellH},
    {UE_KURO3, "ue_kuro3", kCellW, kCellH},
    {UE_KURO4, "ue_kuro4", kCellW, kCellH},
    {UE_KURO5, "ue_kuro5", kCellW, kCellH},
    {SITA_KURO1, "sita_kuro1", kCellW, kCellH},
    {SITA_KURO2, "sita_kuro2", kCellW, kCellH},
    {SITA_KURO3, "sita_kuro3", kCellW, kCellH},
    {SITA_KURO4, "sita_kuro4", kCellW, kCellH},
    {SITA_KURO5, "sita_kuro5", kCellW, kCellH},
    {UE_AKA1, "ue_aka1", kCellW, kCellH},
    {UE_AKA2, "ue_aka2", kCellW, kCellH},
    {UE_AKA4, "ue_aka4", kCellW, kCellH},
    {UE_AKA5, "ue_aka5", kCellW, kCellH},
    {SITA_AKA1, "sita_aka1", kCellW, kCellH},
    {SITA_AKA2, "sita_aka2", kCellW, kCellH},
    {SITA_AKA4, "sita_aka4", kCellW, kCellH},
    {SITA_AKA5, "sita_aka5", kCellW, kCellH},
    {背景_緑, "haikei_midori", kTile, kTile},
    {背景_畳, "haikei_tatami", kTile, kTile},
    {背景_竹, "haikei_take", kTile, kTile},
    {背景_宇宙, "haikei_uchu", kTile, kTile},
    {背景_煉瓦, "haikei_renga", kTile, kTile},
    {題字, "tanukiban", 118, 59},
};

}  // namespace

std::span<const PictureInfo> pictureTable() {
    return kPictures;
}

const PictureInfo* findPicture(int code) {
    for (const PictureInfo& p : pictureTable())
        if (p.code == code) return &p;
    return nullptr;
}

}  // namespace tanukiban
