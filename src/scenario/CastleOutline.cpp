#include "scenario/CastleOutline.h"

namespace marovane {

std::vector<OutlineSegment> CastleOutline(bool keeps, bool castles) {
    std::vector<OutlineSegment> lines;
    auto line = [&](double x1, double y1, double x2, double y2, OutlineRole role) {
        lines.push_back({{x1, y1}, {x2, y2}, role});
    };
    // The keep is the corner cell (1, 1): its inner sides close it off from the yard.
    if (keeps) {
        line(1, 1, 1, 0, OutlineRole::Keep);
        line(1, 1, 0, 1, OutlineRole::Keep);
    }
    if (castles) {
        // The castle fills the 3 x 3 corner block: its sides along the board's edges, the far
        // sides, which stop short to leave the gate in cell (3, 3) open, and two inner lines that
        // set the wall cells (3, 1), (3, 2), (1, 3) and (2, 3) apart from the yard.
        line(0, 0, 3, 0, OutlineRole::Castle);
        line(0, 0, 0, 3, OutlineRole::Castle);
        line(3, 2.2, 3, 0, OutlineRole::Castle);
        line(2.2, 3, 0, 3, OutlineRole::Castle);
        line(2, 1.5, 2, 0, OutlineRole::Castle);
        line(1.5, 2, 0, 2, OutlineRole::Castle);
    } else if (keeps) {
        // A keep without a castle: its outer sides along the board's edges as well.
        line(0, 0, 1, 0, OutlineRole::Keep);
        line(0, 0, 0, 1, OutlineRole::Keep);
    }
    return lines;
}

} // namespace marovane
