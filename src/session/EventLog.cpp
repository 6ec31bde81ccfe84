#include "session/EventLog.h"

#include "session/EventWords.h"

#include <algorithm>
#include <array>

namespace marovane {

namespace {

// A long game drops its oldest lines, a quarter at a time.
constexpr size_t kMaxEntries = 2000;

constexpr uint8_t Bit(int p) {
    return static_cast<uint8_t>(1u << p);
}

// News of the keep and of whole players are told even of a hidden turn: the box of a player out
// or of a raid is shown anyway, and a castle changes hands in view of its keep.
bool ToldOfHiddenTurn(const GameEvent& event) {
    return std::holds_alternative<game_event::Raid>(event) ||
           std::holds_alternative<game_event::CastleTaken>(event) ||
           std::holds_alternative<game_event::PlayerOut>(event) ||
           std::holds_alternative<game_event::GameEnd>(event);
}

// The events whose box, shown just before, says all there is to say.
bool AnnouncedByBox(const GameEvent& event) {
    return std::holds_alternative<game_event::Raid>(event) ||
           std::holds_alternative<game_event::PlayerOut>(event) ||
           std::holds_alternative<game_event::GameEnd>(event);
}

} // namespace

void EventLog::Clear() {
    restarting_ = false;
    viewer_ = 0;
    entries_.clear();
    shown_.clear();
    hidden_.reset();
    toldLast_ = false;
}

void EventLog::Resume(const Game& game) {
    Clear();
    specs_ = &game.Specs();
    FollowViewer(game);
    if (game.GameOn && game.CurrentPlayer >= 1 && game.CurrentPlayer <= game.NumPlayers)
        BeginTurn(game, game.CurrentPlayer);
    ShowForViewer();
    if (Changed)
        Changed(true);
}

void EventLog::Heard(const Game& game, const GameEvent& event) {
    specs_ = &game.Specs();
    const size_t before = shown_.size();
    rewritten_ = false;
    if (restarting_) {
        Clear();
        rewritten_ = true;
    }
    FollowViewer(game);
    const bool told = toldLast_;
    toldLast_ = false;

    if (const auto* turn = std::get_if<game_event::TurnStart>(&event)) {
        SumUp(true);
        hidden_.reset();
        BeginTurn(game, turn->Player);
    } else if (hidden_ && !ToldOfHiddenTurn(event)) {
        Tally(event);
    } else if (told && AnnouncedByBox(event)) {
        // The box's words stand for the event, in the colour of who acted.
        entries_.back().Content.Player = EventActor(event);
        rewritten_ = true;
    } else {
        Write(game, event);
    }
    if (std::holds_alternative<game_event::GameEnd>(event))
        hidden_.reset();
    Notify(before);
}

void EventLog::Told(const Text& message) {
    // The box that announces a turn to the humans sharing the machine: the heading says it.
    if (!entries_.empty() && entries_.back().Content.Heading &&
        message.English() == "Player " + std::to_string(entries_.back().Content.Player) + "'s Turn")
        return;
    const size_t before = shown_.size();
    rewritten_ = false;
    SumUp(false);
    Add({message, 0}, kEveryone);
    toldLast_ = true;
    Notify(before);
}

void EventLog::Notify(size_t before) {
    if (!Changed)
        return;
    if (rewritten_)
        Changed(true);
    else if (shown_.size() != before)
        Changed(false);
}

void EventLog::Add(Line line, Readers readers) {
    entries_.push_back({std::move(line), readers});
    if (readers & Bit(viewer_))
        shown_.push_back(std::cref(entries_.back().Content));
    if (entries_.size() > kMaxEntries) {
        // The viewer's lines are those of the entries he may read, in order: the dropped
        // entries' lines are the first of them.
        const auto dropped = entries_.begin() + kMaxEntries / 4;
        const auto shownDropped = std::count_if(entries_.begin(), dropped, [&](const Entry& entry) {
            return (entry.Read & Bit(viewer_)) != 0;
        });
        entries_.erase(entries_.begin(), dropped);
        shown_.erase(shown_.begin(), shown_.begin() + shownDropped);
        rewritten_ = true;
    }
}

void EventLog::BeginTurn(const Game& game, int player) {
    Add({Tx("Events", "%1 - Player %2").Arg(record_.RoundText()).Arg(player), player, true},
        kEveryone);
    if (game.HideOpponents && player >= 1 && player <= game.NumPlayers &&
        game.Seat(player) != SeatKind::HumanHere)
        hidden_ = HiddenTurn{player, {}, {}, {}};
}

void EventLog::Tally(const GameEvent& event) {
    // Of a hidden turn a human learns what befell his own pieces, which he sees anyway.
    const auto* battle = std::get_if<game_event::Battle>(&event);
    if (!battle)
        return;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if (!(humans_ & Bit(p)) || p == hidden_->Player)
            continue;
        if (battle->Attacker == p || battle->Target == p)
            ++hidden_->Attacks[p];
        if (battle->Target == p && battle->TargetKilled && battle->TargetType != unit_type::Wall)
            hidden_->Lost[p].push_back(battle->TargetType);
        if (battle->Attacker == p && battle->AttackerKilled &&
            battle->AttackerType != unit_type::Wall)
            hidden_->Lost[p].push_back(battle->AttackerType);
    }
}

