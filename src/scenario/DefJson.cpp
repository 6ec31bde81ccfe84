#include "scenario/DefJson.h"

#include "scenario/BoardString.h"
#include "scenario/Options.h"
#include "scenario/UnitTypes.h"
#include "util/Error.h"
#include "util/Latin1.h"

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <set>

namespace marovane {

namespace {

std::string WithoutTrailingBlanks(const std::string& field) {
    size_t end = field.size();
    while (end > 0 && field[end - 1] == ' ')
        --end;
    return field.substr(0, end);
}

json::Value Pair(int16_t a, int16_t b) {
    return json::Value::array({a, b});
}

} // namespace

json::Value DefToJson(const GameDef& def) {
    json::Value out = json::Value::object();
    out["Width"] = def.Width;
    out["Height"] = def.Height;
    out["Treasury"] = def.Treasury;
    out["Reward"] = def.Reward;
    out["PartySize"] = def.PartySize;
    out["Options"] = def.Options;
    out["PlayerLimits"] = def.PlayerLimits;
    out["PlayerKinds"] = def.PlayerKinds;
    out["OptionType"] = Pair(def.OptionType[0], def.OptionType[1]);
    out["OptionAmount"] = Pair(def.OptionAmount[0], def.OptionAmount[1]);
    out["OptionText"] =
        json::Value::array({Latin1ToUtf8(WithoutTrailingBlanks(def.OptionText[0])),
                            Latin1ToUtf8(WithoutTrailingBlanks(def.OptionText[1]))});
    out["Description"] = Latin1ToUtf8(WithoutTrailingBlanks(def.Description));
    json::Value rows = json::Value::array();
    for (int y = 0; y < 4; ++y) {
        json::Value row = json::Value::array();
        for (int x = 0; x < 4; ++x)
            row.push_back(def.StartPos[x][y]);
        rows.push_back(std::move(row));
    }
    out["StartPos"] = std::move(rows);
    out["UnitsAllowed"] = def.UnitsAllowed;
    json::Value placement = json::Value::array();
    for (unsigned char c : WithoutTrailingBlanks(def.Placement))
        placement.push_back(static_cast<int>(c));
    out["Placement"] = std::move(placement);
    return out;
}

namespace {

[[noreturn]] void Fail(const std::string& key, const std::string& what) {
    throw Error("Scenario source, \"" + key + "\": " + what + ".");
}

// The value of a key of an object, or nullptr when it is absent.
const json::Value* Member(const json::Value& object, const char* key) {
    auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

// A whole number within low..high, or nothing. The parser keeps numbers without a sign unsigned,
// so one beyond the signed range is checked before it could wrap.
std::optional<int64_t> WholeNumber(const json::Value& value, int64_t low, int64_t high) {
    if (value.is_number_unsigned()) {
        const auto n = value.get<uint64_t>();
        if (n > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
            return std::nullopt;
    } else if (!value.is_number_integer()) {
        return std::nullopt;
    }
    const auto n = value.get<int64_t>();
    if (n < low || n > high)
        return std::nullopt;
    return n;
}

int16_t ToInt16(const json::Value& value, const std::string& key) {
    if (!value.is_number_integer())
        Fail(key, "expected a whole number");
    const auto n = WholeNumber(value, -32768, 32767);
    if (!n)
        Fail(key, value.dump() + " is outside the range -32768..32767");
    return static_cast<int16_t>(*n);
}

// A number, or a list of names each standing for a bit.
int16_t FlagWord(const json::Value& value, const std::string& key,
                 const std::map<std::string, int>& bits) {
    if (!value.is_array())
        return ToInt16(value, key);
    uint16_t word = 0;
    for (const auto& item : value) {
        if (!item.is_string() || !bits.count(item.get<std::string>())) {
            std::string names;
            for (const auto& [name, bit] : bits)
                names += (names.empty() ? "" : ", ") + name;
            Fail(key, "each flag must be one of " + names);
        }
        word |= static_cast<uint16_t>(1u << bits.at(item.get<std::string>()));
    }
    return static_cast<int16_t>(word);
}

const std::map<std::string, int> kOptionBits = {{"LoseKeep", option_bit::LoseKeep},
                                                {"LoseRoyalty", option_bit::LoseRoyalty},
                                                {"LoseConquest", option_bit::LoseConquest},
                                                {"WinConquest", option_bit::WinConquest},
                                                {"WinRoyalty", option_bit::WinRoyalty},
                                                {"Fog", option_bit::Fog},
                                                {"Castle", option_bit::Castle},
                                                {"Royalty", option_bit::Royalty},
                                                {"NoKeep", option_bit::NoKeep},
                                                {"Advanced", option_bit::Advanced},
                                                {"BuiltIn", option_bit::BuiltIn},
                                                {"Tutorial", option_bit::Tutorial}};

const std::map<std::string, int> kUnitBits = {
    {"Peasant", unit_bit::Peasant},       {"Priest", unit_bit::Priest},
    {"Catapult", unit_bit::Catapult},     {"Cavalry", unit_bit::Cavalry},
    {"Infantry", unit_bit::Infantry},     {"Archer", unit_bit::Archer},
    {"LightArmor", unit_bit::LightArmor}, {"MediumArmor", unit_bit::MediumArmor},
    {"HeavyArmor", unit_bit::HeavyArmor}, {"Royalty", unit_bit::Royalty}};

// Reads a list of small numbers, each within low..high.
std::vector<int> SmallNumbers(const json::Value& value, const std::string& key, int low, int high) {
    if (!value.is_array())
        Fail(key, "expected a list of numbers");
    std::vector<int> numbers;
    for (const auto& item : value) {
        const auto n = WholeNumber(item, low, high);
        if (!n)
            Fail(key, "each entry must be a number " + std::to_string(low) + ".." +
                          std::to_string(high));
        numbers.push_back(static_cast<int>(*n));
    }
    return numbers;
}

// A number, or {"Players": [counts allowed], "Teams": [arrangements allowed]}.
int16_t PlayerLimitsWord(const json::Value& value) {
    if (!value.is_object())
        return ToInt16(value, "PlayerLimits");
    uint16_t word = 0;
    if (const auto* players = Member(value, "Players")) {
        for (int n : SmallNumbers(*players, "PlayerLimits.Players", 1, 4))
            word |= static_cast<uint16_t>(1u << (n - 1));
    }
    // The record stores the forbidden arrangements.
    std::set<int> allowed = {0, 1, 2, 3, 4};
    if (const auto* teams = Member(value, "Teams")) {
        auto list = SmallNumbers(*teams, "PlayerLimits.Teams", 0, 4);
        allowed = std::set<int>(list.begin(), list.end());
    }
    for (int mode = 0; mode <= 4; ++mode) {
        if (!allowed.count(mode))
            word |= static_cast<uint16_t>(1u << (mode + 4));
    }
    return static_cast<int16_t>(word);
}

// A number, or {"Human": [players], "Computer": [players]}.
int16_t PlayerKindsWord(const json::Value& value) {
    if (!value.is_object())
        return ToInt16(value, "PlayerKinds");
    uint16_t word = 0;
    if (const auto* humans = Member(value, "Human")) {
        for (int p : SmallNumbers(*humans, "PlayerKinds.Human", 1, 4))
            word |= static_cast<uint16_t>(1u << (p - 1));
    }
    if (const auto* computers = Member(value, "Computer")) {
        for (int p : SmallNumbers(*computers, "PlayerKinds.Computer", 1, 4))
            word |= static_cast<uint16_t>(1u << (p + 3));
    }
    return static_cast<int16_t>(word);
}

void SetTextField(std::string& field, const json::Value& value, const std::string& key) {
    if (!value.is_string())
        Fail(key, "expected a text");
    std::string text = Utf8ToLatin1(value.get<std::string>());
    if (text.size() > field.size())
        Fail(key, "the text has " + std::to_string(text.size()) + " characters; at most " +
                      std::to_string(field.size()) + " fit");
    SetText(field, text);
}

int16_t OptionTypeCode(const json::Value& value, const std::string& key) {
    if (value.is_string()) {
        const auto& caption = value.get_ref<const std::string&>();
        for (int type = 0; type <= 12; ++type) {
            if (caption == OptionTypeCaption(type))
                return static_cast<int16_t>(type);
        }
        Fail(key, "\"" + caption + "\" is not an option caption");
    }
    return ToInt16(value, key);
}

// The board string: a list of byte values, or the units that differ from the standard layout
// on the board the string is made for.
std::string PlacementText(const json::Value& value) {
    std::string text;
    if (value.is_array()) {
        for (const auto& item : value) {
            const auto byte = WholeNumber(item, 0, 255);
            if (!byte)
                Fail("Placement", "each byte must be a number 0..255");
            text += static_cast<char>(*byte);
        }
    } else if (value.is_object()) {
        const auto* width = Member(value, "Width");
        const auto* height = Member(value, "Height");
        if (!width || !height)
            Fail("Placement", "a list of units needs the Width and Height of its board");
        int w = ToInt16(*width, "Placement.Width");
        int h = ToInt16(*height, "Placement.Height");
        if (w < 1 || h < 1 || w > 63 || h > 31 || w * h > 900)
            Fail("Placement", "a board string holds boards up to 63 x 31 with at most 900 cells");
        std::vector<int> pictures(static_cast<size_t>(w * h), -2); // -2: unchanged
        auto cell = [&](const json::Value& entry, size_t size, const std::string& key) {
            auto numbers = SmallNumbers(entry, key, -1, 63);
            if (numbers.size() != size)
                Fail(key, "each entry needs " + std::to_string(size) + " numbers");
            if (numbers[0] < 1 || numbers[0] > w || numbers[1] < 1 || numbers[1] > h)
                Fail(key, "a cell lies off the board");
            return numbers;
        };
        if (const auto* units = Member(value, "Units")) {
            if (!units->is_array())
                Fail("Placement.Units", "expected a list of [x, y, type, player]");
            for (const auto& entry : *units) {
                auto n = cell(entry, 4, "Placement.Units");
                if (!ValidUnitType(n[2]) || n[3] < 1 || n[3] > 4)
                    Fail("Placement.Units",
                         "types are 0.." + std::to_string(kUnitTypes - 1) + " and players 1..4");
                pictures[static_cast<size_t>((n[1] - 1) * w + n[0] - 1)] =
                    PictureNumber(n[3], n[2]);
            }
        }
        if (const auto* emptied = Member(value, "Emptied")) {
            if (!emptied->is_array())
                Fail("Placement.Emptied", "expected a list of [x, y]");
            for (const auto& entry : *emptied) {
                auto n = cell(entry, 2, "Placement.Emptied");
                pictures[static_cast<size_t>((n[1] - 1) * w + n[0] - 1)] = -1;
            }
        }
        text = board_string::Encode(
            w, h, [&](int x, int y) { return pictures[static_cast<size_t>((y - 1) * w + x - 1)]; },
            [](int, int) { return -2; });
    } else {
        Fail("Placement", "expected a list of bytes or an object with Width, Height and Units");
    }
    if (text.size() > GameDef::kPlacementSize)
        Fail("Placement", "the board string has " + std::to_string(text.size()) +
                              " characters; at most 902 fit");
    return text;
}

} // namespace

GameDef DefFromJson(const json::Value& source) {
    if (!source.is_object())
        throw Error("Scenario source: expected a JSON object of the scenario's fields.");
    static const std::set<std::string> kKnown = {
        "Width",        "Height",       "Treasury",   "Reward",       "PartySize",  "Options",
        "PlayerLimits", "PlayerKinds",  "OptionType", "OptionAmount", "OptionText", "Description",
        "StartPos",     "UnitsAllowed", "Placement",  "Name"};
    for (const auto& [key, value] : source.items()) {
        if (!kKnown.count(key))
            Fail(key, "not a field of a scenario");
    }
    GameDef def;
    SetText(def.OptionText[0], "");
    SetText(def.OptionText[1], "");
    SetText(def.Description, "");
    SetText(def.Placement, "");
    def.OptionType = {-1, -1};

    auto number = [&](const char* key, int16_t& field) {
        if (const auto* value = Member(source, key))
            field = ToInt16(*value, key);
    };
    for (const char* key : {"Width", "Height"}) {
        if (!Member(source, key))
            Fail(key, "missing");
    }
    number("Width", def.Width);
    number("Height", def.Height);
    number("Treasury", def.Treasury);
    number("Reward", def.Reward);
    number("PartySize", def.PartySize);
    if (const auto* value = Member(source, "Options"))
        def.Options = FlagWord(*value, "Options", kOptionBits);
    if (const auto* value = Member(source, "UnitsAllowed"))
        def.UnitsAllowed = FlagWord(*value, "UnitsAllowed", kUnitBits);
    if (const auto* value = Member(source, "PlayerLimits"))
        def.PlayerLimits = PlayerLimitsWord(*value);
    if (const auto* value = Member(source, "PlayerKinds"))
        def.PlayerKinds = PlayerKindsWord(*value);

    auto pairOf = [&](const char* key, auto read) {
        const auto* value = Member(source, key);
        if (!value)
            return;
        if (!value->is_array() || value->size() != 2)
            Fail(key, "expected a list of two entries, one per scenario option");
        read((*value)[0], 0);
        read((*value)[1], 1);
    };
    pairOf("OptionType", [&](const json::Value& v, int i) {
        def.OptionType[i] = OptionTypeCode(v, "OptionType");
    });
    pairOf("OptionAmount",
           [&](const json::Value& v, int i) { def.OptionAmount[i] = ToInt16(v, "OptionAmount"); });
    pairOf("OptionText",
           [&](const json::Value& v, int i) { SetTextField(def.OptionText[i], v, "OptionText"); });
    if (const auto* value = Member(source, "Description"))
        SetTextField(def.Description, *value, "Description");

    if (const auto* value = Member(source, "StartPos")) {
        if (!value->is_array() || value->size() != 4)
            Fail("StartPos", "expected four rows of four values");
        for (size_t y = 0; y < 4; ++y) {
            const auto& row = (*value)[y];
            if (!row.is_array() || row.size() != 4)
                Fail("StartPos", "expected four rows of four values");
            for (size_t x = 0; x < 4; ++x)
                def.StartPos[x][y] = ToInt16(row[x], "StartPos");
        }
    }
    if (const auto* value = Member(source, "Placement"))
        SetText(def.Placement, PlacementText(*value));
    return def;
}

} // namespace marovane
