#include "scenario/ScenarioEditorModel.h"

#include "scenario/Options.h"
#include "scenario/ScenarioName.h"
#include "util/Error.h"
#include "util/Latin1.h"

#include <algorithm>

namespace marovane {

namespace {

constexpr int kFirstClass = 3;  // Cavalry, Infantry, Archer
constexpr int kFirstArmour = 6; // Light, Medium, Heavy Armor
constexpr int kRoyaltyKind = 9;

bool Bit(int word, int bit) {
    return (static_cast<uint16_t>(word) >> bit) & 1;
}

// The text of a fixed field: up to its first NUL, without padding.
std::string FieldText(const std::string& field) {
    return std::string(Trim(std::string_view(field).substr(0, field.find('\0'))));
}

} // namespace

int16_t LeadingNumber(std::string_view text, const Text& what) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long value = 0;
    bool tooLarge = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 100000) {
            tooLarge = true;
            break;
        }
    }
    if (negative)
        value = -value;
    if (tooLarge || value < -32768 || value > 32767)
        throw Error(Tx("Editor", "%1 must be a whole number from -32768 to 32767.").Arg(what));
    return static_cast<int16_t>(value);
}

int16_t LeadingNumber(std::string_view text, const std::string& what) {
    return LeadingNumber(text, Verbatim(what));
}

ScenarioEditorModel::ScenarioEditorModel() : placement_(GameDef::kPlacementSize, ' ') {
    // Everything is allowed at first except a game of one player.
    for (EditorBox* box : {&totals_[1], &totals_[2], &totals_[3]})
        box->Checked = true;
    for (EditorBox& box : teams_)
        box.Checked = true;
    for (auto* group : {&humans_, &computers_})
        for (EditorBox& box : *group)
            box.Checked = true;
    for (EditorBox& box : wins_)
        box.Checked = true;
    for (EditorBox& box : loses_)
        box.Checked = true;
    for (EditorBox& box : units_)
        box.Checked = true;
    UpdatePlayerBoxes();
    UpdateUnitBoxes();
}

// ---- Title ----------------------------------------------------------------------------------

std::string ScenarioEditorModel::FreeTitle(const std::function<bool(const std::string&)>& taken) {
    std::string base = kBaseTitle;
    std::string title = base;
    int n = 0;
    while (taken(title)) {
        if (++n >= 32767) {
            base = "~" + base;
            n = 1;
        }
        title = base + " " + std::to_string(n);
    }
    return title;
}

Text ScenarioEditorModel::SaveProblem(const std::function<bool(const std::string&)>& taken) const {
    if (!existing_) {
        const ScenarioNameCheck name = CheckScenarioName(title_);
        if (!name.Accepted())
            return name.Problem;
        // A new scenario never replaces another one of the same name.
        if (taken(name.Name))
            return Tx("Editor",
                      "A scenario named '%1' already exists. Please choose another title.")
                .Arg(name.Name);
    }
    for (int i = 0; i < 2; ++i) {
        // Saved as it is, the option would silently vanish from the scenario.
        if (extras_[Index(i)].Ticked && extras_[Index(i)].Type < 0)
            return Tx("Editor", "Extra option %1 is ticked but has no type. Choose its type, or "
                                "untick it.")
                .Arg(i + 1);
    }
    return {};
}

std::string ScenarioEditorModel::SaveName() const {
    return existing_ ? title_ : CheckScenarioName(title_).Name;
}

bool ScenarioEditorModel::CanSave() const {
    return !Trim(title_).empty();
}

bool ScenarioEditorModel::ShowsDelete() const {
    return existing_ && !OptionSet(option_bit::Tutorial, loadedOptions_);
}

bool ScenarioEditorModel::ShowsRename() const {
    return existing_ && !OptionSet(option_bit::BuiltIn, loadedOptions_);
}

bool ScenarioEditorModel::BuiltIn() const {
    return OptionSet(option_bit::BuiltIn, loadedOptions_);
}

// ---- Players --------------------------------------------------------------------------------

void ScenarioEditorModel::SetTotal(int i, bool on) {
    totals_[Index(i)].Checked = on;
    if (std::none_of(totals_.begin(), totals_.end(), [](const EditorBox& b) { return b.Checked; }))
        totals_[0].Checked = true;
    UpdatePlayerBoxes();
}

