#include "engine/Game.h"

#include "engine/KeepVisit.h"
#include "scenario/Options.h"

#include <algorithm>

namespace marovane {

int Game::MoneyThatFits(int p, int amount) const {
    return std::clamp(amount, -32768 - Money[p], 32767 - Money[p]);
}

void Game::DoKeep(int p) {
    // Without keeps there is no keep: nothing is raided, bought or rewritten, and a piece
    // standing on the corner cell stays as it is. A player who is out (he resigned during his
    // turn) has no castle left: a team-mate's piece in his old keep stays the team-mate's.
    if (!GameOn || !KeepsInForce() || PlayerOut[p])
        return;
    int x = 1, y = 1;
    ToPlayerSide(x, y, p);
    const Piece piece = PieceAt(x, y);
    if (!piece.Empty()) {
        const int raider = piece.Owner;
        if (!SameTeam(p, raider)) {
            // An enemy in the keep takes the castle, or at least raids the treasury.
            const int treasury = Money[p];
            Lose(p, -3);
            if (PlayerOut[p]) {
                // The conqueror takes the treasury, as much of it as his own can hold. A player
                // who is out holds nothing, as after any other defeat: what does not fit is lost.
                const int taken = MoneyThatFits(raider, treasury);
                Money[raider] = static_cast<int16_t>(Money[raider] + taken);
                Money[p] = 0;
                Publish(game_event::CastleTaken{raider, p, Cell{x, y}, taken});
            } else if (Money[p] > 0) {
                // A raid takes up to 200, no more than the raider's treasury can hold, so the
                // message tells exactly what changed hands, and nothing is said when nothing did.
                const int stolen = MoneyThatFits(raider, std::min<int>(Money[p], 200));
                Money[raider] = static_cast<int16_t>(Money[raider] + stolen);
                Money[p] = static_cast<int16_t>(Money[p] - stolen);
                if (!PlayerComp[raider] && stolen > 0) {
                    interaction_.ShowMessage(Tx("Rules", "Player %1 stole %2 from our treasury!")
                                                 .Arg(raider)
                                                 .Arg(FormatMoney(stolen)));
                }
                BoardUnit(x, y) = 0;
                SetPicNum(x, y, -1);
                Publish(game_event::Raid{raider, p, Cell{x, y}, stolen});
                Update();
            }
            interaction_.MoneyChanged();
            return;
        }
    }
    KeepVisit visit(*this, p);
    if (visit.Needed()) {
        if (PlayerComp[p]) {
            if (computer_)
                computer_->DoComputerKeep(*this, visit);
        } else {
            interaction_.ShowKeep(visit);
        }
    }
    if (GameOn)
        ApplyKeepVisit(visit);
}

void Game::ApplyKeepVisit(const KeepVisit& visit) {
    const int p = visit.Player();
    int x = 1, y = 1;
    ToPlayerSide(x, y, p);
    Money[p] = static_cast<int16_t>(visit.Money());
    // A King or Queen brought home counts when rescued, also when a unit bought afterwards
    // stands in the keep now.
    if (visit.Rescued())
        ++PlayerResult[p];
    const int type = visit.PieceType();
    if (type < 0) {
        BoardUnit(x, y) = 0;
        SetPicNum(x, y, -1);
    } else {
        // A team-mate's piece left in the keep now serves this player.
        SetPicNum(x, y, PictureNumber(p, type));
        if (visit.AtFullStrength())
            BoardUnit(x, y) = specs_.UnitStrength[type];
    }
    Update();
    interaction_.MoneyChanged();
    for (const KeepDeal& deal : visit.Deals()) {
        switch (deal.What) {
        case KeepDeal::Kind::Sale:
            Publish(game_event::Sale{p, deal.Type, Cell{x, y}, deal.Amount});
            break;
        case KeepDeal::Kind::Rescue:
            Publish(game_event::Rescue{p, deal.Type, Cell{x, y}, deal.Amount});
            break;
        case KeepDeal::Kind::Purchase:
            Publish(game_event::Purchase{p, deal.Type, Cell{x, y}, deal.Amount});
            break;
        }
    }
}

} // namespace marovane
