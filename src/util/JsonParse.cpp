#include "util/JsonParse.h"

#include "util/Error.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace marovane::json {

namespace {

// Deep enough for any document of ours. nlohmann parses without recursion, but copying,
// comparing and printing a document recurse, so a hostile source must not nest without bound.
constexpr int kMaxDepth = 64;

// "line L, column C" of the bytesRead-th byte of text, counted from 1 as nlohmann counts the
// byte where it found a fault; the end of the text counts as one byte more.
std::string Where(std::string_view text, size_t bytesRead) {
    const size_t fault = std::min(bytesRead > 0 ? bytesRead - 1 : 0, text.size());
    size_t line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i < fault; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(fault - lineStart + 1);
}

[[noreturn]] void Fail(std::string_view text, size_t bytesRead, const std::string& what) {
    throw Error("JSON error at " + Where(text, bytesRead) + ": " + what + ".");
}

// nlohmann's explanation of a fault without its exception name and position, which it puts
// before the first ": ".
std::string Explanation(const Value::parse_error& error) {
    const std::string what = error.what();
    const auto colon = what.find(": ");
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

} // namespace

Value Parse(std::string_view text) {
    // Read through a stream so that a check below can ask how far the parser has read.
    std::istringstream stream{std::string(text)};
    auto bytesRead = [&stream] {
        return static_cast<size_t>(stream.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in));
    };
    std::vector<std::set<std::string>> keysOfOpenObjects;
    auto check = [&](int depth, Value::parse_event_t event, Value& parsed) {
        switch (event) {
        case Value::parse_event_t::object_start:
            keysOfOpenObjects.emplace_back();
            [[fallthrough]];
        case Value::parse_event_t::array_start:
            if (depth > kMaxDepth)
                Fail(text, bytesRead(), "nesting too deep");
            break;
        case Value::parse_event_t::object_end:
            keysOfOpenObjects.pop_back();
            break;
        case Value::parse_event_t::key:
            // Called just after the key's closing quote.
            if (!keysOfOpenObjects.back().insert(parsed.get<std::string>()).second)
                Fail(text, bytesRead(), "the key " + parsed.dump() + " appears twice");
            break;
        default:
            break;
        }
        return true;
    };
    try {
        return Value::parse(stream, check);
    } catch (const Value::parse_error& error) {
        Fail(text, error.byte, Explanation(error));
    }
}

} // namespace marovane::json
