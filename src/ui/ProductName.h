#pragma once

namespace marovane {

// The program's name in window titles and message boxes.
inline constexpr char kProductName[] = "Marovane";

} // namespace marovane
