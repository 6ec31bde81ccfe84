#include "scenario/Options.h"

#include "scenario/UnitTypes.h"
#include "util/Error.h"

#include <cstdlib>
#include <limits>

namespace marovane {

bool OptionSet(int bit, int16_t mask) {
    bool set = (static_cast<uint16_t>(mask) >> bit) & 1;
    return bit == option_bit::NoKeep ? !set : set;
}

int16_t ToggleBit(int16_t mask, int bit) {
    return static_cast<int16_t>(static_cast<uint16_t>(mask) ^ (1u << bit));
}

namespace {

// An option may toggle any bit of the allowed units below the word's sign bit.
constexpr int kLastUnitsBit = 14;

bool Has(int16_t mask, int bit) {
    return (static_cast<uint16_t>(mask) >> bit) & 1;
}

} // namespace

bool UnitAllowed(int type, int16_t mask) {
    switch (type) {
    case unit_type::Peasant:
        return Has(mask, unit_bit::Peasant);
    case unit_type::Priest:
        return Has(mask, unit_bit::Priest);
    case unit_type::Catapult:
        return Has(mask, unit_bit::Catapult);
    case unit_type::King:
    case unit_type::Queen:
        return Has(mask, unit_bit::Royalty);
    default:
        break;
    }
    if (type < unit_type::FirstFighter || type > unit_type::LastFighter)
        return false;
    // The fighters form a grid: rows are Infantry, Archer, Cavalry; columns Light, Medium, Heavy.
    using namespace unit_bit;
    static constexpr int kClassBit[3] = {Infantry, Archer, Cavalry};
    static constexpr int kArmorBit[3] = {LightArmor, MediumArmor, HeavyArmor};
    const int fighter = type - unit_type::FirstFighter;
    return Has(mask, kClassBit[fighter / 3]) && Has(mask, kArmorBit[fighter % 3]);
}

const char* OptionTypeCaption(int type) {
    static constexpr const char* kCaptions[] = {
        MAROVANE_TEXT("Scenario", "Board Size"),      MAROVANE_TEXT("Scenario", "Board Width"),
        MAROVANE_TEXT("Scenario", "Board Height"),    MAROVANE_TEXT("Scenario", "Treasury"),
        MAROVANE_TEXT("Scenario", "Party Size"),      MAROVANE_TEXT("Scenario", "Reward"),
        MAROVANE_TEXT("Scenario", "Toggle Unit"),     MAROVANE_TEXT("Scenario", "Toggle Fog"),
        MAROVANE_TEXT("Scenario", "Toggle Castle"),   MAROVANE_TEXT("Scenario", "Toggle Keep"),
        MAROVANE_TEXT("Scenario", "Toggle Win Cond"), MAROVANE_TEXT("Scenario", "Toggle Lose Cond"),
        MAROVANE_TEXT("Scenario", "Toggle Advanced!")};
    if (type < 0 || type > 12)
        return "";
    return kCaptions[type];
}

Text OptionTypeCaptionText(int type) {
    const char* caption = OptionTypeCaption(type);
    return *caption ? Tx("Scenario", caption) : Verbatim("");
}

int16_t CheckedAdd(int16_t a, int b, const Text& what) {
    long sum = static_cast<long>(a) + b;
    if (sum < std::numeric_limits<int16_t>::min() || sum > std::numeric_limits<int16_t>::max())
        throw Error(Tx("Scenario", "%1 would leave the range -32768..32767.").Arg(what));
    return static_cast<int16_t>(sum);
}

int16_t CheckedAdd(int16_t a, int b, const std::string& what) {
    return CheckedAdd(a, b, Verbatim(what));
}

void ApplyOption(int n, GameDef& def, bool chosen) {
    if (n != 1 && n != 2)
        return;
    int amount = def.OptionAmount[n - 1];
    int d = chosen ? amount : -amount;
    int size = std::abs(amount);
    GameDef result = def;
    // A refusal names the option by its caption and amount: "the scenario option "Treasury"
    // (amount 300)". Each message is one whole sentence, so a translation may order it freely.
    const Text caption = OptionTypeCaptionText(def.OptionType[n - 1]);
    auto add = [&](int16_t value, Text refusal) {
        const long sum = static_cast<long>(value) + d;
        if (sum < std::numeric_limits<int16_t>::min() || sum > std::numeric_limits<int16_t>::max())
            throw Error(refusal.Arg(caption).Arg(amount));
        return static_cast<int16_t>(sum);
    };
    auto noSuch = [&](Text refusal, int most) {
        return Error(refusal.Arg(caption).Arg(amount).Arg(most));
    };
    const Text width = Tx("Scenario", "With the scenario option \"%1\" (amount %2), the board "
                                      "width would leave the range -32768..32767.");
    const Text height = Tx("Scenario", "With the scenario option \"%1\" (amount %2), the board "
                                       "height would leave the range -32768..32767.");
    switch (def.OptionType[n - 1]) {
    case 0:
        result.Width = add(def.Width, width);
        result.Height = add(def.Height, height);
        break;
    case 1:
        result.Width = add(def.Width, width);
        break;
    case 2:
        result.Height = add(def.Height, height);
        break;
    case 3:
        result.Treasury = add(def.Treasury, Tx("Scenario", "With the scenario option \"%1\" "
                                                           "(amount %2), the treasury would leave "
                                                           "the range -32768..32767."));
        break;
    case 4:
        result.PartySize = add(def.PartySize, Tx("Scenario", "With the scenario option \"%1\" "
                                                             "(amount %2), the party size would "
                                                             "leave the range -32768..32767."));
        break;
    case 5:
        result.Reward = add(def.Reward, Tx("Scenario", "With the scenario option \"%1\" (amount "
                                                       "%2), the reward would leave the range "
                                                       "-32768..32767."));
        break;
    case 6:
        if (size > kLastUnitsBit)
            throw noSuch(Tx("Scenario", "The scenario option \"%1\" (amount %2) names no bit of "
                                        "the allowed units; its amount must be -%3..%3."),
                         kLastUnitsBit);
        result.UnitsAllowed = ToggleBit(def.UnitsAllowed, size);
        if (size == unit_bit::Royalty)
            result.Options = ToggleBit(def.Options, option_bit::Royalty);
        break;
    case 7:
        result.Options = ToggleBit(def.Options, option_bit::Fog);
        break;
    case 8:
        result.Options = ToggleBit(def.Options, option_bit::Castle);
        break;
    case 9:
        result.Options = ToggleBit(def.Options, option_bit::NoKeep);
        break;
    case 10:
        if (size > 10)
            throw noSuch(Tx("Scenario", "The scenario option \"%1\" (amount %2) names no option "
                                        "bit; its amount must be -%3..%3."),
                         10);
        result.Options = ToggleBit(def.Options, size + 4);
        break;
    case 11:
        if (size > 2)
            throw noSuch(Tx("Scenario", "The scenario option \"%1\" (amount %2) names no lose "
                                        "condition; its amount must be -%3..%3."),
                         2);
        result.Options = ToggleBit(def.Options, 2 - size);
        break;
    case 12:
        result.Options = ToggleBit(def.Options, option_bit::Advanced);
        break;
    default:
        return;
    }
    def = result;
}

std::string FormatMoney(int amount) {
    return std::to_string(amount) + '\xA4';
}

bool TeamsAllowedBy(const GameDef& def, int mode) {
    // Bits 4..8 of the player limits forbid the arrangements.
    return mode >= 0 && mode <= 4 && !((static_cast<uint16_t>(def.PlayerLimits) >> (mode + 4)) & 1);
}

bool ComputerMayTakeOver(const GameDef& def, int p) {
    // Bits 0..3 of the player kinds allow a human in slot p, bits 4..7 the computer.
    const int kinds = static_cast<uint16_t>(def.PlayerKinds);
    return p >= 1 && p <= 4 && ((kinds >> (p - 1)) & 1) && ((kinds >> (p + 3)) & 1);
}

} // namespace marovane
