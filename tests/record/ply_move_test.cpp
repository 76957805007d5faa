#include "record/ply_move.h"

#include <gtest/gtest.h>

#include <vector>

namespace tanukiban {
namespace {

TEST(PlyMove, 打ちは面の駒台の列に残る) {
    for (const int face : {歩MAN, 香MAN, 桂MAN, 銀MAN}) EXPECT_EQ(standColumnOf(face), 自持盤X1);
    for (const int face : {飛MAN, とMAN, 金MAN, 角MAN}) EXPECT_EQ(standColumnOf(face), 自持盤X2);
    for (const int face : {歩COM, 香COM, 桂COM, 銀COM}) EXPECT_EQ(standColumnOf(face), 敵持盤X1);
    for (const int face : {飛COM, とCOM, 金COM, 角COM}) EXPECT_EQ(standColumnOf(face), 敵持盤X2);
}

// Record files keep an upper drop's row both ways: as clicked (5 − pair)
// and as the computer writes it (the pair); both read back as one move.
TEST(PlyMove, 上手の打ちの行は二通りに書かれどちらも同じ手に読む) {
    const GameMove knight = GameMove::drop(桂COM, 2, 3);
    const Ply clicked = plyOf(knight, UpperDropRow::Clicked);
    const Ply chosen = plyOf(knight, UpperDropRow::Pair);
    EXPECT_EQ(std::vector<int>({clicked.元X, clicked.元Y, chosen.元X, chosen.元Y}),
              std::vector<int>({敵持盤X1, 2, 敵持盤X1, 3}));
    EXPECT_TRUE(moveOf(clicked) == knight);
    EXPECT_TRUE(moveOf(chosen) == knight);

    // The lower stand keeps the row it is drawn in, pair + 1, either way.
    const GameMove gold = GameMove::drop(金MAN, 4, 4);
    EXPECT_EQ(plyOf(gold, UpperDropRow::Clicked).元Y, 4);
    EXPECT_EQ(plyOf(gold).元Y, 4);
    EXPECT_EQ(plyOf(gold).元X, 自持盤X2);
    EXPECT_TRUE(moveOf(plyOf(gold)) == gold);

    const GameMove step = GameMove::onBoard(2, 4, 2, 3, 銀MAN, 角MAN);
    const Ply p = plyOf(step);
    EXPECT_EQ(std::vector<int>({p.元X, p.元Y, p.先X, p.先Y, p.元駒, p.先駒}),
              std::vector<int>({2, 4, 2, 3, 銀MAN, 角MAN}));
    EXPECT_TRUE(moveOf(p) == step);
}

}  // namespace
}  // namespace tanukiban
