#pragma once

#include "engine/Game.h"
#include "engine/GameEvent.h"
#include "session/GameRecord.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace marovane {

// What happened in the game, line by line in plain words, as the player beside the board may
// read it: each turn's heading ("Round 3 - Player 2"), the battles, heals, repairs, keep deals,
// raids and players out, and the messages the rules showed in boxes.
//
// Nothing the fog hides from the viewer gets in: the viewer is the human at this machine whose
// turn it is, or was last (before any, the first human here), and a line is kept for each human
// here who saw its event where it happened, so that in a game of several humans at one machine
// each reads only his own. The turns of the computer (or of another machine) are, with "Hide
// Opponents Turn", only summed up: what they cost the viewer, without a cell or a unit he could
// not see.
class EventLog : public GameEventListener {
public:
    struct Line {
        marovane::Text Text; // plain text, shown in the reader's language
        int Player = 0;      // whose colour the line takes: who acted, 0 for nobody
        bool Heading = false;
        bool operator==(const Line&) const = default;
    };

    // The round of the headings comes from the record, which hears each event first.
    explicit EventLog(const GameRecord& record) : record_(record) {}
    // The lines the viewer reads are the log's own entries, referred to.
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    // A new game is about to start: the log empties at its first event. Until then it is the
    // running game's, which goes on as it was when the new one is refused (KeepGoing).
    void Restart() { restarting_ = true; }
    void KeepGoing() { restarting_ = false; }
    // A game was loaded: the log starts with its current turn's heading.
    void Resume(const Game& game);
    void Heard(const Game& game, const GameEvent& event) override;
    // A message the rules showed in a box; the line of the event it announces (a player out, the
    // game's end, a raid) takes its words instead of a line of its own, and the heading of a turn
    // stands for the box that announces it.
    void Told(const marovane::Text& message);

    // The lines the viewer may read, oldest first.
    const std::vector<std::reference_wrapper<const Line>>& Lines() const { return shown_; }
    // The human whose eyes the log follows; 0 when no human plays at this machine.
    int Viewer() const { return viewer_; }
    // Called when the lines changed: added at the end, or otherwise (emptied, another viewer, a
    // line rewritten), when the whole of Lines should be shown again.
    std::function<void(bool rewritten)> Changed;

private:
    // One bit per reader: bit p for the human player p, bit 0 for the board's viewer when no human
    // plays here.
    using Readers = uint8_t;
    static constexpr Readers kEveryone = 0x1F;
    struct Entry {
        Line Content;
        Readers Read = kEveryone;
    };
    // The turn of a player whom "Hide Opponents Turn" hides: per human here, the attacks on his
    // pieces and his units lost so far.
    struct HiddenTurn {
        int Player = 0;
        PerPlayer<int> Attacks{};
        PerPlayer<std::vector<int>> Lost{};
        PerPlayer<bool> Summed{};
    };

    void Clear();
    void Add(Line line, Readers readers);
    // Tells Changed what became of the lines the viewer had (`before` of them).
    void Notify(size_t before);
    // Writes what the hidden turn cost each human so far; at the turn's end also a line for
    // each who has none yet.
    void SumUp(bool turnOver);
    void Tally(const GameEvent& event);
    void BeginTurn(const Game& game, int player);
    // Writes the event's line for each reader who saw it, in the words of what he saw.
    void Write(const Game& game, const GameEvent& event);
    void FollowViewer(const Game& game);
    void ShowForViewer();

    const GameRecord& record_;
    const UnitSpecs* specs_ = nullptr;
    // A deque: adding at the end and dropping at the front leave the other entries in place,
    // where the viewer's lines refer to them.
    std::deque<Entry> entries_;
    std::vector<std::reference_wrapper<const Line>> shown_;
    int viewer_ = 0;
    // The humans playing at this machine, one bit each, as last heard.
    Readers humans_ = 0;
    std::optional<HiddenTurn> hidden_;
    // The last entry is a box's message that no event has followed yet.
    bool toldLast_ = false;
    // The viewer's lines changed other than at their end since the last Notify.
    bool rewritten_ = false;
    bool restarting_ = false;
};

} // namespace marovane
