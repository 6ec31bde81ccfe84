#include "scenario/SetupModel.h"

#include "scenario/Options.h"

#include <algorithm>

namespace marovane {

SlotKind SetupModel::SelectedKind(int slot) const {
    const Slot& s = slots_[Index(slot)];
    if (s.Selected < 0 || s.Selected >= static_cast<int>(s.Choices.size()))
        return SlotKind::None;
    return s.Choices[static_cast<size_t>(s.Selected)];
}

void SetupModel::SetDefinition(const GameDef& def) {
    limits_ = static_cast<uint16_t>(def.PlayerLimits) & 0x0F;
    const int kinds = static_cast<uint16_t>(def.PlayerKinds);
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = slots_[Index(i)];
        const bool hadChoice = slot.Choices.size() >= 2 && slot.Selected >= 0;
        const int oldIndex = slot.Selected;
        slot.Choices.clear();
        if ((kinds >> i) & 1) {
            slot.Choices.push_back(SlotKind::Human);
            // A human may also play from another machine, except in the tutorial.
            if (!OptionSet(option_bit::Tutorial, def.Options))
                slot.Choices.push_back(SlotKind::Remote);
        }
        if ((kinds >> (4 + i)) & 1)
            slot.Choices.push_back(SlotKind::Computer);
        if (slot.Choices.empty())
            slot.Choices.push_back(SlotKind::Immobile);
        // A slot may stay empty when the scenario allows fewer players than its number.
        const bool smallerTotal = (limits_ & ((1 << i) - 1)) != 0;
        if (smallerTotal) {
            slot.Choices.push_back(SlotKind::None);
            slot.Selected = static_cast<int>(slot.Choices.size()) - 1;
        } else {
            slot.Selected = 0;
        }
        if (slot.Choices.size() >= 2 && hadChoice)
            slot.Selected = oldIndex % static_cast<int>(slot.Choices.size());
        // Playing over the network is the player's own choice in each dialog: a kept choice
        // never opens the game to other machines by itself.
        if (slot.Choices[static_cast<size_t>(slot.Selected)] == SlotKind::Remote)
            slot.Selected = 0;
    }
    visibleSlots_ = 0;
    for (int total = 4; total >= 1; --total) {
        if (TotalAllowed(total)) {
            visibleSlots_ = total;
            break;
        }
    }
    playerCount_ = CountPlayers();
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
                    SetSelected(i, 0);
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
                    const auto& choices = Choices(i);
                    auto none = std::find(choices.begin(), choices.end(), SlotKind::None);
                    if (none != choices.end())
                        SetSelected(i, static_cast<int>(none - choices.begin()));
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
        const auto& choices = Choices(i);
        auto found = std::find(choices.begin(), choices.end(), kind);
        if (found != choices.end() && Enabled(i))
            Choose(i, static_cast<int>(found - choices.begin()));
    }
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

std::string SetupModel::BeginProblem() const {
    const int stranded = StrandedSlot();
    if (stranded < 0)
        return {};
    return "You must select consecutive players.  Player " + std::to_string(stranded + 1) +
           " cannot be '" + Caption(SelectedKind(stranded)) + ".'";
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
        const auto& choices = Choices(i);
        const auto found = std::find(choices.begin(), choices.end(), kind);
        if (found == choices.end()) {
            std::vector<std::string> offered;
            for (SlotKind choice : choices)
                offered.push_back(Caption(choice));
            return "Player " + std::to_string(i + 1) + " cannot be '" + Caption(kind) +
                   "' in this scenario; the slot offers " + OneOf(offered) + ".";
        }
        chosen.SetSelected(i, static_cast<int>(found - choices.begin()));
    }
    return chosen.BeginProblem();
}

std::string SetupModel::Caption(SlotKind kind) {
    switch (kind) {
    case SlotKind::Human:
        return "Human";
    case SlotKind::Computer:
        return "Computer";
    case SlotKind::Immobile:
        return "Immobile";
    case SlotKind::Remote:
        return "Remote";
    case SlotKind::None:
        break;
    }
    return "None";
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
        const auto& offered = Choices(static_cast<int>(i));
        if (std::find(offered.begin(), offered.end(), wanted) != offered.end())
            kinds[i] = wanted;
    }
    return kinds;
}

} // namespace marovane
