#pragma once

#include "util/Text.h"

#include <string>
#include <vector>

namespace marovane {

class Game;

// One thing done in a keep, in the order it was done.
struct KeepDeal {
    enum class Kind { Sale, Rescue, Purchase };
    Kind What = Kind::Sale;
    int Type = 0;
    int Amount = 0; // what the treasury got, or what it paid for a purchase
};

// One end-of-turn visit to a player's inner keep: the working state that the keep dialog shows
// and a computer player decides on. The player may sell the unit standing in the keep, rescue a
// King or Queen standing there for the reward, or buy one unit into the empty keep. The game
// reads the result back when the visit ends.
class KeepVisit {
public:
    KeepVisit(const Game& game, int player);

    int Player() const { return player_; }
    // The treasury as the visit stands.
    int Money() const { return money_; }
    // The type of the piece in the keep, or -1 when it is empty.
    int PieceType() const { return pieceType_; }
    // The owner of the piece in the keep (a team-mate's piece keeps its owner until the visit
    // ends), or 0 when the keep is empty.
    int PieceOwner() const { return pieceType_ < 0 ? 0 : pieceOwner_; }
    // What selling gives for the piece, or the reward for a royal; 0 for an empty keep.
    int SellValue() const { return sellValue_; }
    // A King or Queen was rescued in this visit: brought home, whatever the keep holds later.
    bool Rescued() const { return rescued_; }
    bool Bought() const { return bought_; }
    // What was sold, rescued and bought in this visit, in that order of events.
    const std::vector<KeepDeal>& Deals() const { return deals_; }
    // The piece in the keep is at full strength: bought this visit, or unhurt.
    bool AtFullStrength() const { return full_; }

    bool CanSell() const;
    bool CanRescue() const;
    // Whether the purchase frame is open: the keep is empty and some type can be bought.
    bool PurchaseOpen() const;
    bool CanBuy(int type) const;
    // The types offered for purchase, in type order.
    std::vector<int> Offered() const;

    // Each throws marovane::Error when it is not possible (and changes nothing).
    void Sell();
    void Rescue();
    void Buy(int type);

    // Whether there is anything to decide: a full party with an empty keep, or a keep where
    // nothing can be sold, rescued or bought, needs no visit.
    bool Needed() const;
    // Whether the visit could end with a unit bought: the keep opens, a sale or a rescue empties
    // it where needed, and the treasury then pays for some type.
    bool PurchasePossible() const;

    // The sell value of a unit: its share of full hit points times its price, rounded to the
    // nearest whole number, halves to even.
    static int SaleValue(int hitPoints, int fullHitPoints, int cost);

private:
    // Why a type cannot be bought now, as a sentence for the player.
    Text WhyNotForSale(int type) const;

    const Game& game_;
    int player_;
    int money_ = 0;
    int pieceType_ = -1;
    int pieceOwner_ = 0;
    int sellValue_ = 0;
    bool rescuable_ = false;
    bool rescued_ = false;
    bool bought_ = false;
    bool full_ = false;
    std::vector<KeepDeal> deals_;
};

} // namespace marovane
