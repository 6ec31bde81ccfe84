#include "app/StateJson.h"

#include "engine/Game.h"
#include "scenario/DefJson.h"
#include "util/Latin1.h"

namespace marovane {

namespace {

template <typename T> json::Value Players(const PerPlayer<T>& values) {
    json::Value list = json::Value::MakeArray();
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if constexpr (std::is_same_v<T, float>)
            list.Push(static_cast<double>(values[p]));
        else if constexpr (std::is_same_v<T, bool>)
            list.Push(values[p]);
        else
            list.Push(static_cast<int>(values[p]));
    }
    return list;
}

template <typename Cell> json::Value Rows(int x0, int y0, int x1, int y1, Cell cell) {
    json::Value rows = json::Value::MakeArray();
    for (int y = y0; y <= y1; ++y) {
        json::Value row = json::Value::MakeArray();
        for (int x = x0; x <= x1; ++x)
            row.Push(static_cast<int>(cell(x, y)));
        rows.Push(std::move(row));
    }
    return rows;
}

} // namespace

json::Value GameStateToJson(const Game& game, const std::vector<std::string>& messages) {
    const BoardArrays& board = game.Board();
    const int w = board.Width();
    const int h = board.Height();
    json::Value out = json::Value::MakeObject();
    out.Set("GameOn", game.GameOn);
    out.Set("CurrentPlayer", game.CurrentPlayer);
    out.Set("NumPlayers", game.NumPlayers);
    out.Set("KilledThisTurn", game.KilledThisTurn);
    out.Set("BoardWidth", game.BoardWidth);
    out.Set("BoardHeight", game.BoardHeight);
    out.Set("BoardUnit", Rows(1, 1, w, h, [&](int x, int y) { return board.BoardUnit(x, y); }));
    out.Set("BoardPic", Rows(1, 1, w, h, [&](int x, int y) { return board.BoardPic(x, y); }));
    json::Value seen = json::Value::MakeArray();
    for (int p = 1; p <= board.Players(); ++p)
        seen.Push(Rows(1, 1, w, h, [&](int x, int y) { return board.Seen(x, y, p); }));
    out.Set("Seen", std::move(seen));
    out.Set("BoardMark", w > 0
                             ? Rows(0, 0, w, h, [&](int x, int y) { return board.BoardMark(x, y); })
                             : json::Value::MakeArray());
    out.Set("KingX", Players(game.KingX));
    out.Set("KingY", Players(game.KingY));
    out.Set("QueenX", Players(game.QueenX));
    out.Set("QueenY", Players(game.QueenY));
    out.Set("Money", Players(game.Money));
    out.Set("PlayerOut", Players(game.PlayerOut));
    out.Set("PlayerResult", Players(game.PlayerResult));
    out.Set("PlayerComp", Players(game.PlayerComp));
    out.Set("PlayerBias", Players(game.PlayerBias));
    out.Set("RoundFlag", game.RoundFlag);
    out.Set("HighX", game.HighX);
    out.Set("HighY", game.HighY);
    out.Set("HighOn", game.HighOn);
    out.Set("FogOn", game.FogOn);
    out.Set("Reward", game.Reward);
    out.Set("MaxParty", game.MaxParty);
    out.Set("TeamsMode", game.TeamsMode);
    out.Set("WinCond", json::Value(json::Value::Array{game.WinCond[1], game.WinCond[2]}));
    out.Set("LoseCond", json::Value(json::Value::Array{game.LoseCond[0], game.LoseCond[1],
                                                       game.LoseCond[2], game.LoseCond[3]}));
    out.Set("ScenarioName", Latin1ToUtf8(game.ScenarioName));
    out.Set("Def", DefToJson(game.Def));
    json::Value shown = json::Value::MakeArray();
    for (const auto& message : messages)
        shown.Push(Latin1ToUtf8(message));
    out.Set("Messages", std::move(shown));
    return out;
}

} // namespace marovane