int ScenarioEditorModel::LargestTotal() const {
    for (int total = 4; total >= 1; --total) {
        if (totals_[Index(total - 1)].Checked)
            return total;
    }
    return 1;
}

void ScenarioEditorModel::UpdatePlayerBoxes() {
    // A player who can never take part needs no type.
    const int largest = LargestTotal();
    for (int p = 0; p < 4; ++p) {
        humans_[Index(p)].Enabled = p < largest;
        computers_[Index(p)].Enabled = p < largest;
    }
}

// ---- Winning and losing -----------------------------------------------------------------------

void ScenarioEditorModel::SetWin(int i, bool on) {
    wins_[Index(i)].Checked = on;
    // A game needs some way to be won.
    if (!wins_[0].Checked && !wins_[1].Checked)
        wins_[kWinConquest].Checked = true;
}

void ScenarioEditorModel::SetLose(int i, bool on) {
    loses_[Index(i)].Checked = on;
    if (std::none_of(loses_.begin(), loses_.end(), [](const EditorBox& b) { return b.Checked; }))
        loses_[kLoseConquest].Checked = true;
}

// ---- Units ----------------------------------------------------------------------------------

void ScenarioEditorModel::SetUnit(int i, bool on) {
    const bool was = units_[Index(i)].Checked;
    units_[Index(i)].Checked = on;
    if (i == kRoyaltyKind && was != on) {
        // Without Kings and Queens there is nobody to rescue or to lose; with them the royal
        // conditions come back ticked.
        wins_[kWinRoyalty] = {on, on};
        loses_[kLoseRoyalty] = {on, on};
        SetWin(kWinConquest, wins_[kWinConquest].Checked);
        SetLose(kLoseConquest, loses_[kLoseConquest].Checked);
        // The description follows as long as the author kept the default text.
        if (on && Description == kConquestText)
            Description = kRescueText;
        else if (!on && Description == kRescueText)
            Description = kConquestText;
    }
    UpdateUnitBoxes();
}

void ScenarioEditorModel::SetAllUnits(bool on) {
    for (int i = 0; i < kUnitKinds; ++i)
        SetUnit(i, on);
}

void ScenarioEditorModel::UpdateUnitBoxes() {
    // A fighting unit needs both its class and its armour: with no class ticked the armours mean
    // nothing, and a class with no armour allows no unit, so the author ticks an armour first.
    bool anyClass = false;
    bool anyArmour = false;
    for (int k = 0; k < 3; ++k) {
        anyClass = anyClass || units_[Index(kFirstClass + k)].Checked;
        anyArmour = anyArmour || units_[Index(kFirstArmour + k)].Checked;
    }
    const bool classes = !anyClass || anyArmour;
    const bool armours = anyClass;
    for (int k = 0; k < 3; ++k) {
        units_[Index(kFirstClass + k)].Enabled = classes;
        units_[Index(kFirstArmour + k)].Enabled = armours;
    }
    // The royal conditions can be chosen only while there are Kings and Queens.
    wins_[kWinRoyalty].Enabled = units_[kRoyaltyKind].Checked;
    loses_[kLoseRoyalty].Enabled = units_[kRoyaltyKind].Checked;
}

int16_t ScenarioEditorModel::UnitsAllowed() const {
    int mask = 0;
    for (int i = 0; i < kUnitKinds; ++i) {
        if (units_[Index(i)].Checked)
            mask |= 1 << i;
    }
    return static_cast<int16_t>(mask);
}

bool ScenarioEditorModel::FormationOffers(int type, std::string_view name, int price) const {
    return price >= 0 && name != "Nothing" && UnitAllowed(type, UnitsAllowed());
}

// ---- Extra options ----------------------------------------------------------------------------

void ScenarioEditorModel::SetExtraTicked(int i, bool on) {
    Extra& extra = extras_[Index(i)];
    extra.Ticked = on;
    if (!on)
        extra.Type = -1;
}

void ScenarioEditorModel::SetExtraType(int i, int type) {
    Extra& extra = extras_[Index(i)];
    extra.Type = type;
    // A pure toggle has no amount; a toggle of one of several things starts at the first.
    const bool pureToggle = type == 7 || type == 8 || type == 9 || type == 12;
    // Assigned as a character: GCC 12 warns wrongly about a one-letter string here.
    if (pureToggle || !AmountChoices(type).empty())
        extra.Amount.assign(1, '0');
}

