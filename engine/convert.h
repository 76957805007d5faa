#pragma once
// Between the engine and the game's own state: the board 盤 with its piece
// codes, the hands 持駒MAN/持駒COM, the side to move, and the game's move
// (GameMove: source square or stand pair, destination, faces before and
// after). The engine counts a pair's pieces in hand from 0, the game from 1.
//
// The game's lower side (MAN, negative codes) is the engine's Lower and its
// upper side (COM) the engine's Upper, whichever of them moves first.
#include <optional>
#include <string>

#include "engine/position.h"
#include "rules/movegen.h"
#include "rules/position.h"

namespace tanukiban::engine {

// The engine's piece for a game code (歩MAN … 王COM), NoPiece for 空桝 or an
// unknown code; and back.
Piece pieceFromCode(int code);
int codeFromPiece(Piece p);

// The position of the game's board and hands. The side to move is the upper
// side when 手番 is 手番COM (and a game runs), else the lower side; the
// overload names it. Nothing when the board is not one the engine can hold
// (see Position::set), with the reason in *error.
std::optional<Position> positionFromGame(const GamePosition& s, std::string* error = nullptr);
std::optional<Position> positionFromGame(const GamePosition& s, Color sideToMove,
                                         std::string* error = nullptr);

// Writes the position's board, hands and hand totals into s; 手番 becomes
// 手番COM or 手番MAN by the side to move. Nothing else changes.
void writeToGame(const Position& pos, GamePosition& s);

// The game's move of an engine move in the position before it.
GameMove toGameMove(const Position& pos, Move m);

// The engine move the game's description names, or no move when it names
// none that the position's side to move can legally make. A drop is known by
// its face (`before`).
Move fromGameMove(const Position& pos, const GameMove& gm);

}  // namespace tanukiban::engine
