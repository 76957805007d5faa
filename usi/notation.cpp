#include "usi/notation.h"

#include <cctype>

#include "engine/movegen.h"
#include "usi/words.h"

namespace tanukiban::usi {

using namespace engine;

namespace {

constexpr char kLetters[KindCount] = {'P', 'T', 'L', 'N', 'S', 'G', 'B', 'R', 'K'};
// The face each pair shows in the initial position names it in a hand.
constexpr Kind kHandFace[PairCount] = {Pawn, Tokin, Gold, Silver};
// Hands are written in the order other programs write them.
constexpr Kind kHandOrder[PairCount] = {Tokin, Gold, Silver, Pawn};
// The two of the initial position and one more that the largest handicap
// puts on the board.
constexpr int kPiecesPerPair = 3;

std::optional<Kind> kindOfLetter(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int k = 0; k < KindCount; ++k)
        if (kLetters[k] == upper) return static_cast<Kind>(k);
    return std::nullopt;
}

// The second face of a pair as the other spelling writes it: "+" before
// the first face's letter.
std::optional<Kind> promotedKind(Kind written) {
    switch (written) {
        case Pawn:
            return Rook;
        case Lance:
            return Tokin;
        case Knight:
            return Gold;
        case Silver:
            return Bishop;
        default:
            return std::nullopt;
    }
}

// A face at the front of text: a letter, or "+" and a letter. Returns the
// characters read, 0 when there is no face.
std::size_t readFace(std::string_view text, Kind& kind, bool& lower) {
    const bool plus = !text.empty() && text[0] == '+';
    const std::size_t at = plus ? 1 : 0;
    if (text.size() <= at) return 0;
    const std::optional<Kind> k = kindOfLetter(text[at]);
    if (!k) return 0;
    lower = std::isupper(static_cast<unsigned char>(text[at])) != 0;
    if (!plus) {
        kind = *k;
        return 1;
    }
    const std::optional<Kind> turned = promotedKind(*k);
    if (!turned) return 0;
    kind = *turned;
    return 2;
}

std::optional<Square> squareOf(std::string_view text) {
    if (text.size() != 2) return std::nullopt;
    const int file = text[0] - '0', rank = text[1] - 'a';
    if (file < 1 || file > 5 || rank < 0 || rank > 4) return std::nullopt;
    return squareAt(6 - file, rank + 1);
}

bool fail(std::string* error, std::string why) {
    if (error) *error = std::move(why);
    return false;
}

bool readBoard(std::string_view text, Placement& p, std::string* error) {
    int y = 1, x = 1;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '/') {
            if (x != 6)
                return fail(error, "rank " + std::string(1, 'a' + y - 1) + " is not 5 squares");
            if (++y > 5) return fail(error, "more than 5 ranks");
            x = 1;
            ++i;
        } else if (c >= '1' && c <= '5') {
            x += c - '0';
            ++i;
        } else {
            Kind k;
            bool lower;
            const std::size_t used = readFace(text.substr(i), k, lower);
            if (used == 0)
                return fail(error, "unknown piece '" + printable(text.substr(i, 1)) + "'");
            if (x <= 5) p.board[squareAt(x, y)] = makePiece(lower ? Lower : Upper, k);
            ++x;
            i += used;
        }
        if (x > 6) return fail(error, "rank " + std::string(1, 'a' + y - 1) + " is not 5 squares");
    }
    if (y != 5 || x != 6) return fail(error, "the board is not 5 ranks of 5 squares");
    return true;
}

bool readHands(std::string_view text, Placement& p, std::string* error) {
    if (text == "-") return true;
    for (std::size_t i = 0; i < text.size();) {
        int count = 1;
        if (std::isdigit(static_cast<unsigned char>(text[i]))) {
            count = 0;
            for (int digits = 0;
                 i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
                if (++digits > 2) return fail(error, "a hand count is too large");
                count = count * 10 + (text[i] - '0');
            }
        }
        Kind k;
        bool lower;
        const std::size_t used = readFace(text.substr(i), k, lower);
        if (used == 0 || k == King) return fail(error, "unknown piece in hand: " + printable(text));
        p.hand[lower ? Lower : Upper][pairOf(k)] += count;
        i += used;
    }
    return true;
}

bool checkMaterial(const Placement& p, std::string* error) {
    int total[PairCount] = {};
    for (const Piece piece : p.board)
        if (piece != NoPiece && kindOf(piece) != King) ++total[pairOf(kindOf(piece))];
    for (int pair = 0; pair < PairCount; ++pair) {
        if (total[pair] + p.hand[Lower][pair] + p.hand[Upper][pair] > kPiecesPerPair) {
            return fail(error, std::string("more than three pieces of the pair of ") +
                                   kLetters[kHandFace[pair]]);
        }
    }
    return true;
}

}  // namespace

std::string squareName(Square s) {
    return {static_cast<char>('0' + 6 - columnOf(s)), static_cast<char>('a' + rowOf(s) - 1)};
}