void EventLog::SumUp(bool turnOver) {
    if (!hidden_ || !specs_)
        return;
    HiddenTurn& turn = *hidden_;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if (!(humans_ & Bit(p)) || p == turn.Player)
            continue;
        const int attacks = turn.Attacks[p];
        Text text;
        if (attacks > 0) {
            if (turn.Lost[p].empty()) {
                text = (attacks == 1
                            ? Tx("Events", "Hidden turn: %1 attack on your units; none lost")
                            : Tx("Events", "Hidden turn: %1 attacks on your units; none lost"))
                           .Arg(attacks);
            } else {
                Text lost = UnitNameText(*specs_, turn.Lost[p][0]);
                for (size_t i = 1; i < turn.Lost[p].size(); ++i)
                    lost = Tx("Events", "%1, %2")
                               .Arg(lost)
                               .Arg(UnitNameText(*specs_, turn.Lost[p][i]));
                text = (attacks == 1
                            ? Tx("Events", "Hidden turn: %1 attack on your units; you lost %2")
                            : Tx("Events", "Hidden turn: %1 attacks on your units; you lost %2"))
                           .Arg(attacks)
                           .Arg(lost);
            }
        } else if (turnOver && !turn.Summed[p]) {
            text = Tx("Events", "Hidden turn: none of your units was attacked");
        } else {
            continue;
        }
        turn.Attacks[p] = 0;
        turn.Lost[p].clear();
        turn.Summed[p] = true;
        Add({std::move(text), turn.Player}, Bit(p));
    }
}

void EventLog::Write(const Game& game, const GameEvent& event) {
    if (EventWords(*specs_, event).Source().empty())
        return; // nothing the log puts in words
    // Each reader reads what he saw: readers grouped by the part of the event they saw.
    std::array<Readers, 3> saw{};
    const auto judge = [&](int reader, int viewer) {
        const std::vector<bool> shown = CellsShownTo(game, event, viewer);
        const auto seen = std::count(shown.begin(), shown.end(), true);
        if (seen == static_cast<std::ptrdiff_t>(shown.size()))
            saw[static_cast<size_t>(Sighted::Whole)] |= Bit(reader);
        else if (shown.size() == 2 && seen == 1)
            saw[static_cast<size_t>(shown[1] ? Sighted::TargetOnly : Sighted::ActorOnly)] |=
                Bit(reader);
    };
    // Bit 0 reads as the board shows it, when no human plays here.
    judge(0, game.CurrentPlayer);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if (humans_ & Bit(p))
            judge(p, p);
    }
    bool summed = false;
    for (const Sighted sighted : {Sighted::Whole, Sighted::TargetOnly, Sighted::ActorOnly}) {
        const Readers readers = saw[static_cast<size_t>(sighted)];
        Text text = readers ? EventWords(*specs_, event, sighted) : Text();
        if (text.Source().empty())
            continue;
        if (!summed)
            SumUp(false);
        summed = true;
        Add({std::move(text), EventActor(event, sighted)}, readers);
    }
}

void EventLog::FollowViewer(const Game& game) {
    humans_ = 0;
    for (int p = 1; p <= game.NumPlayers && p <= kMaxPlayers; ++p) {
        if (game.Seat(p) == SeatKind::HumanHere)
            humans_ |= Bit(p);
    }
    const int current = game.CurrentPlayer;
    int viewer = 0;
    if (current >= 1 && current <= kMaxPlayers && (humans_ & Bit(current)))
        viewer = current;
    else if (viewer_ >= 1 && (humans_ & Bit(viewer_)))
        viewer = viewer_;
    else
        for (int p = kMaxPlayers; p >= 1; --p)
            if (humans_ & Bit(p))
                viewer = p;
    if (viewer != viewer_) {
        viewer_ = viewer;
        ShowForViewer();
    }
}

void EventLog::ShowForViewer() {
    shown_.clear();
    for (const Entry& entry : entries_) {
        if (entry.Read & Bit(viewer_))
            shown_.push_back(std::cref(entry.Content));
    }
    rewritten_ = true;
}

} // namespace marovane
