#include "session/EventWords.h"

#include "engine/GameState.h"
#include "scenario/Options.h"

#include <vector>

namespace marovane {

namespace {

Text PlayerName(int p) {
    return Tx("Events", "Player %1").Arg(p);
}

// "Archer (Player 2)".
Text UnitOf(const UnitSpecs& specs, int type, int player) {
    return Tx("Events", "%1 (%2)").Arg(UnitNameText(specs, type)).Arg(PlayerName(player));
}

// A battle is told in up to four clauses, joined by "; ".
Text Joined(const std::vector<Text>& clauses) {
    Text text = clauses.front();
    for (size_t i = 1; i < clauses.size(); ++i)
        text = Tx("Events", "%1; %2").Arg(text).Arg(clauses[i]);
    return text;
}

struct Words {
    const UnitSpecs& specs;
    Sighted sighted;

    Text operator()(const game_event::Step&) const { return {}; }
    Text operator()(const game_event::TurnStart&) const { return {}; }

    Text operator()(const game_event::Battle& e) const {
        const Text attacker = UnitNameText(specs, e.AttackerType);
        const Text target = UnitNameText(specs, e.TargetType);
        std::vector<Text> clauses;
        if (sighted == Sighted::ActorOnly) {
            clauses.push_back(Tx("Events", "%1 attacks out of sight")
                                  .Arg(UnitOf(specs, e.AttackerType, e.Attacker)));
            if (e.AttackerKilled)
                clauses.push_back(Tx("Events", "%1 is destroyed").Arg(attacker));
            return Joined(clauses);
        }
        const bool seen = sighted == Sighted::Whole;
        const Text targetOf = UnitOf(specs, e.TargetType, e.Target);
        if (seen) {
            const Text attackerOf = UnitOf(specs, e.AttackerType, e.Attacker);
            clauses.push_back(
                e.Hit
                    ? Tx("Events", "%1 hits %2 for %3").Arg(attackerOf).Arg(targetOf).Arg(e.Damage)
                    : Tx("Events", "%1 misses %2").Arg(attackerOf).Arg(targetOf));
        } else {
            clauses.push_back(
                e.Hit ? Tx("Events", "An unseen unit hits %1 for %2").Arg(targetOf).Arg(e.Damage)
                      : Tx("Events", "An unseen unit misses %1").Arg(targetOf));
        }
        if (e.TargetKilled)
            clauses.push_back(Tx("Events", "%1 is destroyed").Arg(target));
        if (e.Counter)
            clauses.push_back(Tx("Events", "%1 strikes back for %2").Arg(target).Arg(*e.Counter));
        if (e.AttackerKilled)
            clauses.push_back(seen ? Tx("Events", "%1 is destroyed").Arg(attacker)
                                   : Tx("Events", "the attacker is destroyed"));
        return Joined(clauses);
    }
    Text operator()(const game_event::Heal& e) const {
        const Text healer = UnitOf(specs, unit_type::Priest, e.Player);
        const Text patient = UnitNameText(specs, e.TargetType);
        if (sighted == Sighted::ActorOnly)
            return Tx("Events", "%1 heals out of sight").Arg(healer);
        if (sighted == Sighted::TargetOnly)
            return e.Restored > 0 ? Tx("Events", "%1 is healed for %2").Arg(patient).Arg(e.Restored)
                                  : Text();
        return e.Restored > 0
                   ? Tx("Events", "%1 heals %2 for %3").Arg(healer).Arg(patient).Arg(e.Restored)
                   : Tx("Events", "%1 tends %2 without effect").Arg(healer).Arg(patient);
    }
    Text operator()(const game_event::Repair& e) const {
        const Text mender = UnitOf(specs, unit_type::Peasant, e.Player);
        const Text wall = UnitNameText(specs, unit_type::Wall);
        if (sighted == Sighted::ActorOnly)
            return Tx("Events", "%1 repairs out of sight").Arg(mender);
        if (sighted == Sighted::TargetOnly)
            return e.Restored > 0 ? Tx("Events", "%1 is repaired for %2").Arg(wall).Arg(e.Restored)
                                  : Text();
        return e.Restored > 0
                   ? Tx("Events", "%1 repairs %2 for %3").Arg(mender).Arg(wall).Arg(e.Restored)
                   : Tx("Events", "%1 works on %2 without effect").Arg(mender).Arg(wall);
    }
    Text operator()(const game_event::Purchase& e) const {
        return Tx("Events", "%1 buys %2 for %3")
            .Arg(PlayerName(e.Player))
            .Arg(UnitNameText(specs, e.Type))
            .Arg(FormatMoney(e.Price));
    }
    Text operator()(const game_event::Sale& e) const {
        return Tx("Events", "%1 sells %2 for %3")
            .Arg(PlayerName(e.Player))
            .Arg(UnitNameText(specs, e.Type))
            .Arg(FormatMoney(e.Price));
    }
    Text operator()(const game_event::Rescue& e) const {
        return Tx("Events", "%1 brings %2 home for a reward of %3")
            .Arg(PlayerName(e.Player))
            .Arg(UnitNameText(specs, e.Type))
            .Arg(FormatMoney(e.Reward));
    }
    Text operator()(const game_event::Freed& e) const {
        return Tx("Events", "%1 is freed and joins the party").Arg(UnitOf(specs, e.Type, e.Player));
    }
    Text operator()(const game_event::Raid& e) const {
        return Tx("Events", "Player %1 raids Player %2's keep and takes %3")
            .Arg(e.Raider)
            .Arg(e.Victim)
            .Arg(FormatMoney(e.Amount));
    }
    Text operator()(const game_event::CastleTaken& e) const {
        return Tx("Events", "Player %1 takes Player %2's castle and %3 of its treasury")
            .Arg(e.Conqueror)
            .Arg(e.Loser)
            .Arg(FormatMoney(e.Treasury));
    }
    Text operator()(const game_event::PlayerOut& e) const {
        static const char* const kWhy[] = {
            MAROVANE_TEXT("Events", "Player %1 resigns"),
            MAROVANE_TEXT("Events", "Player %1 has been conquered"),
            MAROVANE_TEXT("Events", "Player %1 has lost the King and Queen"),
            MAROVANE_TEXT("Events", "Player %1 has lost the castle")};
        const bool known = e.Reason >= 0 && e.Reason <= 3;
        return Tx("Events", known ? kWhy[e.Reason] : MAROVANE_TEXT("Events", "Player %1 is out"))
            .Arg(e.Player);
    }
    Text operator()(const game_event::GameEnd& e) const {
        if (e.Winner < 1)
            return Tx("Events", "The game is over");
        if (e.Team) {
            return (e.Reason == 1 ? Tx("Events", "Player %1's team have conquered all")
                                  : Tx("Events", "Player %1's team win"))
                .Arg(e.Winner);
        }
        return (e.Reason == 1 ? Tx("Events", "Player %1 has conquered all")
                              : Tx("Events", "Player %1 wins"))
            .Arg(e.Winner);
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

Text EventWords(const UnitSpecs& specs, const GameEvent& event, Sighted sighted) {
    return std::visit(Words{specs, sighted}, event);
}

int EventActor(const GameEvent& event, Sighted sighted) {
    if (sighted == Sighted::TargetOnly)
        return 0;
    const int p = std::visit(Actor{}, event);
    return p >= 1 && p <= kMaxPlayers ? p : 0;
}

} // namespace marovane