char faceLetter(Kind k) {
    return kLetters[k];
}

std::string formatSfen(const Position& pos, int moveNumber) {
    std::string out;
    for (int y = 1; y <= 5; ++y) {
        if (y > 1) out += '/';
        int empty = 0;
        for (int x = 1; x <= 5; ++x) {
            const Piece p = pos.pieceOn(squareAt(x, y));
            if (p == NoPiece) {
                ++empty;
                continue;
            }
            if (empty > 0) out += static_cast<char>('0' + empty);
            empty = 0;
            const char letter = kLetters[kindOf(p)];
            out += colorOf(p) == Lower ? letter : static_cast<char>(std::tolower(letter));
        }
        if (empty > 0) out += static_cast<char>('0' + empty);
    }
    out += pos.sideToMove() == Lower ? " b " : " w ";
    std::string hands;
    for (const Color c : {Lower, Upper}) {
        for (const Kind face : kHandOrder) {
            const int n = pos.handCount(c, pairOf(face));
            if (n <= 0) continue;
            if (n > 1) hands += std::to_string(n);
            const char letter = kLetters[face];
            hands += c == Lower ? letter : static_cast<char>(std::tolower(letter));
        }
    }
    out += hands.empty() ? "-" : hands;
    out += ' ' + std::to_string(moveNumber);
    return out;
}

std::optional<Position> parseSfen(const std::vector<std::string_view>& words, int* moveNumber,
                                  std::string* error) {
    if (words.size() < 3 || words.size() > 4) {
        fail(error, "a position needs board, side to move and hands");
        return std::nullopt;
    }
    Placement p;
    if (!readBoard(words[0], p, error)) return std::nullopt;
    if (words[1] == "b") {
        p.sideToMove = Lower;
    } else if (words[1] == "w") {
        p.sideToMove = Upper;
    } else {
        fail(error, "the side to move is neither b nor w");
        return std::nullopt;
    }
    if (!readHands(words[2], p, error) || !checkMaterial(p, error)) return std::nullopt;
    int number = 1;
    if (words.size() == 4) {
        const std::string_view w = words[3];
        number = 0;
        for (const char c : w) {
            if (!std::isdigit(static_cast<unsigned char>(c)) || number > 99999) {
                fail(error, "the move number is not a number");
                return std::nullopt;
            }
            number = number * 10 + (c - '0');
        }
        if (w.empty() || number < 1) {
            fail(error, "the move number must be 1 or more");
            return std::nullopt;
        }
    }
    Position pos;
    if (!pos.set(p, error)) return std::nullopt;
    if (moveNumber) *moveNumber = number;
    return pos;
}

std::optional<Position> parseSfen(std::string_view text, int* moveNumber, std::string* error) {
    return parseSfen(splitWords(text), moveNumber, error);
}

std::string formatMove(const Position& pos, Move m) {
    if (m.isDrop()) return std::string(1, kLetters[m.dropFace()]) + '*' + squareName(m.to());
    std::string out = squareName(m.from()) + squareName(m.to());
    if (kindOf(pos.pieceOn(m.from())) != King) out += '+';
    return out;
}

Move parseMove(const Position& pos, std::string_view text, std::string* error) {
    const std::string shown = printable(text);
    Move m;
    if (const std::size_t star = text.find('*'); star != std::string_view::npos) {
        Kind k;
        bool lower;
        const std::optional<Square> to = squareOf(text.substr(star + 1));
        if (!to || star == 0 || readFace(text.substr(0, star), k, lower) != star) {
            fail(error, "not a move: " + shown);
            return Move();
        }
        if (k == King) {
            fail(error, "a king is never dropped: " + shown);
            return Move();
        }
        m = Move::drop(k, *to);
    } else {
        const std::optional<Square> from =
            text.size() >= 4 ? squareOf(text.substr(0, 2)) : std::nullopt;
        const std::optional<Square> to =
            text.size() >= 4 ? squareOf(text.substr(2, 2)) : std::nullopt;
        const std::string_view suffix = text.size() >= 4 ? text.substr(4) : text;
        if (!from || !to || !(suffix.empty() || suffix == "+" || suffix == "-")) {
            fail(error, "not a move: " + shown);
            return Move();
        }
        const Piece piece = pos.pieceOn(*from);
        if (piece != NoPiece && kindOf(piece) == King && !suffix.empty()) {
            fail(error, "a king does not turn over: " + shown);
            return Move();
        }
        m = Move::board(*from, *to);
        const Piece taken = pos.pieceOn(*to);
        if (piece != NoPiece && colorOf(piece) == pos.sideToMove() && taken != NoPiece &&
            colorOf(taken) != pos.sideToMove() && kindOf(taken) == King) {
            fail(error, "taking the king ends the game: " + shown);
            return Move();
        }
    }
    if (!isLegal(pos, m)) {
        fail(error, "illegal move: " + shown);
        return Move();
    }
    return m;
}

}  // namespace tanukiban::usi
