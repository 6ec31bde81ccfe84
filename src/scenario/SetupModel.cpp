#include "scenario/SetupModel.h"

#include "scenario/Options.h"
#include "util/Latin1.h"
#include "util/Text.h"

#include <algorithm>
#include <utility>

namespace marovane {

SlotKind SetupModel::SelectedKind(int slot) const {
    const Slot& s = slots_[Index(slot)];
    if (s.Selected < 0 || s.Selected >= static_cast<int>(s.Choices.size()))
        return SlotKind::None;
    return s.Choices[static_cast<size_t>(s.Selected)];
}

void SetupModel::SetDefinition(const GameDef& def) {
    const std::array<SlotKind, kSlots> before = ShownKinds();
    def_ = def;
    limits_ = static_cast<uint16_t>(def.PlayerLimits) & 0x0F;
    const int kinds = static_cast<uint16_t>(def.PlayerKinds);
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slots_[Index(i)];
        slot.Choices.clear();
        if ((kinds >> i) & 1) {
            slot.Choices.push_back(SlotKind::Human);
            // A human may also play from another machine, except in the tutorial.
            if (!Tutorial())
                slot.Choices.push_back(SlotKind::Remote);
        }
        if ((kinds >> (4 + i)) & 1)
            slot.Choices.push_back(SlotKind::Computer);
        if (slot.Choices.empty())
            slot.Choices.push_back(SlotKind::Immobile);
        // A slot may stay empty when the scenario allows fewer players than its number.
        if ((limits_ & ((1 << i) - 1)) != 0)
            slot.Choices.push_back(SlotKind::None);
    }
    visibleSlots_ = 0;
    for (int total = 4; total >= 1; --total) {
        if (TotalAllowed(total)) {
            visibleSlots_ = total;
            break;
        }
    }
    SetDefaults();
    if (ownLineup_ && HasScenario()) {
        // Each slot keeps the type the player gave it where the scenario offers it. Playing over
        // the network stays the player's own choice in each dialog: a kept line-up never opens
        // the game to other machines by itself.
        for (int i = 0; i < visibleSlots_; ++i) {
            const int kept = Find(i, before[Index(i)]);
            if (before[Index(i)] != SlotKind::Remote && kept >= 0)
                SetSelected(i, kept);
        }
        // A line-up the scenario cannot begin with gives way to the scenario's own.
        if (!TotalAllowed(CountPlayers()) || StrandedSlot() >= 0) {
            SetDefaults();
            ownLineup_ = false;
        }
    }
    playerCount_ = CountPlayers();
}

