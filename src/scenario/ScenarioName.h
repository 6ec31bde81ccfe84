#pragma once

#include "util/Text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace marovane {

// The one rule for the name of a scenario, which is also its file's name without ".def". Every
// way a scenario gets a name goes through it: the editor's title, Rename, the scenario a guest
// keeps from the host, and a scenario copied in from elsewhere. So a name that one of them
// accepts is a name every other one can find and save again.
//
// Blanks at both ends are trimmed: " Tutorial" and "Tutorial " are "Tutorial". Letters of every
// script are welcome ("Ωmega Ünï"); refused are an empty name, control characters, the
// characters / \ : " ? * < > | that file names cannot hold on every system, text that is not
// UTF-8, a name ending in ".def" in any case (its file "Foo.def.def" would be looked up as
// "Foo"), and names longer than kMaxScenarioNameLength characters.

inline constexpr std::size_t kMaxScenarioNameLength = 60;

struct ScenarioNameCheck {
    // The name as it is stored: trimmed. Meaningful only when accepted.
    std::string Name;
    // Why the name cannot be used, as a sentence for the player; empty when it can.
    Text Problem;
    bool Accepted() const { return Problem == Text(); }
};

ScenarioNameCheck CheckScenarioName(std::string_view given);

// Whether a single character (a Unicode code point) can never be part of a name, so a title box
// may refuse it as it is typed.
bool ScenarioNameCharRefused(char32_t code);

} // namespace marovane
