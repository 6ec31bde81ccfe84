#include "cli/StateJson.h"

#include "engine/Game.h"
#include "scenario/DefJson.h"
#include "util/Latin1.h"

#include <type_traits>
#include <utility>

namespace marovane {

namespace {

template <typename T> json::Value Players(const PerPlayer<T>& values) {
    json::Value list = json::Value::array();
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if constexpr (std::is_same_v<T, float>)
            list.push_back(static_cast<double>(values[p]));
        else if constexpr (std::is_same_v<T, bool>)
            list.push_back(static_cast<bool>(values[p]));
        else
            list.push_back(static_cast<int>(values[p]));
    }
    return list;
}

template <typename Cell> json::Value Rows(int x0, int y0, int x1, int y1, Cell cell) {
    json::Value rows = json::Value::array();
    for (int y = y0; y <= y1; ++y) {
        json::Value row = json::Value::array();
        for (int x = x0; x <= x1; ++x)
            row.push_back(static_cast<int>(cell(x, y)));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

json::Value GameStateToJson(const Game& game, const std::vector<std::string>& messages) {
    const BoardArrays& board = game.Board();
    const int w = board.Width();
    const int h = board.Height();
    json::Value out = json::Value::object();
    out["GameOn"] = game.GameOn;
    out["CurrentPlayer"] = game.CurrentPlayer;
    out["NumPlayers"] = game.NumPlayers;
    out["KilledThisTurn"] = game.KilledThisTurn;
    out["BoardWidth"] = game.BoardWidth;
    out["BoardHeight"] = game.BoardHeight;
    out["BoardUnit"] = Rows(1, 1, w, h, [&](int x, int y) { return board.BoardUnit(x, y); });
    out["BoardPic"] = Rows(1, 1, w, h, [&](int x, int y) { return board.BoardPic(x, y); });
    json::Value seen = json::Value::array();
    for (int p = 1; p <= board.Players(); ++p)
        seen.push_back(Rows(1, 1, w, h, [&](int x, int y) { return board.Seen(x, y, p); }));
    out["Seen"] = std::move(seen);
    out["BoardMark"] = w > 0 ? Rows(0, 0, w, h, [&](int x, int y) { return board.BoardMark(x, y); })
                             : json::Value::array();
    out["KingX"] = Players(game.KingX);
    out["KingY"] = Players(game.KingY);
    out["QueenX"] = Players(game.QueenX);
    out["QueenY"] = Players(game.QueenY);
    out["Money"] = Players(game.Money);
    out["PlayerOut"] = Players(game.PlayerOut);
    out["PlayerResult"] = Players(game.PlayerResult);
    out["PlayerComp"] = Players(game.PlayerComp);
    out["PlayerBias"] = Players(game.PlayerBias);
    out["RoundFlag"] = game.RoundFlag;
    out["HighX"] = game.HighX;
    out["HighY"] = game.HighY;
    out["HighOn"] = game.HighOn;
    out["FogOn"] = game.FogOn;
    out["Reward"] = game.Reward;
    out["MaxParty"] = game.MaxParty;
    out["TeamsMode"] = game.TeamsMode;
    out["WinCond"] = json::Value::array({game.WinCond[1], game.WinCond[2]});
    out["LoseCond"] = json::Value::array(
        {game.LoseCond[0], game.LoseCond[1], game.LoseCond[2], game.LoseCond[3]});
    out["ScenarioName"] = Latin1ToUtf8(game.ScenarioName);
    out["Def"] = DefToJson(game.Def);
    json::Value shown = json::Value::array();
    for (const auto& message : messages)
        shown.push_back(Latin1ToUtf8(message));
    out["Messages"] = std::move(shown);
    return out;
}

json::Value PreviewToJson(const std::optional<AttackPreview>& preview) {
    if (!preview)
        return nullptr;
    auto span = [](const std::optional<AttackPreview::Span>& value) -> json::Value {
        if (!value)
            return nullptr;
        return json::Value::array({value->first, value->second});
    };
    json::Value out = json::Value::object();
    out["HitChance"] = preview->HitChance;
    out["Damage"] = span(preview->Damage);
    out["CounterDamage"] = span(preview->Counter);
    out["Heal"] = span(preview->Heal);
    return out;
}

} // namespace marovane
