#pragma once

#include "ai/PlayerSight.h"

#include <vector>

namespace marovane {

// How many steps a unit needs from every cell of the board to the nearest of some goals, each
// goal with a head start of its own (a goal with a larger head start counts as farther away).
// Steps keep to the castle rules; wall pieces bar the way, other pieces do not, as they move.
class DistanceField {
public:
    static constexpr int kUnreachable = 1 << 20;

    explicit DistanceField(const PlayerSight& sight);

    void AddGoal(Cell goal, int headStart = 0);
    // Works the distances out once every goal is added.
    void Spread();

    int At(int index) const { return distance_[static_cast<size_t>(index)]; }
    int At(Cell c) const { return At(sight_.Index(c)); }
    bool HasGoals() const { return hasGoals_; }

private:
    const PlayerSight& sight_;
    std::vector<int> distance_;
    bool hasGoals_ = false;
};

} // namespace marovane