std::vector<std::string> ScenarioEditorModel::AmountChoices(int type) {
    switch (type) {
    case 6:
        return {MAROVANE_TEXT("Editor", "Peasant"),     MAROVANE_TEXT("Editor", "Priest"),
                MAROVANE_TEXT("Editor", "Catapult"),    MAROVANE_TEXT("Editor", "Cavalry"),
                MAROVANE_TEXT("Editor", "Infantry"),    MAROVANE_TEXT("Editor", "Archer"),
                MAROVANE_TEXT("Editor", "Light Armor"), MAROVANE_TEXT("Editor", "Medium Armor"),
                MAROVANE_TEXT("Editor", "Heavy Armor"), MAROVANE_TEXT("Editor", "Royalty")};
    case 10:
        return {MAROVANE_TEXT("Editor", "Conquest"), MAROVANE_TEXT("Editor", "Royalty")};
    case 11:
        return {MAROVANE_TEXT("Editor", "Conquest"), MAROVANE_TEXT("Editor", "Royalty"),
                MAROVANE_TEXT("Editor", "Keep")};
    default:
        return {};
    }
}

int ScenarioEditorModel::AmountChoice(int i) const {
    const Extra& extra = extras_[Index(i)];
    const auto choices = AmountChoices(extra.Type);
    int value = 0;
    try {
        value = LeadingNumber(extra.Amount, "");
    } catch (const Error&) {
        return -1;
    }
    return value >= 0 && value < static_cast<int>(choices.size()) ? value : -1;
}

void ScenarioEditorModel::ChooseAmount(int i, int entry) {
    extras_[Index(i)].Amount = std::to_string(entry);
}

// ---- Formation and placements -----------------------------------------------------------------

int ScenarioEditorModel::Formation(int x, int y) const {
    return formation_[Index(x - 1)][Index(y - 1)];
}

void ScenarioEditorModel::SetFormation(int x, int y, int value) {
    formation_[Index(x - 1)][Index(y - 1)] = value;
}

bool ScenarioEditorModel::AdvancedNeedsEditor() const {
    return Trim(placement_).empty();
}

void ScenarioEditorModel::PlacementEdited(const std::string& result) {
    std::string field(GameDef::kPlacementSize, ' ');
    SetText(field, result);
    if (field == placement_)
        return;
    placement_ = field;
    Advanced = !Trim(result).empty();
}

// ---- The record ---------------------------------------------------------------------------------

void ScenarioEditorModel::Load(const GameDef& def, const std::string& title) {
    *this = ScenarioEditorModel();
    title_ = title;
    existing_ = true;
    loadedOptions_ = def.Options;
    Width = std::clamp<int>(def.Width, kMinBoardSide, kMaxBoardSide);
    Height = std::clamp<int>(def.Height, kMinBoardSide, kMaxBoardSide);
    PartySize = std::clamp<int>(def.PartySize, kMinParty, kMaxParty);
    Treasury = std::to_string(def.Treasury);
    const int16_t options = def.Options;
    const int16_t limits = def.PlayerLimits;
    for (int i = 0; i < 4; ++i) {
        totals_[Index(i)].Checked = Bit(limits, i);
        humans_[Index(i)].Checked = Bit(def.PlayerKinds, i);
        computers_[Index(i)].Checked = Bit(def.PlayerKinds, 4 + i);
    }
    for (int i = 0; i < 5; ++i)
        teams_[Index(i)].Checked = !Bit(limits, 4 + i);
    for (int i = 0; i < kUnitKinds; ++i)
        units_[Index(i)].Checked = Bit(def.UnitsAllowed, i);
    wins_[kWinConquest].Checked = Bit(options, option_bit::WinConquest);
    wins_[kWinRoyalty].Checked = Bit(options, option_bit::WinRoyalty);
    loses_[kLoseConquest].Checked = Bit(options, option_bit::LoseConquest);
    loses_[kLoseRoyalty].Checked = Bit(options, option_bit::LoseRoyalty);
    loses_[kLoseKeep].Checked = Bit(options, option_bit::LoseKeep);
    if (!units_[kRoyaltyKind].Checked) {
        wins_[kWinRoyalty].Checked = false;
        loses_[kLoseRoyalty].Checked = false;
    }
    // A hidden reward box keeps the default, ready for when Royalty is ticked.
    if (units_[kRoyaltyKind].Checked || def.Reward != 0)
        Reward = std::to_string(def.Reward);
    Fog = Bit(options, option_bit::Fog);
    Castle = Bit(options, option_bit::Castle);
    Keep = !Bit(options, option_bit::NoKeep);
    Advanced = Bit(options, option_bit::Advanced);
    for (int i = 0; i < 2; ++i) {
        Extra& extra = extras_[Index(i)];
        extra.Type = def.OptionType[Index(i)];
        extra.Ticked = extra.Type >= 0;
        extra.Text = FieldText(def.OptionText[Index(i)]);
        extra.Amount = std::to_string(def.OptionAmount[Index(i)]);
    }
    Description = FieldText(def.Description);
    for (size_t x = 0; x < 4; ++x)
        for (size_t y = 0; y < 4; ++y)
            formation_[x][y] = def.StartPos[x][y];
    placement_ = def.Placement;
    placement_.resize(GameDef::kPlacementSize, ' ');
    // A record that never had a board string holds NULs there: that is no string either.
    if (placement_[0] == '\0')
        placement_.assign(GameDef::kPlacementSize, ' ');
    // A record may hold combinations the boxes never make: the same rules bring them in line.
    SetTotal(0, totals_[0].Checked);
    SetWin(kWinConquest, wins_[kWinConquest].Checked);
    SetLose(kLoseConquest, loses_[kLoseConquest].Checked);
    UpdateUnitBoxes();
}