int SetupModel::Find(int slot, SlotKind kind) const {
    const auto& choices = Choices(slot);
    const auto found = std::find(choices.begin(), choices.end(), kind);
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

int SetupModel::DefaultChoice(int slot) const {
    // Player 1 sits at this machine and the computer plays the others, so that a newcomer who
    // just presses Begin gets a game against the computer.
    const int wanted = Find(slot, slot == 0 ? SlotKind::Human : SlotKind::Computer);
    return wanted >= 0 ? wanted : 0;
}

void SetupModel::SetDefaults() {
    for (int i = 0; i < kSlots; ++i) {
        const int none = Find(i, SlotKind::None);
        SetSelected(i, none >= 0 ? none : DefaultChoice(i));
    }
}

std::array<SlotKind, SetupModel::kSlots> SetupModel::ShownKinds() const {
    std::array<SlotKind, kSlots> kinds{SlotKind::None, SlotKind::None, SlotKind::None,
                                       SlotKind::None};
    for (int i = 0; i < kSlots; ++i) {
        if (Shown(i))
            kinds[Index(i)] = SelectedKind(i);
    }
    return kinds;
}

int SetupModel::CountPlayers() const {
    int count = 0;
    for (int i = 0; i < visibleSlots_; ++i)
        count += SelectedKind(i) != SlotKind::None;
    return count;
}

void SetupModel::SetSelected(int slot, int index) {
    slots_[Index(slot)].Selected = index;
}

void SetupModel::Choose(int slot, int index) {
    if (slot < 0 || slot >= kSlots || index < 0 || index >= static_cast<int>(Choices(slot).size()))
        return;
    SetSelected(slot, index);
    ownLineup_ = true;
    const int count = CountPlayers();
    int total = count;
    if (count > playerCount_) {
        // Players were added: fill empty slots up to the next total the scenario allows.
        total = count;
        while (total <= 4 && !TotalAllowed(total))
            ++total;
        for (int missing = std::min(total, visibleSlots_) - count; missing > 0; --missing) {
            for (int i = 0; i < visibleSlots_; ++i) {
                if (SelectedKind(i) == SlotKind::None) {
                    SetSelected(i, DefaultChoice(i));
                    break;
                }
            }
        }
    } else if (count < playerCount_) {
        // Players were removed: empty the last slots down to the previous allowed total.
        total = count;
        while (total > 0 && !TotalAllowed(total))
            --total;
        for (int extra = count - total; extra > 0; --extra) {
            for (int i = visibleSlots_ - 1; i >= 0; --i) {
                if (SelectedKind(i) != SlotKind::None) {
                    if (const int none = Find(i, SlotKind::None); none >= 0)
                        SetSelected(i, none);
                    break;
                }
            }
        }
    }
    playerCount_ = CountPlayers();
}

void SetupModel::MakeAllLike(int slot) {
    const SlotKind kind = SelectedKind(slot);
    for (int i = 0; i < visibleSlots_; ++i) {
        if (const int found = Find(i, kind); found >= 0 && Enabled(i))
            Choose(i, found);
    }
}

bool SetupModel::DropRemoteSlots() {
    bool dropped = false;
    for (int i = 0; i < kSlots; ++i) {
        if (SelectedKind(i) != SlotKind::Remote)
            continue;
        const auto& choices = Choices(i);
        const auto other = std::find_if(choices.begin(), choices.end(),
                                        [](SlotKind k) { return k != SlotKind::Remote; });
        if (other != choices.end())
            Choose(i, static_cast<int>(other - choices.begin()));
        dropped = true;
    }
    return dropped;
}

int SetupModel::StrandedSlot() const {
    bool emptySeen = false;
    for (int i = 0; i < visibleSlots_; ++i) {
        if (SelectedKind(i) == SlotKind::None)
            emptySeen = true;
        else if (emptySeen)
            return i;
    }
    return -1;
}

Text SetupModel::BeginProblem() const {
    const int stranded = StrandedSlot();
    if (stranded < 0)
        return {};
    return Tx("Setup", "You must select consecutive players.  Player %1 cannot be '%2.'")
        .Arg(stranded + 1)
        .Arg(CaptionText(SelectedKind(stranded)));
}

namespace {

// "a", "a or b", "a, b or c".
std::string OneOf(const std::vector<std::string>& items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " or " : ", ";
        text += items[i];
    }
    return text;
}

} // namespace

std::string SetupModel::AllowedTotals() const {
    std::vector<std::string> totals;
    for (int total = 1; total <= kSlots; ++total) {
        if (TotalAllowed(total))
            totals.push_back(std::to_string(total));
    }
    return OneOf(totals);
}

std::string SetupModel::SlotsProblem(const std::vector<SlotKind>& kinds) const {
    if (visibleSlots_ == 0)
        return "This scenario allows no number of players.";
    const int named = static_cast<int>(kinds.size());
    if (named > visibleSlots_)
        return "This scenario has " + std::to_string(visibleSlots_) + " player slot" +
               (visibleSlots_ == 1 ? "" : "s") + ", not " + std::to_string(named) + ".";
    const int players = static_cast<int>(
        std::count_if(kinds.begin(), kinds.end(), [](SlotKind k) { return k != SlotKind::None; }));
    if (!TotalAllowed(players)) {
        const std::string totals = AllowedTotals();
        return "This scenario allows " + totals + " player" + (totals == "1" ? "" : "s") +
               ", not " + std::to_string(players) + ".";
    }
    SetupModel chosen = *this;
    for (int i = 0; i < visibleSlots_; ++i) {
        const SlotKind kind = i < named ? kinds[Index(i)] : SlotKind::None;
        const int found = Find(i, kind);
        if (found < 0) {
            std::vector<std::string> offered;
            for (SlotKind choice : Choices(i))
                offered.push_back(Caption(choice));
            return "Player " + std::to_string(i + 1) + " cannot be '" + Caption(kind) +
                   "' in this scenario; the slot offers " + OneOf(offered) + ".";
        }
        chosen.SetSelected(i, found);
    }
    return chosen.BeginProblem().English();
}

