#include "engine/position.h"

#include <algorithm>

namespace tanukiban::engine {

Position Position::initial() {
    Placement s;
    const Kind upper[5] = {Pawn, Gold, King, Silver, Tokin};
    for (int x = 1; x <= 5; ++x) {
        s.board[squareAt(x, 1)] = makePiece(Upper, upper[x - 1]);
        // The lower rank is the upper one turned half round.
        s.board[squareAt(6 - x, 5)] = makePiece(Lower, upper[x - 1]);
    }
    Position p;
    p.set(s);
    return p;
}

bool Position::set(const Placement& placement, std::string* error) {
    auto fail = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    int kings[2] = {0, 0};
    for (const Piece p : placement.board) {
        if (p == NoPiece) continue;
        if ((p & 15) == 0 || (p & 15) > KindCount || (p >> 4) > 1) return fail("unknown piece");
        if (kindOf(p) == King) ++kings[colorOf(p)];
    }
    if (kings[Lower] != 1 || kings[Upper] != 1) return fail("each side needs exactly one king");
    for (const auto& hand : placement.hand)
        for (int n : hand)
            if (n < 0 || n > MaxHandCount) return fail("a hand count is out of range");

    Position p;
    for (Square s = 0; s < SquareCount; ++s)
        if (placement.board[s] != NoPiece) p.put(placement.board[s], s);
    std::copy(&placement.hand[0][0], &placement.hand[0][0] + 2 * PairCount, &p.hand_[0][0]);
    p.side_ = placement.sideToMove;
    p.recompute();
    *this = std::move(p);
    stack_.reserve(256);
    keys_.reserve(256);
    return true;
}

Placement Position::placement() const {
    Placement s;
    std::copy(board_, board_ + SquareCount, s.board);
    std::copy(&hand_[0][0], &hand_[0][0] + 2 * PairCount, &s.hand[0][0]);
    s.sideToMove = side_;
    return s;
}

void Position::recompute() {
    key_ = side_ == Upper ? sideKey() : 0;
    for (Square s = 0; s < SquareCount; ++s)
        if (board_[s] != NoPiece) key_ ^= pieceKey(board_[s], s);
    for (int c = 0; c < 2; ++c)
        for (int pair = 0; pair < PairCount; ++pair)
            key_ ^= handKey(static_cast<Color>(c), pair, hand_[c][pair]);
    checkers_ = attackersTo(king_[side_], occupied(), ~side_);
    stack_.clear();
    keys_.clear();
    sinceNull_ = 0;
}

void Position::put(Piece p, Square s) {
    board_[s] = p;
    byColor_[colorOf(p)] |= bit(s);
    byKind_[kindOf(p)] |= bit(s);
    if (kindOf(p) == King) king_[colorOf(p)] = s;
}

void Position::remove(Square s) {
    const Piece p = board_[s];
    board_[s] = NoPiece;
    byColor_[colorOf(p)] &= ~bit(s);
    byKind_[kindOf(p)] &= ~bit(s);
}

Bitboard Position::attackersTo(Square s, Bitboard occ, Color c) const {
    const Color them = ~c;
    const Bitboard golds = byKind_[Gold] | byKind_[Tokin];
    const Bitboard found =
        (stepAttacks(them, Gold, s) & golds) | (stepAttacks(them, Silver, s) & byKind_[Silver]) |
        (stepAttacks(them, Knight, s) & byKind_[Knight]) |
        (stepAttacks(them, Pawn, s) & byKind_[Pawn]) |
        (stepAttacks(them, King, s) & byKind_[King]) | (rookAttacks(s, occ) & byKind_[Rook]) |
        (bishopAttacks(s, occ) & byKind_[Bishop]) | (lanceAttacks(them, s, occ) & byKind_[Lance]);
    return found & byColor_[c];
}

Move Position::kingCapture() const {
    const Bitboard takers = attackersTo(king_[~side_], occupied(), side_);
    return takers ? Move::board(lowestSquare(takers), king_[~side_]) : Move();
}

Piece Position::pieceAfter(Move m) const {
    if (m.isDrop()) return makePiece(side_, m.dropFace());
    const Piece p = board_[m.from()];
    return makePiece(colorOf(p), otherFace(kindOf(p)));
}

Key Position::keyAfter(Move m) const {
    const Color us = side_;
    const Square to = m.to();
    Key k = key_ ^ sideKey();
    if (m.isDrop()) {
        const int pair = pairOf(m.dropFace());
        return k ^ handKey(us, pair, hand_[us][pair]) ^ handKey(us, pair, hand_[us][pair] - 1) ^
               pieceKey(makePiece(us, m.dropFace()), to);
    }
    const Piece p = board_[m.from()];
    const Piece captured = board_[to];
    if (captured != NoPiece) {
        const int pair = pairOf(kindOf(captured));
        k ^= pieceKey(captured, to) ^ handKey(us, pair, hand_[us][pair]) ^
             handKey(us, pair, hand_[us][pair] + 1);
    }
    return k ^ pieceKey(p, m.from()) ^ pieceKey(makePiece(us, otherFace(kindOf(p))), to);
}

void Position::make(Move m) {
    const Color us = side_;
    const Square to = m.to();
    Undo u{key_, checkers_, NoPiece, sinceNull_};
    keys_.push_back(key_);
    if (m.isDrop()) {
        const Kind face = m.dropFace();
        const int pair = pairOf(face);
        key_ ^= handKey(us, pair, hand_[us][pair]) ^ handKey(us, pair, hand_[us][pair] - 1);
        --hand_[us][pair];
        const Piece p = makePiece(us, face);
        put(p, to);
        key_ ^= pieceKey(p, to);
        checkers_ = attacksOf(us, face, to, occupied()) & bit(king_[~us]) ? bit(to) : 0;
    } else {
        const Square from = m.from();
        const Piece p = board_[from];
        const Piece captured = board_[to];
        if (captured != NoPiece) {
            const int pair = pairOf(kindOf(captured));
            key_ ^= pieceKey(captured, to) ^ handKey(us, pair, hand_[us][pair]) ^
                    handKey(us, pair, hand_[us][pair] + 1);
            ++hand_[us][pair];
            remove(to);
            u.captured = captured;
        }
        remove(from);
        const Piece after = makePiece(us, otherFace(kindOf(p)));
        put(after, to);
        key_ ^= pieceKey(p, from) ^ pieceKey(after, to);
        // Checks come from the piece moved or from a slider it uncovered.
        const Square theirKing = king_[~us];
        const Bitboard occ = occupied();
        checkers_ = attacksOf(us, kindOf(after), to, occ) & bit(theirKing) ? bit(to) : 0;
        if (const Bitboard line = lineThrough(theirKing, from)) {
            const Bitboard sliders = (rookAttacks(theirKing, occ) & byKind_[Rook]) |
                                     (bishopAttacks(theirKing, occ) & byKind_[Bishop]) |
                                     (lanceAttacks(~us, theirKing, occ) & byKind_[Lance]);
            checkers_ |= sliders & byColor_[us] & line & ~bit(to);
        }
    }
    stack_.push_back(u);
    side_ = ~us;
    key_ ^= sideKey();
    ++sinceNull_;
}

void Position::unmake(Move m) {
    const Undo u = stack_.back();
    stack_.pop_back();
    keys_.pop_back();
    side_ = ~side_;
    const Color us = side_;
    const Square to = m.to();
    const Piece placed = board_[to];
    remove(to);
    if (m.isDrop()) {
        ++hand_[us][pairOf(m.dropFace())];
    } else {
        put(makePiece(us, otherFace(kindOf(placed))), m.from());
        if (u.captured != NoPiece) {
            --hand_[us][pairOf(kindOf(u.captured))];
            put(u.captured, to);
        }
    }
    key_ = u.key;
    checkers_ = u.checkers;
    sinceNull_ = u.sinceNull;
}

void Position::makeNull() {
    stack_.push_back({key_, checkers_, NoPiece, sinceNull_});
    keys_.push_back(key_);
    side_ = ~side_;
    key_ ^= sideKey();
    sinceNull_ = 0;
    checkers_ = 0;  // only made when the side to move is not in check
}

void Position::unmakeNull() {
    const Undo u = stack_.back();
    stack_.pop_back();
    keys_.pop_back();
    side_ = ~side_;
    key_ = u.key;
    checkers_ = u.checkers;
    sinceNull_ = u.sinceNull;
}

bool Position::repeated() const {
    const int n = static_cast<int>(keys_.size());
    const int reach = std::min(sinceNull_, n);
    for (int back = 2; back <= reach; back += 2)
        if (keys_[static_cast<std::size_t>(n - back)] == key_) return true;
    return false;
}

void Position::setPriorKeys(std::vector<Key> keys) {
    // Keys of positions before the one set come first; plies made since
    // setting stay after them.
    std::vector<Key> made(keys_.begin() + static_cast<std::ptrdiff_t>(keys_.size() - stack_.size()),
                          keys_.end());
    keys_ = std::move(keys);
    keys_.insert(keys_.end(), made.begin(), made.end());
    sinceNull_ = static_cast<int>(keys_.size());
}

namespace {
Square turned(Square s) {
    return SquareCount - 1 - s;
}
}  // namespace

Position turnedAbout(const Position& pos) {
    const Placement from = pos.placement();
    Placement to;
    for (Square s = 0; s < SquareCount; ++s) {
        const Piece p = from.board[s];
        if (p != NoPiece) to.board[turned(s)] = makePiece(~colorOf(p), kindOf(p));
    }
    for (int pair = 0; pair < PairCount; ++pair) {
        to.hand[Lower][pair] = from.hand[Upper][pair];
        to.hand[Upper][pair] = from.hand[Lower][pair];
    }
    to.sideToMove = ~from.sideToMove;
    Position out;
    out.set(to);
    return out;
}

Move turnedAbout(Move m) {
    if (m.isDrop()) return Move::drop(m.dropFace(), turned(m.to()));
    return Move::board(turned(m.from()), turned(m.to()));
}

}  // namespace tanukiban::engine
