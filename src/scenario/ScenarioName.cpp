#include "scenario/ScenarioName.h"

#include "util/Latin1.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace marovane {

namespace {

constexpr std::u32string_view kRefusedChars = U"/\\:\"?*<>|";

// The code points of well-formed UTF-8.
std::u32string CodePoints(std::string_view utf8) {
    std::u32string out;
    for (size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const size_t length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : 4;
        char32_t code = length == 1 ? c : c & (0x7F >> length);
        for (size_t k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(code);
        i += length;
    }
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EndsInDef(std::string_view name) {
    if (name.size() < 4)
        return false;
    std::string ending(name.substr(name.size() - 4));
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == ".def";
}

} // namespace

bool ScenarioNameCharRefused(char32_t code) {
    // Control characters, DEL and the C1 controls.
    if (code < 32 || (code >= 127 && code < 160))
        return true;
    return kRefusedChars.find(code) != std::u32string_view::npos;
}

ScenarioNameCheck CheckScenarioName(std::string_view given) {
    ScenarioNameCheck check;
    check.Name = std::string(TrimBlanks(given));
    auto refuse = [&](Text problem) {
        check.Problem = std::move(problem);
        return check;
    };
    if (check.Name.empty())
        return refuse(Tx("ScenarioFile", "A scenario needs a name."));
    if (!IsUtf8(check.Name))
        return refuse(Tx("ScenarioFile", "The name holds bytes that are not text."));
    const std::u32string codes = CodePoints(check.Name);
    if (std::any_of(codes.begin(), codes.end(), ScenarioNameCharRefused))
        return refuse(
            Tx("ScenarioFile", "Names cannot contain / \\ : \" ? * < > | or control characters."));
    if (EndsInDef(check.Name))
        return refuse(Tx("ScenarioFile",
                         "Names cannot end in \".def\": the game adds that to the file itself."));
    if (codes.size() > kMaxScenarioNameLength)
        return refuse(Tx("ScenarioFile", "Names can be at most %1 characters long.")
                          .Arg(kMaxScenarioNameLength));
    return check;
}

} // namespace marovane
