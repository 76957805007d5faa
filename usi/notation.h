#pragma once
// Positions (SFEN) and moves as other programs write them.
//
// Letters name faces: P pawn, R rook, S silver, B bishop, G gold, N knight,
// T tokin, L lance, K king; uppercase for the lower side, which moves first
// from the initial position (`pgkst/5/5/5/TSKGP b - 1`). Files run 5…1 from
// left to right as the board is drawn, ranks a…e from the top. A board move
// carries "+" whenever the piece turns over, that is unless it is a king's
// (`1e1d+`); a drop names the face dropped (`R*3c`).
//
// Read as well, the other spelling in use: the second face of a pair
// written as a promoted piece (+P rook, +L tokin, +N gold, +S bishop), on
// the board, in hands and in drops (`+P*3c`); "-" or no suffix after a board
// move (the face it turns to is fixed, so the suffix adds nothing). A hand
// holds pairs: either face letter counts for its pair, and a hand is written
// with the face each pair shows in the initial position, the first mover's
// pieces first, each side in the order T, G, S, P; read in any order.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/position.h"

namespace tanukiban::usi {

// "1e" for the bottom right square.
std::string squareName(engine::Square s);

// The face's uppercase letter.
char faceLetter(engine::Kind k);

// Board, side to move ("b" for the lower side), hands and move number.
std::string formatSfen(const engine::Position& pos, int moveNumber = 1);

// Reads the SFEN words: board, side, hands and an optional move number
// (1 when absent, else stored in *moveNumber). Besides what Position::set
// refuses, refuses more pieces of a pair than the game has (two). Nothing on
// failure, with the reason in *error.
std::optional<engine::Position> parseSfen(const std::vector<std::string_view>& words,
                                          int* moveNumber = nullptr, std::string* error = nullptr);
// The same from one line of text.
std::optional<engine::Position> parseSfen(std::string_view text, int* moveNumber = nullptr,
                                          std::string* error = nullptr);

std::string formatMove(const engine::Position& pos, engine::Move m);

// The legal move of the side to move that the text names, or no move with
// the reason in *error. Taking a king is refused: it ends the game and is
// never made on a position.
engine::Move parseMove(const engine::Position& pos, std::string_view text,
                       std::string* error = nullptr);

}  // namespace tanukiban::usi
