#pragma once

#include "engine/GameEvent.h"
#include "util/Json.h"

namespace marovane {

// An event as JSON: {"Kind": "Battle", ...} with its fields under their own names, cells as
// [x, y].
json::Value EventToJson(const GameEvent& event);

// Writes down every event of a game while it lives.
class EventRecorder : public GameEventListener {
public:
    explicit EventRecorder(Game& game);
    ~EventRecorder() override;
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    void Heard(const Game& game, const GameEvent& event) override;
    const json::Value& List() const { return list_; }

private:
    Game& game_;
    json::Value list_ = json::Value::array();
};

} // namespace marovane
