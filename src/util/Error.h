#pragma once

#include <stdexcept>
#include <string>

namespace marovane {

// A refusal that the player or the scenario author should read: bad input, a file that cannot
// be used, a value that would leave its range. The text is complete and ready to show.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace marovane
