#include "ai/DistanceField.h"

#include <algorithm>

namespace marovane {

DistanceField::DistanceField(const PlayerSight& sight)
    : sight_(sight), distance_(static_cast<size_t>(sight.CellCount()), kUnreachable) {}

void DistanceField::AddGoal(Cell goal, int headStart) {
    if (!sight_.OnBoard(goal))
        return;
    int& d = distance_[static_cast<size_t>(sight_.Index(goal))];
    d = std::min(d, std::max(headStart, 0));
    hasGoals_ = true;
}

void DistanceField::Spread() {
    // Every step costs one, so the cells are settled in buckets of equal distance.
    std::vector<std::vector<int>> buckets;
    for (int i = 0; i < sight_.CellCount(); ++i) {
        const int d = distance_[static_cast<size_t>(i)];
        if (d >= kUnreachable)
            continue;
        if (static_cast<size_t>(d) >= buckets.size())
            buckets.resize(static_cast<size_t>(d) + 1);
        buckets[static_cast<size_t>(d)].push_back(i);
    }
    for (size_t d = 0; d < buckets.size(); ++d) {
        for (size_t k = 0; k < buckets[d].size(); ++k) {
            const int index = buckets[d][k];
            if (static_cast<size_t>(distance_[static_cast<size_t>(index)]) != d)
                continue; // settled nearer already
            const Cell here = sight_.CellAt(index);
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    const Cell from{here.X + dx, here.Y + dy};
                    if ((dx == 0 && dy == 0) || !sight_.OnBoard(from))
                        continue;
                    // A unit on `from` steps here on its way to the goal.
                    const Piece& there = sight_.At(from);
                    if ((there.Alive() && there.Type == unit_type::Wall) ||
                        !sight_.StepAllowed(from, here))
                        continue;
                    int& known = distance_[static_cast<size_t>(sight_.Index(from))];
                    if (known <= static_cast<int>(d) + 1)
                        continue;
                    known = static_cast<int>(d) + 1;
                    if (buckets.size() <= d + 1)
                        buckets.resize(d + 2);
                    buckets[d + 1].push_back(sight_.Index(from));
                }
            }
        }
    }
}

} // namespace marovane
