#include "util/Text.h"

namespace marovane {

Text Tx(const char* context, const char* source) {
    Text text;
    text.context_ = context;
    text.source_ = source;
    return text;
}

Text Verbatim(std::string value) {
    Text text;
    text.source_ = std::move(value);
    return text;
}

Text& Text::Arg(const Text& value) & {
    args_.push_back(value);
    return *this;
}

Text& Text::Arg(const std::string& value) & {
    return Arg(Verbatim(value));
}

Text& Text::Arg(const char* value) & {
    return Arg(Verbatim(value));
}

std::string Text::English() const {
    if (IsValue() || args_.empty())
        return source_;
    std::vector<std::string> values;
    values.reserve(args_.size());
    for (const Text& arg : args_)
        values.push_back(arg.English());
    return FillIn(source_, values);
}

std::string FillIn(const std::string& pattern, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t index = static_cast<size_t>(pattern[i + 1] - '1');
            if (index < values.size()) {
                out += values[index];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace marovane
