#pragma once

#include "engine/UnitSpecs.h"

#include <QPoint>

#include <vector>

class QWidget;

namespace marovane {

// One entry of the unit pop-up menu: entry 0 empties a cell, entry t + 1 puts unit type t there.
struct UnitPopupEntry {
    bool Offered = false;
    bool Checked = false;
};

// The pop-up menu of unit types that both scenario editors show over a cell: the offered entries,
// with the cell's current content checked. Answers the chosen entry, or -1 when none was chosen.
int ShowUnitPopup(QWidget* parent, const UnitSpecs& specs,
                  const std::vector<UnitPopupEntry>& entries, const QPoint& at);

} // namespace marovane
