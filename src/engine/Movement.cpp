#include "engine/Game.h"

#include <array>
#include <cstdlib>
#include <span>

namespace marovane {

void Game::Swap(int x1, int y1, int x2, int y2) {
    std::swap(BoardUnit(x1, y1), BoardUnit(x2, y2));
    int first = PicNum(x1, y1);
    SetPicNum(x1, y1, PicNum(x2, y2));
    SetPicNum(x2, y2, first);
}

bool Game::CanStep(int x1, int y1, int x2, int y2) const {
    // Only neighbouring steps of a unit with a move left onto a free cell exist; a step without
    // a move left would eat into the unit's hit points.
    if (std::abs(x1 - x2) > 1 || std::abs(y1 - y2) > 1 || !OnBoard(x1, y1) || !OnBoard(x2, y2) ||
        BoardUnit(x1, y1) <= 0 || PieceAt(x1, y1).MovesLeft == 0 || BoardUnit(x2, y2) > 0)
        return false;
    int owner = CornerOwner(x1, y1);
    if (owner == 0)
        owner = 1;
    // Castles are entered and left through the gate only; the castle of an empty slot is open.
    if (CastlesInForce() && !IsVacant(owner)) {
        const int from = InCastle(x1, y1);
        const int to = InCastle(x2, y2);
        const bool inside = from >= castle_cell::Wall;
        const bool into = to >= castle_cell::Wall;
        if ((from == castle_cell::Outside && into) || (to == castle_cell::Outside && inside))
            return false;
    }
    return true;
}

bool Game::MovePiece(int x1, int y1, int& x2, int y2) {
    if (!CanStep(x1, y1, x2, y2)) {
        x2 = -1;
        return false;
    }
    const bool human = !PlayerComp[CurrentPlayer];
    if (human && journal_)
        journal_->StepTaking(*this);
    // What the player saw before the step: a step that shows him more cannot be taken back.
    const std::vector<uint8_t> seenBefore = human && journal_ ? visible_ : std::vector<uint8_t>{};
    Swap(x1, y1, x2, y2);
    if (human)
        SetNextTurnEnabled(true);
    bool explored = false;
    if (CurrentPlayer >= 1 && CurrentPlayer <= kMaxPlayers) {
        const uint8_t bit = static_cast<uint8_t>(1u << CurrentPlayer);
        for (int i = x2 - 1; i <= x2 + 1; ++i) {
            for (int j = y2 - 1; j <= y2 + 1; ++j) {
                if (OnBoard(i, j)) {
                    explored = explored || !(BoardMark(i, j) & bit);
                    BoardMark(i, j) |= bit;
                }
            }
        }
    }
    BoardUnit(x2, y2) = static_cast<int16_t>(BoardUnit(x2, y2) - 1);
    const Piece stepped = PieceAt(x2, y2);
    Publish(game_event::Step{stepped.Owner, stepped.Type, Cell{x1, y1}, Cell{x2, y2}});
    const bool movesLeft = stepped.MovesLeft > 0;
    if (human || !NoThinking) {
        if (movesLeft) {
            SelectPiece(x2, y2);
        } else {
            UnselectPiece();
            const uint32_t serial = gameSerial_;
            CheckMoves();
            if (serial != gameSerial_)
                return true; // the window started another game meanwhile
        }
        DispStats(x2, y2, 1);
    }
    Update();
    if (!movesLeft)
        --NextUnitIndex;
    // Under fog a newly explored cell shows the player ground he had not seen; without fog
    // nothing is hidden, so exploring teaches nothing a step back could unlearn.
    if (explored && FogOn)
        StepsFinal();
    for (size_t i = 0; i < seenBefore.size() && i < visible_.size(); ++i) {
        if (visible_[i] && !seenBefore[i]) {
            StepsFinal();
            break;
        }
    }
    return true;
}

void Game::RenewAllMoves() {
    // One run over the arrays: it happens every turn, on every machine of a network game.
    std::array<int16_t, kUnitTypes> moves{};
    for (int type = 0; type < kUnitTypes; ++type)
        moves[static_cast<size_t>(type)] = static_cast<int16_t>(specs_.Moves(type));
    const std::span<int16_t> units = board_.BoardUnitArray();
    const std::span<const int16_t> pictures = board_.BoardPicArray();
    for (size_t i = 0; i < units.size(); ++i) {
        // Without a branch: empty cells and pieces lie mixed all over the board.
        const int picture = pictures[i];
        const size_t type = static_cast<size_t>(picture > 0 ? (picture - 1) % kUnitTypes : 0);
        const int renewed = units[i] / 10 * 10 + moves[type];
        units[i] = static_cast<int16_t>(picture > 0 ? renewed : units[i]);
    }
}

bool Game::CheckMoves() {
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            // A wall piece never moves and belongs to nobody here.
            const Piece piece = PieceAt(x, y);
            if (piece.Alive() && piece.MovesLeft >= 1 && piece.Type != unit_type::Wall &&
                piece.Owner == CurrentPlayer)
                return true;
        }
    }
    interaction_.NoMovesLeft();
    scheduler_.ProcessEvents();
    return false;
}

