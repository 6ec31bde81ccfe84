#include "cli/EventJson.h"

#include "engine/Game.h"

namespace marovane {

namespace {

json::Value CellJson(Cell c) {
    return json::Value::array({c.X, c.Y});
}

json::Value Optional(const std::optional<int>& value) {
    return value ? json::Value(*value) : json::Value(nullptr);
}

struct ToJson {
    json::Value operator()(const game_event::Step& e) const {
        return {{"Kind", "Step"},
                {"Player", e.Player},
                {"Type", e.Type},
                {"From", CellJson(e.From)},
                {"To", CellJson(e.To)}};
    }
    json::Value operator()(const game_event::Battle& e) const {
        return {{"Kind", "Battle"},
                {"Attacker", e.Attacker},
                {"AttackerType", e.AttackerType},
                {"Target", e.Target},
                {"TargetType", e.TargetType},
                {"From", CellJson(e.From)},
                {"To", CellJson(e.To)},
                {"Hit", e.Hit},
                {"Damage", e.Damage},
                {"TargetKilled", e.TargetKilled},
                {"Counter", Optional(e.Counter)},
                {"AttackerKilled", e.AttackerKilled}};
    }
    json::Value operator()(const game_event::Heal& e) const {
        return {{"Kind", "Heal"},       {"Player", e.Player},         {"From", CellJson(e.From)},
                {"To", CellJson(e.To)}, {"TargetType", e.TargetType}, {"Restored", e.Restored}};
    }
    json::Value operator()(const game_event::Repair& e) const {
        return {{"Kind", "Repair"},
                {"Player", e.Player},
                {"From", CellJson(e.From)},
                {"To", CellJson(e.To)},
                {"Restored", e.Restored}};
    }
    json::Value operator()(const game_event::Purchase& e) const {
        return {{"Kind", "Purchase"},
                {"Player", e.Player},
                {"Type", e.Type},
                {"Keep", CellJson(e.Keep)},
                {"Price", e.Price}};
    }
    json::Value operator()(const game_event::Sale& e) const {
        return {{"Kind", "Sale"},
                {"Player", e.Player},
                {"Type", e.Type},
                {"Keep", CellJson(e.Keep)},
                {"Price", e.Price}};
    }
    json::Value operator()(const game_event::Rescue& e) const {
        return {{"Kind", "Rescue"},
                {"Player", e.Player},
                {"Type", e.Type},
                {"Keep", CellJson(e.Keep)},
                {"Reward", e.Reward}};
    }
    json::Value operator()(const game_event::Freed& e) const {
        return {{"Kind", "Freed"}, {"Player", e.Player}, {"Type", e.Type}, {"At", CellJson(e.At)}};
    }
    json::Value operator()(const game_event::Raid& e) const {
        return {{"Kind", "Raid"},
                {"Raider", e.Raider},
                {"Victim", e.Victim},
                {"Keep", CellJson(e.Keep)},
                {"Amount", e.Amount}};
    }
    json::Value operator()(const game_event::CastleTaken& e) const {
        return {{"Kind", "CastleTaken"},
                {"Conqueror", e.Conqueror},
                {"Loser", e.Loser},
                {"Keep", CellJson(e.Keep)},
                {"Treasury", e.Treasury}};
    }
    json::Value operator()(const game_event::PlayerOut& e) const {
        return {{"Kind", "PlayerOut"}, {"Player", e.Player}, {"Reason", e.Reason}};
    }
    json::Value operator()(const game_event::TurnStart& e) const {
        return {{"Kind", "TurnStart"}, {"Player", e.Player}};
    }
    json::Value operator()(const game_event::GameEnd& e) const {
        return {{"Kind", "GameEnd"}, {"Winner", e.Winner}, {"Reason", e.Reason}, {"Team", e.Team}};
    }
};

} // namespace

json::Value EventToJson(const GameEvent& event) {
    return std::visit(ToJson{}, event);
}

EventRecorder::EventRecorder(Game& game) : game_(game) {
    game_.Listen(this);
}

EventRecorder::~EventRecorder() {
    game_.StopListening(this);
}

void EventRecorder::Heard(const Game&, const GameEvent& event) {
    list_.push_back(EventToJson(event));
}

} // namespace marovane
