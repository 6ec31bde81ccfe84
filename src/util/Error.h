#pragma once

#include "util/Text.h"

#include <stdexcept>
#include <string>

namespace marovane {

// A refusal that the player or the scenario author should read: bad input, a file that cannot
// be used, a value that would leave its range. The text is complete and ready to show; what()
// gives it in English, Message() for translation.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message)
        : std::runtime_error(message), message_(Verbatim(message)) {}
    explicit Error(const Text& message)
        : std::runtime_error(message.English()), message_(message) {}

    const Text& Message() const { return message_; }

private:
    Text message_;
};

} // namespace marovane
