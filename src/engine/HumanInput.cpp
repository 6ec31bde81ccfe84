#include "engine/Combat.h"
#include "engine/Game.h"

#include <cstdlib>

namespace marovane {

void Game::SelectPiece(int x, int y) {
    Highlight(x, y);
    view_.ShowReachCircle(0, 0, 0);
    const Piece piece = PieceAt(x, y);
    if (!piece.Empty()) {
        const int range = specs_.UnitRange[piece.Type];
        if (range > 1)
            view_.ShowReachCircle(x, y, range + 0.4);
    }
    DispStats(x, y, 1);
}

void Game::UnselectPiece() {
    HighlightOff();
    interaction_.ShowUnitPanel(1, 0, 0);
}

void Game::DispStats(int x, int y, int panel) {
    // Panel 1 already shows the selected unit. A cell hidden by fog shows nothing.
    if ((panel == 0 && x == HighX && y == HighY) || !OnBoard(x, y) || VisiblePicNum(x, y) < 0) {
        interaction_.ShowUnitPanel(panel, 0, 0);
        return;
    }
    interaction_.ShowUnitPanel(panel, x, y);
}

ClickOutcome Game::CellClick(int x, int y) {
    if (!GameOn || !OnBoard(x, y) || PlayerComp[CurrentPlayer] || PlayedRemotely(CurrentPlayer))
        return ClickOutcome::Nothing;
    if (x == HighX && y == HighY)
        return ClickOutcome::Nothing;
    const int me = CurrentPlayer;
    // A cell hidden by fog is clicked as if it were empty grass.
    const Piece clicked = VisiblePieceAt(x, y);
    const int sx = HighX, sy = HighY;

    auto fight = [&](int targetOwner) {
        const uint32_t serial = gameSerial_;
        Battle(sx, sy, x, y);
        if (serial != gameSerial_)
            return ClickOutcome::Fought; // another game began while the battle was shown
        CheckLose(me);
        CheckLose(targetOwner);
        const Piece after = PieceAt(sx, sy);
        if (GameOn && (after.Empty() || after.MovesLeft == 0)) {
            UnselectPiece();
            SetNextTurnEnabled(true);
            CheckMoves();
            if (serial != gameSerial_)
                return ClickOutcome::Fought;
        }
        DispStats(x, y, 0);
        if (HighX > 0)
            DispStats(HighX, HighY, 1);
        return ClickOutcome::Fought;
    };

    // The click does what the pointer showed over the cell (and the board's marks): one verdict
    // for all three.
    const ClickAction action = ClickPreview(x, y);
    if (action == ClickAction::Move) {
        int tx = x;
        return MovePiece(sx, sy, tx, y) ? ClickOutcome::Stepped : ClickOutcome::Nothing;
    }
    if (FightsBattle(action))
        return fight(clicked.Owner);
    // Any own unit with moves left is selected, whatever was selected before.
    if (!clicked.Empty() && clicked.Owner == me && clicked.MovesLeft > 0) {
        SelectPiece(x, y);
        return ClickOutcome::Selected;
    }
    return ClickOutcome::Nothing;
}

void Game::SelectNextUnit() {
    if (!GameOn || CurrentPlayer < 1)
        return;
    if (NextUnitIndex < 0)
        NextUnitIndex = 0;
    const int p = CurrentPlayer;
    int sx = 1, sy = 1, ex = BoardWidth, ey = BoardHeight;
    ToPlayerSide(sx, sy, p);
    ToPlayerSide(ex, ey, p);
    const int stepX = sx >= ex ? 1 : -1; // from the far corner towards home
    const int stepY = sy >= ey ? 1 : -1;
    int skipped = 0;
    auto search = [&]() {
        for (int d = BoardWidth + BoardHeight - 2; d >= 0; --d) {
            for (int x = ex;; x += stepX) {
                for (int y = ey;; y += stepY) {
                    const Piece piece = PieceAt(x, y);
                    if (std::abs(x - sx) + std::abs(y - sy) == d && piece.MovesLeft > 0 &&
                        piece.Owner == p) {
                        if (skipped < NextUnitIndex) {
                            ++skipped; // offered before in this cycle
                        } else {
                            SelectPiece(x, y);
                            return true;
                        }
                    }
                    if (y == sy)
                        break;
                }
                if (x == sx)
                    break;
            }
        }
        return false;
    };
    if (search()) {
        ++NextUnitIndex;
        return;
    }
    if (NextUnitIndex != 0) {
        NextUnitIndex = 0; // the cycle starts over with the farthest unit
        if (search()) {
            ++NextUnitIndex;
            return;
        }
    }
    interaction_.Beep();
}

ClickAction Game::ClickPreview(int x, int y, double* hitChance) const {
    return ClickActionFrom(HighX, HighY, x, y, hitChance);
}

ClickAction Game::ClickActionFrom(int sx, int sy, int x, int y, double* hitChance) const {
    if (hitChance)
        *hitChance = 0;
    if (!GameOn || !OnBoard(x, y) || PlayerComp[CurrentPlayer] || PlayedRemotely(CurrentPlayer))
        return ClickAction::None;
    if (sx < 1 || !OnBoard(sx, sy) || PicNum(sx, sy) < 0 || (x == sx && y == sy))
        return ClickAction::None;
    const Piece selected = PieceAt(sx, sy);
    const int selectedType = selected.Type;
    const int range = specs_.UnitRange[selectedType];
    const int dx = std::abs(x - sx), dy = std::abs(y - sy);
    const bool canAct = selected.MovesLeft > 0;
    const Piece clicked = VisiblePieceAt(x, y);
    if (clicked.Empty())
        return canAct && CanStep(sx, sy, x, y) ? ClickAction::Move : ClickAction::NoDrop;
    const int owner = clicked.Owner;
    const int type = clicked.Type;
    if (!canAct)
        return ClickAction::NoDrop;
    if (!SameTeam(CurrentPlayer, owner)) {
        if (!InReach(dx, dy, range))
            return ClickAction::NoDrop;
        if (hitChance)
            *hitChance = HitChance(dx, dy, range);
        if (InCastle(sx, sy) == castle_cell::Wall && dx <= 1 && dy <= 1 &&
            InCastle(x, y) != castle_cell::Wall)
            return ClickAction::Oil;
        if (range < 2)
            return ClickAction::Attack;
        return selectedType == unit_type::Catapult ? ClickAction::Rock : ClickAction::Arrow;
    }
    const bool hurt = clicked.HitPoints < specs_.HitPoints(type);
    if (selectedType == unit_type::Priest && type != unit_type::Wall && hurt &&
        InReach(dx, dy, range)) {
        if (hitChance)
            *hitChance = HitChance(dx, dy, range);
        return ClickAction::Heal;
    }
    if (selectedType == unit_type::Peasant && type == unit_type::Wall && hurt && dx <= 1 &&
        dy <= 1) {
        // A repair passes the battle's hit test like any attack.
        if (hitChance)
            *hitChance = HitChance(dx, dy, range);
        return ClickAction::Repair;
    }
    if (owner == CurrentPlayer && clicked.MovesLeft > 0)
        return ClickAction::Select;
    return ClickAction::NoDrop;
}

} // namespace marovane
