#include "net/BoardState.h"

#include "engine/BoardArraysBytes.h"
#include "engine/BoardCheck.h"
#include "engine/GameStateBytes.h"
#include "engine/GameStateFields.h"
#include "util/Bytes.h"
#include "util/Error.h"

#include <optional>
#include <type_traits>

namespace marovane::net {

namespace {

// The rows of per-player values a board message carries after the board, in the table's order.
template <typename State, typename Each> void ForEachRow(State& state, Each&& each) {
    VisitPlayFields(state, [&](const StateField& field, auto& value) {
        if constexpr (std::is_same_v<std::remove_const_t<std::remove_reference_t<decltype(value)>>,
                                     PerPlayer<int16_t>>) {
            if (field.In(carried::BoardMessage))
                each(field, value);
        }
    });
}

constexpr size_t RowCount() {
    size_t rows = 0;
    ForEachPlayField([&](const StateField& field, auto member) {
        if constexpr (std::is_member_object_pointer_v<decltype(member)>)
            rows += field.In(carried::BoardMessage);
    });
    return rows;
}

} // namespace

size_t BoardStateSize(int width, int height, int players) {
    const size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
    const size_t cells = w * h;
    return cells * 2 * 2 + cells * static_cast<size_t>(players) + (w + 1) * (h + 1) +
           RowCount() * kMaxPlayers * 2;
}

namespace {

std::string WriteBoardState(std::optional<char> kind, const Game& game) {
    ByteWriter out;
    out.Reserve(2 + BoardStateSize(game.BoardWidth, game.BoardHeight, game.NumPlayers));
    if (kind)
        out.Byte(static_cast<uint8_t>(*kind));
    out.Byte(static_cast<uint8_t>(game.CurrentPlayer));
    WriteBoardArrays(out, game.Board());
    ForEachRow(game.State(), [&](const StateField&, const PerPlayer<int16_t>& row) {
        WriteStateValue(out, row);
    });
    return out.Take();
}

} // namespace

std::string BoardStateText(const Game& game) {
    return WriteBoardState(std::nullopt, game);
}

std::string BoardMessage(char kind, const Game& game) {
    return WriteBoardState(kind, game);
}

BoardState DecodeBoardState(std::string_view body, int width, int height, int players) {
    if (width < 1 || height < 1 || width > kMaxBoardSide || height > kMaxBoardSide || players < 1 ||
        players > kMaxPlayers)
        throw Error("No game of that size can receive a board.");
    const size_t expected = 1 + BoardStateSize(width, height, players);
    if (body.size() != expected)
        throw Error("The board received holds " + std::to_string(body.size()) +
                    " bytes; this game's takes " + std::to_string(expected) + ".");
    ByteReader in(body, {"The board received is damaged.", "message"});
    BoardState state;
    state.Player = in.Byte("the player");
    if (state.Player < 1 || state.Player > players)
        throw Error("The board received is for player " + std::to_string(state.Player) +
                    ", who is not in the game.");
    state.Board = ReadBoardArrays(in, width, height, players, "the board");
    if (Text problem = BoardValuesProblem(state.Board, players); !problem.Source().empty())
        throw Error(problem);
    ForEachRow(static_cast<GameState&>(state),
               [&](const StateField& field, PerPlayer<int16_t>& row) {
                   ReadStateValue(in, row, field.Name);
               });
    for (int p = 1; p <= kMaxPlayers; ++p) {
        for (const Text& problem :
             {CaptiveProblem(state.KingX[p], state.KingY[p], width, height, "King", p),
              CaptiveProblem(state.QueenX[p], state.QueenY[p], width, height, "Queen", p)}) {
            if (!problem.Source().empty())
                throw Error(problem);
        }
        if (state.Money[p] < 0)
            throw Error("Player " + std::to_string(p) + "'s treasury holds " +
                        std::to_string(state.Money[p]) + ".");
        if (state.PlayerResult[p] < 0 || state.PlayerResult[p] > 2)
            throw Error("Player " + std::to_string(p) + "'s result is " +
                        std::to_string(state.PlayerResult[p]) + ", outside 0..2.");
    }
    return state;
}

bool ApplyBoardState(Game& game, std::string_view body, std::string* problem, bool anyPlayer) {
    auto refuse = [&](const std::string& why) {
        if (problem)
            *problem = why;
        return false;
    };
    if (body.empty() || (!anyPlayer && static_cast<uint8_t>(body[0]) != game.CurrentPlayer))
        return refuse("The board received is not for the player whose turn it is.");
    BoardState state;
    try {
        state = DecodeBoardState(body, game.BoardWidth, game.BoardHeight, game.NumPlayers);
    } catch (const Error& error) {
        return refuse(error.what());
    }
    // The rules' own check of a whole board, judged as the game stands, before the board takes
    // the place of the game's: a refusal leaves the game untouched.
    if (Text fault = BoardProblem(game, state.Board); !fault.Source().empty())
        return refuse(fault.English());
    game.ReplaceBoard(std::move(state.Board));
    game.TakeFields(state, carried::BoardMessage);
    game.ShowWholeBoard();
    return true;
}

} // namespace marovane::net
