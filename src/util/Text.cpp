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

void Text::ReserveArgs() {
    if (!args_.empty())
        return;
    char highest = '1';
    for (size_t i = 0; i + 1 < source_.size(); ++i) {
        if (source_[i] == '%' && source_[i + 1] > highest && source_[i + 1] <= '9')
            highest = source_[i + 1];
    }
    args_.reserve(static_cast<size_t>(highest - '0'));
}

Text& Text::Arg(const Text& value) & {
    ReserveArgs();
    args_.push_back(value);
    return *this;
}

Text& Text::Arg(Text&& value) & {
    ReserveArgs();
    args_.push_back(std::move(value));
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
