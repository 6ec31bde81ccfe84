#include "engine/GameStateFields.h"

namespace marovane {

void CopyCarriedFields(const GameState& from, GameState& to, unsigned format) {
    auto copy = [&](const StateField& field, auto member) {
        if constexpr (std::is_member_object_pointer_v<decltype(member)>) {
            if (field.In(format))
                to.*member = from.*member;
        }
    };
    ForEachScenarioField(copy);
    ForEachPlayField(copy);
}

} // namespace marovane
