#include "util/JsonPrint.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace marovane::json {

namespace {

constexpr int kIndent = 2;

void NewLine(std::string& out, int depth) {
    out += '\n';
    out.append(static_cast<size_t>(kIndent * depth), ' ');
}

void PrintFloat(std::string& out, double number) {
    if (!std::isfinite(number)) {
        out += "null"; // as nlohmann prints it: JSON has no infinity
        return;
    }
    char buffer[32];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 9);
    out.append(buffer, end.ptr);
}

void PrintTo(std::string& out, const Value& value, int depth) {
    if (value.is_number_float()) {
        PrintFloat(out, value.get<double>());
    } else if (value.is_array()) {
        const bool flat = std::none_of(value.begin(), value.end(),
                                       [](const Value& item) { return item.is_structured(); });
        out += '[';
        bool first = true;
        for (const auto& item : value) {
            if (!first)
                out += flat ? ", " : ",";
            first = false;
            if (!flat)
                NewLine(out, depth + 1);
            PrintTo(out, item, depth + 1);
        }
        if (!flat)
            NewLine(out, depth);
        out += ']';
    } else if (value.is_object()) {
        out += '{';
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            if (!first)
                out += ',';
            first = false;
            NewLine(out, depth + 1);
            out += Value(key).dump();
            out += ": ";
            PrintTo(out, item, depth + 1);
        }
        if (!value.empty())
            NewLine(out, depth);
        out += '}';
    } else {
        // Texts, whole numbers, true, false and null as nlohmann writes them.
        out += value.dump();
    }
}

} // namespace

std::string Print(const Value& value) {
    std::string out;
    PrintTo(out, value, 0);
    return out;
}

} // namespace marovane::json