int Game::CornerOwner(int x, int y) const {
    for (int p = 1; p <= NumPlayers; ++p) {
        if (InHomeCorner(ToPlayerSide(Cell{x, y}, p)))
            return p;
    }
    return 0;
}

int Game::InCastle(int x, int y) const {
    // Keeps and castles fill the 3 x 3 block of a corner: a column or a row at least four cells
    // in from both sides of the board meets none of them.
    if ((x >= 4 && x <= BoardWidth - 3) || (y >= 4 && y <= BoardHeight - 3))
        return castle_cell::Outside;
    if (KeepsInForce()) {
        for (int p = 1; p <= NumPlayers; ++p) {
            if (!IsVacant(p) && GetX(x, p) == 1 && GetY(y, p) == 1)
                return castle_cell::Keep;
        }
    }
    if (!CastlesInForce())
        return castle_cell::Outside;
    bool wall = false;
    for (int p = 1; p <= NumPlayers && !wall; ++p) {
        int rx = GetX(x, p), ry = GetY(y, p);
        wall = (rx == 1 && ry == 3) || (rx == 3 && ry == 1) || (rx == 2 && ry == 3) ||
               (rx == 3 && ry == 2);
    }
    bool inside = false;
    for (int p = 1; p <= NumPlayers; ++p) {
        if (IsVacant(p))
            continue;
        int rx = GetX(x, p), ry = GetY(y, p);
        if (rx == 3 && ry == 3)
            return castle_cell::Gate;
        if (rx < 4 && ry < 4) {
            inside = true;
            break;
        }
    }
    if (wall)
        return castle_cell::Wall;
    return inside ? castle_cell::Yard : castle_cell::Outside;
}

bool Game::ThroughWall(int x1, int y1, int x2, int y2, int range) const {
    if (!CastlesInForce())
        return false;
    const int a = InCastle(x1, y1);
    const int b = InCastle(x2, y2);
    using namespace castle_cell;
    if (a == Gate || b == Gate || a == b)
        return false; // an open gate, or both on the same kind of cell
    if (a + b == 5 && (a == Wall || b == Wall))
        return false; // between a wall and its yard
    if ((a == Wall && b == Outside) || (a == Outside && b == Wall))
        return range == 1; // melee across the wall crosses it; shooting from or at it does not
    return a == Outside || b == Outside;
}

int Game::PartySize(int p) const {
    int count = 0;
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            const Piece piece = PieceAt(x, y);
            if (piece.Alive() && piece.Owner == p && IsPartyUnit(piece.Type))
                ++count;
        }
    }
    return count;
}

std::vector<PartyPiece> Game::FindParty(int p) const {
    std::vector<PartyPiece> rows;
    rows.reserve(kPartyRows);
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            const Piece piece = PieceAt(x, y);
            if (piece.Owner == p && static_cast<int>(rows.size()) < kPartyRows)
                rows.push_back({x, y, piece.Type});
        }
    }
    rows.resize(kPartyRows);
    return rows;
}

} // namespace marovane
