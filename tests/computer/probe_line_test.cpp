// The probe's JSON Lines answers.
#include "tools/probe/probe_line.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace tanukiban {
namespace {

using nlohmann::json;

const std::string kInitial =
    R"({"board": [[10,110,950,100,11],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[-11,-100,-950,-110,-10]],)"
    R"( "hand_man": [0,0,0,0], "hand_com": [0,0,0,0], "level": 3, "random": false})";

json answer(const std::string& line) {
    const std::string out = probeLine(line);
    EXPECT_EQ(out.find('\n'), std::string::npos);
    return json::parse(out);
}

TEST(probeLine, 初期局面の調査と候補) {
    const json out = answer(kInitial);
    ASSERT_FALSE(out.contains("error"));
    EXPECT_EQ(out["survey"]["勢力MAN"][3], json::parse("[2,3,3,2,2]"));
    EXPECT_EQ(out["survey"]["勢力COM"][1], json::parse("[2,2,3,3,2]"));
    EXPECT_EQ(out["survey"]["守駒COM"][0], json::parse("[110,950,110,110,999]"));
    EXPECT_EQ(out["survey"]["王X_MAN"], 3);
    EXPECT_EQ(out["survey"]["王Y_COM"], 1);
    EXPECT_EQ(out["詰めかMAN"], false);
    EXPECT_EQ(out["詰めかCOM"], false);
    ASSERT_EQ(out["candidates"].size(), 12u);
    EXPECT_EQ(out["candidates"][0]["from"], json::parse("[1,1]"));
    EXPECT_EQ(out["candidates"][0]["piece"], 10);
    EXPECT_EQ(out["best"]["before"], 11);
    EXPECT_EQ(out["best"]["after"], 20);
}

TEST(probeLine, 鍵は決まった順に並ぶ) {
    const std::string out = probeLine(kInitial);
    const auto at = [&](const char* key) { return out.find(key); };
    EXPECT_LT(at("\"survey\""), at("\"詰めかMAN\""));
    EXPECT_LT(at("\"詰めかMAN\""), at("\"詰めかCOM\""));
    EXPECT_LT(at("\"詰めかCOM\""), at("\"candidates\""));
    EXPECT_LT(at("\"candidates\""), at("\"best\""));
    EXPECT_LT(at("\"勢力MAN\""), at("\"勢力COM\""));
    EXPECT_LT(at("\"王手COM\""), at("\"王X_MAN\""));
}

TEST(probeLine, 点は十分の一までそのまま書く) {
    // The lone upper king can take the lower king: 9999 ends the scan.
    const json capture =
        answer(R"({"board": [[0,0,0,0,0],[0,0,950,0,0],[0,0,-950,0,0],[0,0,0,0,0],[0,0,0,0,0]],)"
               R"( "hand_man": [0,0,0,0], "hand_com": [0,0,0,0], "level": 1})");
    EXPECT_EQ(capture["best"]["score"].dump(), "9999");
    EXPECT_EQ(capture["best"]["to"], json::parse("[3,3]"));
    const std::string out = probeLine(kInitial);
    EXPECT_NE(out.find("\"score\":1.1"), std::string::npos);
    EXPECT_NE(out.find("\"score\":-0.4"), std::string::npos);
    EXPECT_NE(out.find("\"score\":0}"), std::string::npos);  // not 0.0
    EXPECT_EQ(out.find("0000"), std::string::npos);
}

TEST(probeLine, 乱数ありでは歩の点に端数が付き行ごとに同じ列から始まる) {
    std::string line = kInitial;
    line.replace(line.find("false"), 5, "true");
    const json out = answer(line);
    const json& pawn = out["candidates"][0];
    ASSERT_EQ(pawn["piece"], 10);
    const double score = pawn["score"].get<double>();
    EXPECT_GT(score - 0.6, 0.0);
    EXPECT_LT(score - 0.6, 1.0);
    EXPECT_EQ(probeLine(line), probeLine(line));
}

TEST(probeLine, 王のいない局面も答える) {
    const json out =
        answer(R"({"board": [[0,0,0,0,0],[0,0,0,0,0],[0,0,900,0,0],[0,0,0,0,0],[0,0,0,0,-10]],)"
               R"( "hand_man": [1,0,0,0], "hand_com": [0,0,0,2], "level": 2})");
    ASSERT_FALSE(out.contains("error"));
    EXPECT_EQ(out["survey"]["王X_MAN"], 0);
    EXPECT_FALSE(out["best"].is_null());
}

TEST(probeLine, 候補がなければbestはnull) {
    const json out =
        answer(R"({"board": [[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,10,0,-950]],)"
               R"( "hand_man": [0,0,0,0], "hand_com": [0,0,0,0], "level": 3})");
    EXPECT_TRUE(out["candidates"].empty());
    EXPECT_TRUE(out["best"].is_null());
}

TEST(probeLine, 不正な行にはerrorだけを返す) {
    const std::string board =
        R"("board": [[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0]])";
    const std::string hands = R"("hand_man": [0,0,0,0], "hand_com": [0,0,0,0])";
    const std::vector<std::string> bad = {
        "",
        "not json",
        "[1,2,3]",
        "{\"level\": 3}",
        "{" + board + ", " + hands + "}",                               // no level
        "{" + board + ", " + hands + ", \"level\": 4}",                 // level out of range
        "{" + board + ", " + hands + ", \"level\": 2.0}",               // not an integer
        "{" + board + ", " + hands + ", \"level\": 2, \"random\": 1}",  // not a boolean
        "{" + board + R"(, "hand_man": [0,0,0,21], "hand_com": [0,0,0,0], "level": 1})",
        "{" + board + R"(, "hand_man": [0,0,0], "hand_com": [0,0,0,0], "level": 1})",
        "{" + board + R"(, "hand_man": [0,0,0,-1], "hand_com": [0,0,0,0], "level": 1})",
        R"({"board": [[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0]], )" + hands +
            ", \"level\": 1}",
        R"({"board": [[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0]], )" + hands +
            ", \"level\": 1}",
        R"({"board": [[12,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0]], )" + hands +
            ", \"level\": 1}",
        R"({"board": [[18446744073709551615,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0]], )" +
            hands + ", \"level\": 1}",
        R"({"board": [["10",0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0],[0,0,0,0,0]], )" + hands +
            ", \"level\": 1}",
        "{\"board\": \"\xff\xfe\"}",
    };
    for (const std::string& line : bad) {
        const json out = answer(line);
        ASSERT_TRUE(out.is_object()) << line;
        EXPECT_EQ(out.size(), 1u) << line;
        EXPECT_TRUE(out["error"].is_string()) << line;
    }
    // A valid line after them is answered normally.
    EXPECT_FALSE(answer("{" + board + ", " + hands + ", \"level\": 1}").contains("error"));
}

}  // namespace
}  // namespace tanukiban
