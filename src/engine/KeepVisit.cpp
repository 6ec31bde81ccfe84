#include "engine/KeepVisit.h"

#include "engine/Game.h"
#include "scenario/Options.h"
#include "util/Error.h"

#include <cmath>

namespace marovane {

int KeepVisit::SaleValue(int hitPoints, int fullHitPoints, int cost) {
    if (fullHitPoints <= 0)
        return 0;
    // The default rounding mode sends halves to the even neighbour.
    return static_cast<int>(
        std::nearbyint(static_cast<double>(hitPoints) / fullHitPoints * static_cast<double>(cost)));
}

KeepVisit::KeepVisit(const Game& game, int player) : game_(game), player_(player) {
    money_ = game.Money[player];
    int x = 1, y = 1;
    game.ToPlayerSide(x, y, player);
    const Piece piece = game.PieceAt(x, y);
    if (piece.Empty())
        return;
    pieceType_ = piece.Type;
    pieceOwner_ = piece.Owner;
    const auto& specs = game.Specs();
    if (pieceType_ == unit_type::King || pieceType_ == unit_type::Queen) {
        rescuable_ = true;
        sellValue_ = game.Reward;
    } else {
        const int full = specs.HitPoints(pieceType_);
        full_ = piece.HitPoints >= full;
        sellValue_ = SaleValue(piece.HitPoints, full, specs.UnitCost[pieceType_]);
    }
}

bool KeepVisit::CanSell() const {
    return pieceType_ >= 0 && !rescuable_;
}

bool KeepVisit::CanRescue() const {
    return rescuable_;
}

bool KeepVisit::CanBuy(int type) const {
    if (pieceType_ >= 0 || type < 0 || type >= kUnitTypes)
        return false;
    const int cost = game_.Specs().UnitCost[type];
    return UnitAllowed(type, game_.Def.UnitsAllowed) && cost > 0 && cost <= money_;
}

std::vector<int> KeepVisit::Offered() const {
    std::vector<int> types;
    for (int t = 0; t < kUnitTypes; ++t) {
        if (CanBuy(t))
            types.push_back(t);
    }
    return types;
}

bool KeepVisit::PurchaseOpen() const {
    return !Offered().empty();
}

void KeepVisit::Sell() {
    if (!CanSell())
        throw Error(Tx("Keep", "There is nothing to sell in the keep."));
    // A refund must fit in the treasury.
    money_ = CheckedAdd(static_cast<int16_t>(money_), sellValue_, "The treasury");
    deals_.push_back({KeepDeal::Kind::Sale, pieceType_, sellValue_});
    pieceType_ = -1;
    sellValue_ = 0;
    full_ = false;
    bought_ = false;
}

void KeepVisit::Rescue() {
    if (!CanRescue())
        throw Error(Tx("Keep", "There is nobody to rescue in the keep."));
    money_ = CheckedAdd(static_cast<int16_t>(money_), sellValue_, "The treasury");
    deals_.push_back({KeepDeal::Kind::Rescue, pieceType_, sellValue_});
    pieceType_ = -1;
    sellValue_ = 0;
    rescuable_ = false;
    rescued_ = true;
}

Text KeepVisit::WhyNotForSale(int type) const {
    if (type < 0 || type >= kUnitTypes)
        return Tx("Keep", "There is no unit type %1; the types are 0..14.").Arg(type);
    if (pieceType_ >= 0)
        return Tx("Keep", "The keep is taken: a unit can be bought only into an empty keep.");
    const auto& specs = game_.Specs();
    const int cost = specs.UnitCost[type];
    if (!UnitAllowed(type, game_.Def.UnitsAllowed) || cost < 1)
        return Tx("Keep", "%1 (type %2) is not for sale in this game.")
            .Arg(UnitNameText(specs, type))
            .Arg(type);
    return Tx("Keep", "%1 costs %2, more than the %3 in the treasury.")
        .Arg(UnitNameText(specs, type))
        .Arg(FormatMoney(cost))
        .Arg(FormatMoney(money_));
}

void KeepVisit::Buy(int type) {
    if (!CanBuy(type))
        throw Error(WhyNotForSale(type));
    const int cost = game_.Specs().UnitCost[type];
    money_ -= cost;
    deals_.push_back({KeepDeal::Kind::Purchase, type, cost});
    pieceType_ = type;
    pieceOwner_ = player_;
    sellValue_ = cost;
    bought_ = true;
    full_ = true;
}

bool KeepVisit::Needed() const {
    const bool partyFull = game_.PartySize(player_) >= game_.MaxParty - game_.KilledThisTurn;
    if (partyFull && pieceType_ < 0)
        return false;
    return CanSell() || CanRescue() || PurchaseOpen();
}

bool KeepVisit::PurchasePossible() const {
    if (!game_.KeepsInForce() || !Needed())
        return false;
    KeepVisit emptied = *this;
    try {
        if (emptied.CanSell())
            emptied.Sell();
        else if (emptied.CanRescue())
            emptied.Rescue();
    } catch (const Error&) {
        return false; // the treasury cannot take the money, so the keep stays taken
    }
    return emptied.PurchaseOpen();
}

} // namespace marovane
