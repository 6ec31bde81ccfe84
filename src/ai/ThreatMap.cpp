#include "ai/ThreatMap.h"

#include <algorithm>
#include <cstdlib>

namespace marovane {

ThreatMap::ThreatMap(const PlayerSight& sight)
    : sight_(sight), damage_(sight), incoming_(static_cast<size_t>(sight.CellCount()), -1.0f) {
    const UnitSpecs& specs = sight.Specs();
    for (int i = 0; i < sight.CellCount(); ++i) {
        const Cell at = sight.CellAt(i);
        const Piece& enemy = sight.At(at);
        if (!enemy.Alive() || !sight.Enemy(enemy.Owner) || enemy.Type == unit_type::Wall)
            continue;
        // Next turn the enemy has all his moves again; he strikes with one of them left, and a
        // piece that never moves never strikes.
        const int moves = specs.Moves(enemy.Type);
        if (moves < 1)
            continue;
        Source source;
        source.Enemy = enemy;
        source.Enemy.MovesLeft = moves;
        source.At = at;
        source.Range = std::max<int>(specs.UnitRange[enemy.Type], 1);
        source.Reach = moves - 1 + source.Range;
        sources_.push_back(source);
    }
}

double ThreatMap::Damage(Source& source, Cell target) const {
    if (std::abs(target.X - source.At.X) > source.Reach ||
        std::abs(target.Y - source.At.Y) > source.Reach)
        return 0;
    if (!source.Known) {
        // He may cross where his own side stands now (those may move away first), never where
        // the player's side stands, and he stops only on a free cell.
        sight_.Reach(
            source.At, source.Enemy.MovesLeft - 1,
            [&](const Piece& there) {
                return there.Type != unit_type::Wall && !sight_.Friend(there.Owner);
            },
            reach_);
        for (const ReachedCell& from : reach_) {
            if (from.Steps == 0 || !sight_.Occupied(from.At))
                source.StrikeFrom.push_back(from.At);
        }
        source.Known = true;
    }
    double worst = 0;
    for (size_t k = 0; k < source.StrikeFrom.size(); ++k) {
        const Cell from = source.StrikeFrom[k];
        if (std::abs(target.X - from.X) > source.Range ||
            std::abs(target.Y - from.Y) > source.Range)
            continue;
        worst = std::max(worst, damage_.Of(source.Enemy, from, target, k > 0));
    }
    return worst;
}

double ThreatMap::Incoming(int index) const {
    float& known = incoming_[static_cast<size_t>(index)];
    if (known < 0) {
        const Cell target = sight_.CellAt(index);
        double total = 0;
        for (Source& source : sources_)
            total += Damage(source, target);
        known = static_cast<float>(total);
    }
    return known;
}

double ThreatMap::From(Cell enemy, int index) const {
    for (Source& source : sources_) {
        if (source.At == enemy)
            return Damage(source, sight_.CellAt(index));
    }
    return 0;
}

} // namespace marovane
