#pragma once

#include "engine/GameEvent.h"
#include "engine/UnitSpecs.h"
#include "util/Text.h"

#include <string>

namespace marovane {

// How much of an event between two cells (a battle, a heal, a repair) the reader saw: both
// cells, only the target's (the one who acted stood in the fog), or only the actor's.
enum class Sighted { Whole, TargetOnly, ActorOnly };

// What the rules did, in the plain words the event log shows (plain text): "Light Infantry
// (Player 1) hits Archer (Player 2) for 12; Archer strikes back for 4". Unit names come from the
// unit table; a piece the reader did not see is not named. Empty for the events the log does not
// put in words (a step, a turn's start).
Text EventWords(const UnitSpecs& specs, const GameEvent& event, Sighted sighted = Sighted::Whole);

// The player whose colour the event's line takes: the one who acted (the attacker, the buyer,
// the conqueror, the winner), or 0 for nobody, or for one the reader did not see.
int EventActor(const GameEvent& event, Sighted sighted = Sighted::Whole);

// A unit type's name as the unit table gives it.
std::string UnitTypeName(const UnitSpecs& specs, int type);

} // namespace marovane
