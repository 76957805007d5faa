#pragma once
// The engine's position: bitboards over the 25 squares, the two hands, the
// side to move and an incrementally kept Zobrist key, with make/unmake.
#include <string>
#include <vector>

#include "engine/attacks.h"
#include "engine/zobrist.h"

namespace tanukiban::engine {

// A position as plain data, for building one from outside (the game's
// state, a notation); Position::set checks it.
struct Placement {
    Piece board[SquareCount] = {};
    int hand[2][PairCount] = {};
    Color sideToMove = Lower;
};

class Position {
  public:
    // The initial position of the game, lower side to move.
    static Position initial();

    // Replaces the position by the placement, forgetting every ply made. Fails,
    // leaving the position as it was and saying why in *error, when a side
    // has no king or more than one, a piece is unknown, or a hand count is
    // negative or above MaxHandCount. The side not to move may stand in
    // check (the game's one-ply player can leave its king en prise): then
    // kingCapture() names the move that ends the game; such a move is
    // never made on a Position.
    bool set(const Placement& placement, std::string* error = nullptr);
    Placement placement() const;

    Color sideToMove() const { return side_; }
    Piece pieceOn(Square s) const { return board_[s]; }
    Bitboard occupied() const { return byColor_[Lower] | byColor_[Upper]; }
    Bitboard pieces(Color c) const { return byColor_[c]; }
    Bitboard pieces(Kind k) const { return byKind_[k]; }
    Bitboard pieces(Color c, Kind k) const { return byColor_[c] & byKind_[k]; }
    int handCount(Color c, int pair) const { return hand_[c][pair]; }
    bool handEmpty(Color c) const { return handTotal(c) == 0; }
    int handTotal(Color c) const { return hand_[c][0] + hand_[c][1] + hand_[c][2] + hand_[c][3]; }
    Square kingSquare(Color c) const { return king_[c]; }
    Key key() const { return key_; }

    // Pieces of the side to move's opponent that attack its king.
    Bitboard checkers() const { return checkers_; }
    bool inCheck() const { return checkers_ != 0; }
    // Pieces of side c that attack square s with the given occupancy.
    Bitboard attackersTo(Square s, Bitboard occupied, Color c) const;

    // A board move of the side to move that takes the other king, or no move.
    Move kingCapture() const;

    // Plays a legal move / takes back the last one made.
    void make(Move m);
    void unmake(Move m);
    // Passes the turn (for the search's null move) / takes the pass back.
    void makeNull();
    void unmakeNull();

    // True when the current position occurred before with the same side to
    // move, among the plies made or the keys handed in by setPriorKeys.
    bool repeated() const;
    // Keys of the positions that came before the one set, oldest first, so
    // that a repetition of the game's history is seen.
    void setPriorKeys(std::vector<Key> keys);

    // The key the position will have after the move, without making it.
    Key keyAfter(Move m) const;

    // The piece a board move places on its destination.
    Piece pieceAfter(Move m) const;
    Piece capturedBy(Move m) const { return m.isDrop() ? NoPiece : board_[m.to()]; }

  private:
    void put(Piece p, Square s);
    void remove(Square s);
    void recompute();

    struct Undo {
        Key key;
        Bitboard checkers;
        Piece captured;
        int sinceNull;
    };

    Piece board_[SquareCount] = {};
    Bitboard byColor_[2] = {};
    Bitboard byKind_[KindCount] = {};
    int hand_[2][PairCount] = {};
    Square king_[2] = {};
    Color side_ = Lower;
    Key key_ = 0;
    Bitboard checkers_ = 0;
    std::vector<Undo> stack_;
    std::vector<Key> keys_;  // keys before each ply made, prior keys first
    int sinceNull_ = 0;      // plies since the last pass, for repetitions
};

// The position turned half round, every piece changing side, the other side
// to move; and a move of one of the two as the other sees it. Lets a table
// or a choice written for one side serve both.
Position turnedAbout(const Position& pos);
Move turnedAbout(Move m);

}  // namespace tanukiban::engine
