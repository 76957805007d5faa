#include "settings/backgrounds.h"

#include <gtest/gtest.h>

namespace tanukiban {
namespace {

TEST(背景名, 五つの名前と種類が対応する) {
    const std::pair<const char*, int> expected[] = {{"緑", 背景_緑},
                                                    {"竹", 背景_竹},
                                                    {"畳", 背景_畳},
                                                    {"宇宙", 背景_宇宙},
                                                    {"煉瓦", 背景_煉瓦}};
    for (const auto& [name, kind] : expected) {
        EXPECT_EQ(backgroundKind(name), kind) << name;
        EXPECT_EQ(backgroundName(kind), name) << kind;
    }
}

TEST(背景名, それ以外の名前と種類は無い) {
    for (const char* name : {"", "青", " 緑", "緑 ", "midori", "緑\r"}) {
        EXPECT_FALSE(backgroundKind(name).has_value()) << name;
    }
    for (int kind : {0, 1, 7, -2}) EXPECT_EQ(backgroundName(kind), "") << kind;
}

}  // namespace
}  // namespace tanukiban
