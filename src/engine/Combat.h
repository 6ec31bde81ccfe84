#pragma once

namespace marovane {

// The range shape: whether a unit of range n reaches a target a columns and b rows away.
// Beyond range 2 the corners of the square are cut off.
bool InReach(int a, int b, int n);

// The chance, 0 to 1, that an attack over a columns and b rows with range n hits.
double HitChance(int a, int b, int n);

} // namespace marovane
