#pragma once

#include "FigureParts.h"

namespace marovane::art::figure {

// A rider on a horse seen from the side. Light cavalry rides a bare chestnut with a spear,
// medium a bay with a saddle cloth in the player's colour, heavy a barded horse under a
// caparison in the player's colour with a couched lance.
void Cavalry(QPainter& painter, Armour armour, const QColor& player);

} // namespace marovane::art::figure
