#include "engine/UnitSpecs.h"

#include "util/Error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>

namespace marovane {

namespace {

// Splits comma-delimited text into items. Blank lines are skipped; a line end and a comma both
// end an item, and a comma that ends a line does not make an extra empty item.
class ItemReader {
public:
    explicit ItemReader(std::string_view text) : text_(text) {}

    // The next item, or false at the end of the text.
    bool Next(std::string& item, bool& quoted) {
        SkipSeparatorsAndBlankLines();
        itemStart_ = pos_;
        if (pos_ >= text_.size())
            return false;
        SkipBlanks();
        quoted = pos_ < text_.size() && text_[pos_] == '"';
        item.clear();
        if (quoted) {
            ++pos_;
            while (pos_ < text_.size() && text_[pos_] != '"' && !IsLineEnd(text_[pos_]))
                item += text_[pos_++];
            if (pos_ < text_.size() && text_[pos_] == '"')
                ++pos_;
            // Anything between the closing quote and the separator is ignored.
            while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]))
                ++pos_;
        } else {
            while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]))
                item += text_[pos_++];
            while (!item.empty() && IsBlank(item.back()))
                item.pop_back();
        }
        EndItem();
        return true;
    }

    // The line (from 1) on which the last item began, or where the text ended.
    int Line() const {
        const size_t end = std::min(itemStart_, text_.size());
        int line = 1;
        for (size_t i = 0; i < end; ++i) {
            // "\r\n", "\n" and a lone "\r" each end a line.
            if (text_[i] == '\n' ||
                (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
                ++line;
        }
        return line;
    }

private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    static bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

    void SkipBlanks() {
        while (pos_ < text_.size() && IsBlank(text_[pos_]))
            ++pos_;
    }

    void SkipSeparatorsAndBlankLines() {
        while (pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_])))
            ++pos_;
    }

    // Consumes the separator after an item: a comma, possibly followed by the line end.
    void EndItem() {
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
            SkipBlanks();
            if (pos_ < text_.size() && IsLineEnd(text_[pos_]))
                ++pos_;
        }
    }

    std::string_view text_;
    size_t pos_ = 0;
    size_t itemStart_ = 0;
};

const char* const kItemNames[4] = {"name", "strength code", "cost", "packed statistics"};

} // namespace

UnitSpecs ParseSpecs(std::string_view text, const std::string& fileName) {
    UnitSpecs specs;
    ItemReader reader(text);
    for (int t = 0; t < kUnitTypes; ++t) {
        auto fail = [&](int item, const std::string& what) -> Error {
            return Error(fileName + ", line " + std::to_string(reader.Line()) + ", record " +
                         std::to_string(t + 1) + " (unit type " + std::to_string(t) + "), " +
                         kItemNames[item] + ": " + what);
        };
        std::string item;
        bool quoted = false;
        long numbers[4] = {};
        for (int i = 0; i < 4; ++i) {
            if (!reader.Next(item, quoted)) {
                throw fail(i, "the file ends before the record is complete; it needs " +
                                  std::to_string(kUnitTypes) + " records of four items.");
            }
            if (i == 0) {
                specs.UnitName[t] = item;
                continue;
            }
            long value = 0;
            auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
            if (quoted || item.empty() || error == std::errc::invalid_argument ||
                end != item.data() + item.size()) {
                throw fail(i, "\"" + item + "\" is not a whole number.");
            }
            bool longItem = i == 3;
            long low = longItem ? std::numeric_limits<int32_t>::min() : -32768;
            long high = longItem ? std::numeric_limits<int32_t>::max() : 32767;
            if (error == std::errc::result_out_of_range || value < low || value > high) {
                throw fail(i, item + " is outside the range " + std::to_string(low) + ".." +
                                  std::to_string(high) + ".");
            }
            if (longItem && value < 0)
                throw fail(i, item + " is negative; each statistic is a digit 0..9.");
            // A strength code is hit points * 10 + moves: below 0 it is no unit at all, and the
            // board would hold a piece that no rule can handle.
            if (i == 1 && value < 0)
                throw fail(i, item + " is negative; it is hit points * 10 + moves.");
            numbers[i] = value;
        }
        specs.UnitStrength[t] = static_cast<int16_t>(numbers[1]);
        specs.UnitCost[t] = static_cast<int16_t>(numbers[2]);
        long n = numbers[3];
        // The six statistics are the decimal digits of n; a longer number leaves its excess in
        // the maximum damage (at most 21474, so it stays a 16-bit value).
        specs.UnitMaxDamage[t] = static_cast<int16_t>(n / 100000);
        specs.UnitMinDamage[t] = static_cast<int16_t>((n % 100000) / 10000);
        specs.UnitRange[t] = static_cast<int16_t>((n % 10000) / 1000);
        specs.UnitCloseBonus[t] = static_cast<int16_t>((n % 1000) / 100);
        specs.UnitWallBonus[t] = static_cast<int16_t>((n % 100) / 10);
        specs.UnitWallPenalty[t] = static_cast<int16_t>(n % 10);
    }
    return specs;
}

Text UnitNameText(const std::string& name) {
    // The names of the unit table that ships with the game.
    static constexpr std::array<const char*, kUnitTypes> kShippedNames = {
        MAROVANE_TEXT("Units", "Peasant"),
        MAROVANE_TEXT("Units", "Priest"),
        MAROVANE_TEXT("Units", "Catapult"),
        MAROVANE_TEXT("Units", "Light Infantry"),
        MAROVANE_TEXT("Units", "Medium Infantry"),
        MAROVANE_TEXT("Units", "Heavy Infantry"),
        MAROVANE_TEXT("Units", "Light Archer"),
        MAROVANE_TEXT("Units", "Medium Archer"),
        MAROVANE_TEXT("Units", "Heavy Archer"),
        MAROVANE_TEXT("Units", "Light Cavalry"),
        MAROVANE_TEXT("Units", "Medium Cavalry"),
        MAROVANE_TEXT("Units", "Heavy Cavalry"),
        MAROVANE_TEXT("Units", "King"),
        MAROVANE_TEXT("Units", "Queen"),
        MAROVANE_TEXT("Units", "Wall")};
    const bool shipped = std::any_of(kShippedNames.begin(), kShippedNames.end(),
                                     [&name](const char* known) { return name == known; });
    return shipped ? Tx("Units", name.c_str()) : Verbatim(name);
}

Text UnitNameText(const UnitSpecs& specs, int type) {
    if (type < 0 || type >= kUnitTypes)
        return Tx("Units", "unit");
    return UnitNameText(specs.UnitName[static_cast<size_t>(type)]);
}

UnitSpecs LoadSpecs(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in || std::filesystem::is_directory(file))
        throw Error(Tx("Files", "Cannot open the unit table \"%1\".").Arg(file.string()));
    std::ostringstream content;
    content << in.rdbuf();
    return ParseSpecs(content.str(), file.string());
}

} // namespace marovane
