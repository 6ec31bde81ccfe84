#include "cli/StateJson.h"

#include "engine/Game.h"
#include "engine/GameStateFields.h"
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
    json::Value def;
    auto print = [&](const StateField& field, const auto& value) {
        using T = std::remove_cvref_t<decltype(value)>;
        if (!field.In(carried::StateJson))
            return;
        const std::string name(field.Name);
        if constexpr (std::is_same_v<T, BoardArraysSlot>) {
            out["BoardUnit"] =
                Rows(1, 1, w, h, [&](int x, int y) { return board.BoardUnit(x, y); });
            out["BoardPic"] = Rows(1, 1, w, h, [&](int x, int y) { return board.BoardPic(x, y); });
            json::Value seen = json::Value::array();
            for (int p = 1; p <= board.Players(); ++p)
                seen.push_back(Rows(1, 1, w, h, [&](int x, int y) { return board.Seen(x, y, p); }));
            out["Seen"] = std::move(seen);
            out["BoardMark"] =
                w > 0 ? Rows(0, 0, w, h, [&](int x, int y) { return board.BoardMark(x, y); })
                      : json::Value::array();
        } else if constexpr (std::is_same_v<T, GameDef>) {
            def = DefToJson(value);
        } else if constexpr (std::is_same_v<T, std::string>) {
            out[name] = Latin1ToUtf8(value);
        } else if constexpr (std::is_same_v<T, std::array<bool, 3>>) {
            out[name] = json::Value::array({value[1], value[2]}); // index 0 means nothing
        } else if constexpr (std::is_same_v<T, std::array<bool, 4>>) {
            out[name] = json::Value::array({value[0], value[1], value[2], value[3]});
        } else if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, int16_t>) {
            out[name] = value;
        } else if constexpr (requires { Players(value); }) {
            out[name] = Players(value);
        }
    };
    // The scenario's fields close the printed state, its name before its long record.
    VisitPlayFields(game.State(), print);
    VisitScenarioFields(game.State(), print);
    out["Def"] = std::move(def);
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
