#include "session/EventWords.h"

#include "engine/GameState.h"
#include "scenario/Options.h"

namespace marovane {

namespace {

std::string PlayerName(int p) {
    return "Player " + std::to_string(p);
}

// "Archer (Player 2)".
std::string UnitOf(const UnitSpecs& specs, int type, int player) {
    return UnitTypeName(specs, type) + " (" + PlayerName(player) + ")";
}

struct Words {
    const UnitSpecs& specs;
    Sighted sighted;

    std::string operator()(const game_event::Step&) const { return {}; }
    std::string operator()(const game_event::TurnStart&) const { return {}; }

    std::string operator()(const game_event::Battle& e) const {
        const std::string attacker = UnitTypeName(specs, e.AttackerType);
        const std::string target = UnitTypeName(specs, e.TargetType);
        if (sighted == Sighted::ActorOnly) {
            return UnitOf(specs, e.AttackerType, e.Attacker) + " attacks out of sight" +
                   (e.AttackerKilled ? "; " + attacker + " is destroyed" : "");
        }
        const bool seen = sighted == Sighted::Whole;
        std::string text = seen ? UnitOf(specs, e.AttackerType, e.Attacker) : "An unseen unit";
        text += e.Hit ? " hits " + UnitOf(specs, e.TargetType, e.Target) + " for " +
                            std::to_string(e.Damage)
                      : " misses " + UnitOf(specs, e.TargetType, e.Target);
        if (e.TargetKilled)
            text += "; " + target + " is destroyed";
        if (e.Counter)
            text += "; " + target + " strikes back for " + std::to_string(*e.Counter);
        if (e.AttackerKilled)
            text += "; " + (seen ? attacker : std::string("the attacker")) + " is destroyed";
        return text;
    }
    std::string operator()(const game_event::Heal& e) const {
        const std::string healer = UnitOf(specs, unit_type::Priest, e.Player);
        const std::string patient = UnitTypeName(specs, e.TargetType);
        if (sighted == Sighted::ActorOnly)
            return healer + " heals out of sight";
        if (sighted == Sighted::TargetOnly)
            return e.Restored > 0 ? patient + " is healed for " + std::to_string(e.Restored) : "";
        return e.Restored > 0 ? healer + " heals " + patient + " for " + std::to_string(e.Restored)
                              : healer + " tends " + patient + " without effect";
    }
    std::string operator()(const game_event::Repair& e) const {
        const std::string mender = UnitOf(specs, unit_type::Peasant, e.Player);
        const std::string wall = UnitTypeName(specs, unit_type::Wall);
        if (sighted == Sighted::ActorOnly)
            return mender + " repairs out of sight";
        if (sighted == Sighted::TargetOnly)
            return e.Restored > 0 ? wall + " is repaired for " + std::to_string(e.Restored) : "";
        return e.Restored > 0 ? mender + " repairs " + wall + " for " + std::to_string(e.Restored)
                              : mender + " works on " + wall + " without effect";
    }
    std::string operator()(const game_event::Purchase& e) const {
        return PlayerName(e.Player) + " buys " + UnitTypeName(specs, e.Type) + " for " +
               FormatMoney(e.Price);
    }
    std::string operator()(const game_event::Sale& e) const {
        return PlayerName(e.Player) + " sells " + UnitTypeName(specs, e.Type) + " for " +
               FormatMoney(e.Price);
    }
    std::string operator()(const game_event::Rescue& e) const {
        return PlayerName(e.Player) + " brings " + UnitTypeName(specs, e.Type) +
               " home for a reward of " + FormatMoney(e.Reward);
    }
    std::string operator()(const game_event::Freed& e) const {
        return UnitOf(specs, e.Type, e.Player) + " is freed and joins the party";
    }
    std::string operator()(const game_event::Raid& e) const {
        return PlayerName(e.Raider) + " raids " + PlayerName(e.Victim) + "'s keep and takes " +
               FormatMoney(e.Amount);
    }
    std::string operator()(const game_event::CastleTaken& e) const {
        return PlayerName(e.Conqueror) + " takes " + PlayerName(e.Loser) + "'s castle and " +
               FormatMoney(e.Treasury) + " of its treasury";
    }
    std::string operator()(const game_event::PlayerOut& e) const {
        static const char* const kWhy[] = {" resigns", " has been conquered",
                                           " has lost the King and Queen", " has lost the castle"};
        const bool known = e.Reason >= 0 && e.Reason <= 3;
        return PlayerName(e.Player) + (known ? kWhy[e.Reason] : " is out");
    }
    std::string operator()(const game_event::GameEnd& e) const {
        if (e.Winner < 1)
            return "The game is over";
        const std::string who = e.Team ? PlayerName(e.Winner) + "'s team" : PlayerName(e.Winner);
        if (e.Reason == 1)
            return who + (e.Team ? " have" : " has") + " conquered all";
        return who + (e.Team ? " win" : " wins");
    }
};

struct Actor {
    int operator()(const game_event::Step& e) const { return e.Player; }
    int operator()(const game_event::Battle& e) const { return e.Attacker; }
    int operator()(const game_event::Heal& e) const { return e.Player; }
    int operator()(const game_event::Repair& e) const { return e.Player; }
    int operator()(const game_event::Purchase& e) const { return e.Player; }
    int operator()(const game_event::Sale& e) const { return e.Player; }
    int operator()(const game_event::Rescue& e) const { return e.Player; }
    int operator()(const game_event::Freed& e) const { return e.Player; }
    int operator()(const game_event::Raid& e) const { return e.Raider; }
    int operator()(const game_event::CastleTaken& e) const { return e.Conqueror; }
    int operator()(const game_event::PlayerOut& e) const { return e.Player; }
    int operator()(const game_event::TurnStart& e) const { return e.Player; }
    int operator()(const game_event::GameEnd& e) const { return e.Winner; }
};

} // namespace

std::string UnitTypeName(const UnitSpecs& specs, int type) {
    return ValidUnitType(type) ? specs.UnitName[static_cast<size_t>(type)] : "unit";
}

std::string EventWords(const UnitSpecs& specs, const GameEvent& event, Sighted sighted) {
    return std::visit(Words{specs, sighted}, event);
}

int EventActor(const GameEvent& event, Sighted sighted) {
    if (sighted == Sighted::TargetOnly)
        return 0;
    const int p = std::visit(Actor{}, event);
    return p >= 1 && p <= kMaxPlayers ? p : 0;
}

} // namespace marovane
