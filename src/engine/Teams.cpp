#include "engine/Game.h"

#include "scenario/Options.h"

namespace marovane {

bool Game::SameTeam(int p, int q) const {
    // A guest does not know the arrangement; the host tells it who is on its side.
    if (Role == NetworkRole::Guest)
        return NetTeam[p] == NetTeam[q];
    switch (TeamsMode) {
    case 0: // Free for All
        return p == q;
    case 1: // CPUs vs. Humans
        return PlayerComp[p] == PlayerComp[q];
    case 2: // Left vs. Right: 1 and 3 against 2 and 4
        return p % 2 == q % 2;
    case 3: // Top vs. Bottom: 1 and 4 against 2 and 3
        return p == q || p + q == 5;
    case 4: // Diagonals: 1 and 2 against 3 and 4
        return (p - 1) / 2 == (q - 1) / 2;
    default:
        return false;
    }
}

Text Game::TeamName(int p) const {
    switch (TeamsMode) {
    case 1:
        return PlayerComp[p] ? Tx("Rules", "The Computers") : Tx("Rules", "The Humans");
    case 2:
        return SameTeam(p, 1) ? Tx("Rules", "The Left Players") : Tx("Rules", "The Right Players");
    case 3:
        return SameTeam(p, 1) ? Tx("Rules", "The Top Players") : Tx("Rules", "The Bottom Players");
    case 4:
        return SameTeam(p, 1) ? Tx("Rules", "The NW/SE Players") : Tx("Rules", "The NE/SW Players");
    default:
        return Tx("Rules", "Player %1").Arg(p);
    }
}

bool Game::TeamsAllowed(int mode) const {
    return TeamsAllowedBy(Def, mode);
}

void Game::TakeTeamsFromHost(int mode) {
    TeamsMode = static_cast<int16_t>(mode);
    interaction_.TeamsChanged();
}

void Game::ChooseTeams(int k) {
    int mode = k;
    if (Role != NetworkRole::Guest) {
        // The scenario forbids some arrangements; a forbidden choice falls to the first allowed.
        uint16_t mask = static_cast<uint16_t>(Def.PlayerLimits);
        if (k < 0) {
            mask = static_cast<uint16_t>(~k);
            mode = 0;
        }
        if (mode > 4 || ((mask >> (mode + 4)) & 1)) {
            for (int j = 0; j <= 4; ++j) {
                if (!((mask >> (j + 4)) & 1)) {
                    mode = j;
                    break;
                }
            }
        }
        if (mode > 4)
            mode = 0;
    }
    TeamsMode = static_cast<int16_t>(mode);
    interaction_.TeamsChanged();
    if (Role == NetworkRole::Host)
        network_->TeamsChanged();
}

} // namespace marovane
