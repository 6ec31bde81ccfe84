#include "ai/ComputerKeep.h"

#include "engine/Game.h"
#include "engine/KeepVisit.h"
#include "util/Error.h"

#include <array>

namespace marovane {

void DoComputerKeep(Game& game, KeepVisit& visit) {
    try {
        if (visit.CanRescue()) {
            visit.Rescue();
            return;
        }
        if (visit.CanSell())
            visit.Sell();
        if (!visit.PurchaseOpen())
            return;
        // Every type draws a weight from 1 to 16; the heaviest type that can be bought is
        // bought, equal weights going to the lower type number.
        std::array<int, kUnitTypes> weight{};
        for (int& w : weight)
            w = static_cast<int>(game.Rng().Rnd() * 16 + 1);
        for (int tries = 0; tries < kUnitTypes; ++tries) {
            int best = 0;
            for (int t = 1; t < kUnitTypes; ++t) {
                if (weight[t] > weight[best])
                    best = t;
            }
            weight[best] = 0;
            if (visit.CanBuy(best)) {
                visit.Buy(best);
                return;
            }
        }
    } catch (const Error& error) {
        // The treasury cannot hold the money of a sale or rescue: the visit stops as it stands.
        game.Interaction().ShowMessage(error.Message());
    }
}

} // namespace marovane
