#pragma once

#include "engine/GameState.h"

#include <string_view>
#include <type_traits>

namespace marovane {

// The formats that carry a game's state, as bits: each field of the table names those that
// carry it.
namespace carried {
inline constexpr unsigned SavedFile = 1;    // a saved game (".mvg")
inline constexpr unsigned BoardMessage = 2; // the whole board handed between network machines
inline constexpr unsigned StateJson = 4;    // the command-line tool's printed state
} // namespace carried

// One entry of the table: the field's name (as the tool prints it) and the formats carrying it.
struct StateField {
    std::string_view Name;
    unsigned CarriedBy = 0;
    constexpr bool In(unsigned format) const { return (CarriedBy & format) != 0; }
};

// Places in the table where a format carries something that is not a GameState field: the board's
// four arrays (which the game keeps apart, see BoardArrays), and a flag saved games hold for the
// program that wrote them (a layout guard, always false when a game is saved).
struct BoardArraysSlot {};
struct LayoutGuardSlot {};

// The game's state field by field, in the order saved games hold it; a format walks the table
// and takes the fields that it carries, in that order. `visit(const StateField&, member)` is
// called with a pointer to the GameState member, or with one of the slots above. The scenario's
// fields come first in a saved game, last in the printed state, so they are a table of their own.
template <typename Visit> constexpr void ForEachScenarioField(Visit&& visit) {
    using namespace carried;
    visit(StateField{"Def", SavedFile | StateJson}, &GameState::Def);
    visit(StateField{"ScenarioName", SavedFile | StateJson}, &GameState::ScenarioName);
}

template <typename Visit> constexpr void ForEachPlayField(Visit&& visit) {
    using namespace carried;
    constexpr unsigned file = SavedFile | StateJson;
    constexpr unsigned all = SavedFile | StateJson | BoardMessage;
    visit(StateField{"GameOn", file}, &GameState::GameOn);
    visit(StateField{"CurrentPlayer", file}, &GameState::CurrentPlayer);
    visit(StateField{"NumPlayers", file}, &GameState::NumPlayers);
    visit(StateField{"KilledThisTurn", file}, &GameState::KilledThisTurn);
    visit(StateField{"BoardWidth", file}, &GameState::BoardWidth);
    visit(StateField{"BoardHeight", file}, &GameState::BoardHeight);
    visit(StateField{"Board", all}, BoardArraysSlot{});
    visit(StateField{"KingX", all}, &GameState::KingX);
    visit(StateField{"KingY", all}, &GameState::KingY);
    visit(StateField{"QueenX", all}, &GameState::QueenX);
    visit(StateField{"QueenY", all}, &GameState::QueenY);
    visit(StateField{"Money", all}, &GameState::Money);
    visit(StateField{"PlayerColor", SavedFile}, &GameState::PlayerColor);
    visit(StateField{"PlayerOut", file}, &GameState::PlayerOut);
    visit(StateField{"PlayerResult", all}, &GameState::PlayerResult);
    visit(StateField{"PlayerComp", file}, &GameState::PlayerComp);
    visit(StateField{"PlayerBias", file}, &GameState::PlayerBias);
    visit(StateField{"LayoutGuard", SavedFile}, LayoutGuardSlot{});
    visit(StateField{"RoundFlag", file}, &GameState::RoundFlag);
    visit(StateField{"HighX", file}, &GameState::HighX);
    visit(StateField{"HighY", file}, &GameState::HighY);
    visit(StateField{"HighOn", file}, &GameState::HighOn);
    visit(StateField{"FogOn", file}, &GameState::FogOn);
    visit(StateField{"Reward", file}, &GameState::Reward);
    visit(StateField{"MaxParty", file}, &GameState::MaxParty);
    visit(StateField{"HideOpponents", SavedFile}, &GameState::HideOpponents);
    visit(StateField{"NoThinking", SavedFile}, &GameState::NoThinking);
    visit(StateField{"TeamsMode", file}, &GameState::TeamsMode);
    visit(StateField{"WinCond", file}, &GameState::WinCond);
    visit(StateField{"LoseCond", file}, &GameState::LoseCond);
    visit(StateField{"NextTurnEnabled", SavedFile}, &GameState::NextTurnEnabled);
    // Carried by no format: worked out again after a load, or this machine's own.
    visit(StateField{"NextUnitIndex", 0}, &GameState::NextUnitIndex);
    visit(StateField{"HotSeat", 0}, &GameState::HotSeat);
    visit(StateField{"SaveFile", 0}, &GameState::SaveFile);
    visit(StateField{"Role", 0}, &GameState::Role);
    visit(StateField{"MyPlayer", 0}, &GameState::MyPlayer);
    visit(StateField{"RemotePlayer", 0}, &GameState::RemotePlayer);
    visit(StateField{"NetTeam", 0}, &GameState::NetTeam);
}

// The same tables over one state: `visit(const StateField&, value)` gets the field itself (const
// or not, as the state is), or one of the slots above.
template <typename State, typename Visit> void VisitScenarioFields(State& s, Visit&& visit) {
    ForEachScenarioField([&](const StateField& field, auto member) { visit(field, s.*member); });
}

template <typename State, typename Visit> void VisitPlayFields(State& s, Visit&& visit) {
    ForEachPlayField([&](const StateField& field, auto member) {
        if constexpr (std::is_member_object_pointer_v<decltype(member)>)
            visit(field, s.*member);
        else
            visit(field, member);
    });
}

template <typename State, typename Visit> void VisitStateFields(State& s, Visit&& visit) {
    VisitScenarioFields(s, visit);
    VisitPlayFields(s, visit);
}

// Copies the fields that a format carries from one state to another.
void CopyCarriedFields(const GameState& from, GameState& to, unsigned format);

} // namespace marovane