int16_t ScenarioEditorModel::OptionsWord() const {
    int options = 0;
    auto set = [&](int bit, bool on) {
        if (on)
            options |= 1 << bit;
    };
    // A condition counts only while its box can be chosen.
    auto counts = [](const EditorBox& box) { return box.Checked && box.Enabled; };
    set(option_bit::WinConquest, counts(wins_[kWinConquest]));
    set(option_bit::WinRoyalty, counts(wins_[kWinRoyalty]));
    set(option_bit::LoseConquest, counts(loses_[kLoseConquest]));
    set(option_bit::LoseRoyalty, counts(loses_[kLoseRoyalty]));
    set(option_bit::LoseKeep, counts(loses_[kLoseKeep]));
    set(option_bit::Fog, Fog);
    set(option_bit::Castle, Castle);
    set(option_bit::Royalty, units_[kRoyaltyKind].Checked);
    set(option_bit::NoKeep, !Keep);
    set(option_bit::Advanced, Advanced);
    return static_cast<int16_t>(options);
}

GameDef ScenarioEditorModel::BoardDef() const {
    GameDef def;
    def.Width = static_cast<int16_t>(Width);
    def.Height = static_cast<int16_t>(Height);
    def.PartySize = static_cast<int16_t>(PartySize);
    def.Options = OptionsWord();
    def.UnitsAllowed = UnitsAllowed();
    for (size_t x = 0; x < 4; ++x)
        for (size_t y = 0; y < 4; ++y)
            def.StartPos[x][y] = static_cast<int16_t>(formation_[x][y]);
    return def;
}

GameDef ScenarioEditorModel::ToDef() const {
    GameDef def = BoardDef();
    def.Treasury = LeadingNumber(Treasury, Tx("Editor", "The treasury"));
    def.Reward = RewardShown() ? LeadingNumber(Reward, Tx("Editor", "The reward")) : int16_t{0};
    int limits = 0;
    int kinds = 0;
    for (int i = 0; i < 4; ++i) {
        limits |= totals_[Index(i)].Checked << i;
        kinds |= humans_[Index(i)].Checked << i;
        kinds |= computers_[Index(i)].Checked << (4 + i);
    }
    for (int i = 0; i < 5; ++i)
        limits |= !teams_[Index(i)].Checked << (4 + i);
    def.PlayerLimits = static_cast<int16_t>(limits);
    def.PlayerKinds = static_cast<int16_t>(kinds);
    for (size_t i = 0; i < 2; ++i) {
        const Extra& extra = extras_[i];
        SetText(def.OptionText[i], extra.Text);
        def.OptionType[i] = static_cast<int16_t>(extra.Ticked ? extra.Type : -1);
        def.OptionAmount[i] =
            LeadingNumber(extra.Amount, Tx("Editor", "The amount of extra option %1").Arg(i + 1));
    }
    SetText(def.Description, Description);
    def.Placement = placement_;
    return def;
}

} // namespace marovane