std::string SetupModel::Caption(SlotKind kind) {
    switch (kind) {
    case SlotKind::Human:
        return MAROVANE_TEXT("Setup", "Human");
    case SlotKind::Computer:
        return MAROVANE_TEXT("Setup", "Computer");
    case SlotKind::Immobile:
        return MAROVANE_TEXT("Setup", "Immobile");
    case SlotKind::Remote:
        return MAROVANE_TEXT("Setup", "Remote");
    case SlotKind::None:
        break;
    }
    return MAROVANE_TEXT("Setup", "None");
}

Text SetupModel::CaptionText(SlotKind kind) {
    return Tx("Setup", Caption(kind).c_str());
}

std::vector<SlotKind> SetupModel::Slots() const {
    std::vector<SlotKind> kinds;
    for (int i = 0; i < visibleSlots_; ++i) {
        const SlotKind kind = SelectedKind(i);
        if (kind == SlotKind::None)
            break;
        kinds.push_back(kind);
    }
    return kinds;
}

std::vector<SlotKind> SetupModel::AgainstComputer() const {
    std::vector<SlotKind> kinds = Slots();
    for (size_t i = 0; i < kinds.size(); ++i) {
        const SlotKind wanted = i == 0 ? SlotKind::Human : SlotKind::Computer;
        if (Find(static_cast<int>(i), wanted) >= 0)
            kinds[i] = wanted;
    }
    return kinds;
}

NewGameSetup SetupModel::Setup(std::array<bool, 2> ticked, int teamsMode,
                               const std::string& pictureSet) const {
    NewGameSetup setup;
    setup.Slots = Slots();
    for (int i = 0; i < 2; ++i)
        setup.OptionTicked[Index(i)] = OptionShown(i) && ticked[Index(i)];
    setup.TeamsMode = teamsMode;
    setup.PictureSet = pictureSet;
    return setup;
}

// ---- The details and the scenario's file ------------------------------------------------------

bool SetupModel::Tutorial() const {
    return OptionSet(option_bit::Tutorial, def_.Options);
}

bool SetupModel::BuiltIn() const {
    return HasScenario() && OptionSet(option_bit::BuiltIn, def_.Options);
}

bool SetupModel::AdvancedShown() const {
    return HasScenario() && OptionSet(option_bit::Advanced, def_.Options) && !Tutorial();
}

bool SetupModel::OptionShown(int i) const {
    return HasScenario() && def_.OptionType[Index(i)] >= 0;
}

Text SetupModel::OptionCaption(int i) const {
    // The text ends at its first NUL; the rest is padding.
    const std::string& field = def_.OptionText[Index(i)];
    const std::string_view text = Trim(std::string_view(field).substr(0, field.find('\0')));
    return text.empty() ? Tx("Setup", "Reserved") : Verbatim(std::string(text));
}

ScenarioCommands SetupModel::Commands(bool changeable) const {
    const bool fixed = Tutorial() || OptionSet(option_bit::BuiltIn, def_.Options);
    return {!Tutorial(), !fixed, !fixed && changeable, !fixed && changeable};
}

// ---- The unit picture set ---------------------------------------------------------------------

std::string SetupModel::PictureSetAfterChoice(const std::string& shown) {
    if (Tutorial()) {
        if (rememberedPictures_.empty())
            rememberedPictures_ = shown;
        return kTutorialPictures;
    }
    return std::exchange(rememberedPictures_, std::string());
}

} // namespace marovane
