#pragma once

#include "scenario/GameDef.h"
#include "util/Text.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace marovane {

// A check box of the scenario editor: whether it is ticked and whether the author may change it.
struct EditorBox {
    bool Checked = false;
    bool Enabled = true;
    bool operator==(const EditorBox&) const = default;
};

// The scenario editor without its window: one box per rule of the scenario, the rules that keep
// the boxes consistent with one another, and the conversion to and from the scenario record. The
// editor's window shows this state and forwards the author's clicks.
class ScenarioEditorModel {
public:
    static constexpr int kMinBoardSide = 8;
    static constexpr int kMaxBoardSide = 30;
    static constexpr int kMinParty = 1;
    static constexpr int kMaxParty = 20;
    // Win condition boxes: Conquest, Royalty. Lose condition boxes: Conquest, Royalty, Keep.
    static constexpr int kWinConquest = 0, kWinRoyalty = 1;
    static constexpr int kLoseConquest = 0, kLoseRoyalty = 1, kLoseKeep = 2;
    static constexpr int kUnitKinds = 10;
    static constexpr const char* kRescueText =
        "Rescue your King and Queen and return them to safety, while preventing your opponents "
        "from doing the same. Losing both King and Queen will mean certain defeat, while "
        "rescuing both will guarantee victory.";
    static constexpr const char* kConquestText = "Defeat your enemies before they can destroy you.";
    static constexpr const char* kBaseTitle = "Custom Game";

    // One of the two extra options a scenario offers in the new-game dialog.
    struct Extra {
        bool Ticked = false;
        std::string Text = "Reserved";
        // The effect code 0..12, or -1 for none.
        int Type = -1;
        // The amount as typed: the stored value is its leading number.
        std::string Amount = "0";
        bool operator==(const Extra&) const = default;
    };

    // A new scenario with every rule at its default.
    ScenarioEditorModel();

    // Takes every box from a scenario read from its file, titled by its name. The title cannot be
    // changed afterwards (Rename does that).
    void Load(const GameDef& def, const std::string& title);
    // The record the boxes describe, as Save and Close writes it. Throws marovane::Error when a
    // number typed into the treasury, reward or an extra option's amount leaves the 16-bit range.
    GameDef ToDef() const;
    // The part of the record that lays out the board (size, options, units, formation), for the
    // placement editor; never refuses.
    GameDef BoardDef() const;

    // ---- Title --------------------------------------------------------------------------------
    const std::string& Title() const { return title_; }
    bool TitleEditable() const { return !existing_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    // After Rename: the scenario's file now has this name.
    void Renamed(std::string title) { title_ = std::move(title); }
    // The title of a new scenario: "Custom Game", else "Custom Game N" for the first N that is
    // not taken; past 32766 the base gets a "~" in front and N starts again at 1.
    static std::string FreeTitle(const std::function<bool(const std::string&)>& taken);
    // Why Save and Close cannot write this scenario, or empty when it can. A new scenario's title
    // must pass the rule for names and must not be taken by another scenario; an extra option
    // that is ticked needs a type. A scenario read from a file is saved again under the name it
    // has, whatever that name is.
    marovane::Text SaveProblem(const std::function<bool(const std::string&)>& taken) const;
    // The name the scenario is saved under: the checked title of a new scenario, the file's name
    // of an existing one.
    std::string SaveName() const;
    // Save and Close is offered only while there is a title.
    bool CanSave() const;
    // The scenario came from a file: Delete and Rename apply to it.
    bool Existing() const { return existing_; }
    bool ShowsDelete() const;
    bool ShowsRename() const;
    bool BuiltIn() const;

    // ---- Sizes and money ------------------------------------------------------------------------
    int Width = 10;
    int Height = 10;
    int PartySize = 6;
    std::string Treasury = "1500";
    std::string Reward = "500";
    // The reward box is there only while Royalty units are allowed; "None" stands in its place.
    bool RewardShown() const { return units_[9].Checked; }

    // ---- Players --------------------------------------------------------------------------------
    // Total Players 1..4 (index 0..3).
    const EditorBox& Total(int i) const { return totals_[Index(i)]; }
    void SetTotal(int i, bool on);
    // Team arrangements 0..4: Free for All, Human / CPU, Left / Right, Top / Bottom, Diagonals.
    const EditorBox& Teams(int i) const { return teams_[Index(i)]; }
    void SetTeams(int i, bool on) { teams_[Index(i)].Checked = on; }
    const EditorBox& Human(int p) const { return humans_[Index(p)]; }
    void SetHuman(int p, bool on) { humans_[Index(p)].Checked = on; }
    const EditorBox& Computer(int p) const { return computers_[Index(p)]; }
    void SetComputer(int p, bool on) { computers_[Index(p)].Checked = on; }
    // The largest ticked total: the number of players the placement editor shows.
    int LargestTotal() const;

    // ---- Winning, losing and the board ----------------------------------------------------------
    const EditorBox& Win(int i) const { return wins_[Index(i)]; }
    void SetWin(int i, bool on);
    const EditorBox& Lose(int i) const { return loses_[Index(i)]; }
    void SetLose(int i, bool on);
    bool Fog = true;
    bool Castle = true;
    bool Keep = true;

    // ---- Units ----------------------------------------------------------------------------------
    // Peasant, Priest, Catapult, Cavalry, Infantry, Archer, Light, Medium, Heavy Armor, Royalty.
    const EditorBox& Unit(int i) const { return units_[Index(i)]; }
    void SetUnit(int i, bool on);
    // "&None" and "&All".
    void SetAllUnits(bool on);
    // The UnitsAllowed word of the ticked kinds.
    int16_t UnitsAllowed() const;
    // Whether the formation's unit pop-up offers a unit type: it can be bought (a price that is not
    // negative), it has a name other than "Nothing", and the ticked kinds allow it.
    bool FormationOffers(int type, std::string_view name, int price) const;

    // ---- Extra options --------------------------------------------------------------------------
    const Extra& ExtraOption(int i) const { return extras_[Index(i)]; }
    void SetExtraTicked(int i, bool on);
    void SetExtraText(int i, std::string text) { extras_[Index(i)].Text = std::move(text); }
    void SetExtraType(int i, int type);
    void SetExtraAmount(int i, std::string amount) { extras_[Index(i)].Amount = std::move(amount); }
    // The captions an option type chooses its amount from (unit kinds, win or lose conditions); the
    // amount is the index of the chosen entry. Empty for types with a typed amount. In English;
    // the editor shows them through the catalogue, context "Editor".
    static std::vector<std::string> AmountChoices(int type);
    // The entry of AmountChoices that the typed amount names, or -1.
    int AmountChoice(int i) const;
    void ChooseAmount(int i, int entry);

    // ---- Description, formation, advanced placements
    // ---------------------------------------------
    std::string Description = kRescueText;
    // StartPos(x, y) of the record: 0 empty, k a unit of type k - 1; x, y 1..4.
    int Formation(int x, int y) const;
    void SetFormation(int x, int y, int value);
    // Advanced placements in use, and their board string (always the full field, padded).
    bool Advanced = false;
    const std::string& Placement() const { return placement_; }
    // Ticking the Advanced box opens the placement editor at once when there is nothing to edit.
    bool AdvancedNeedsEditor() const;
    // The placement editor closed with this string: a changed string is kept, and Advanced
    // follows whether it holds anything.
    void PlacementEdited(const std::string& result);

private:
    static size_t Index(int i) { return static_cast<size_t>(i); }
    void UpdatePlayerBoxes();
    void UpdateUnitBoxes();
    int16_t OptionsWord() const;

    std::string title_;
    bool existing_ = false;
    int16_t loadedOptions_ = 0;
    std::array<EditorBox, 4> totals_{};
    std::array<EditorBox, 5> teams_{};
    std::array<EditorBox, 4> humans_{};
    std::array<EditorBox, 4> computers_{};
    std::array<EditorBox, 2> wins_{};
    std::array<EditorBox, 3> loses_{};
    std::array<EditorBox, kUnitKinds> units_{};
    std::array<Extra, 2> extras_{};
    std::array<std::array<int, 4>, 4> formation_{};
    std::string placement_;
};

// The leading whole number of a typed text (blanks before it skipped, an optional sign), 0 when it
// starts with none; as a 16-bit value, or marovane::Error naming `what` when it does not fit.
int16_t LeadingNumber(std::string_view text, const Text& what);
int16_t LeadingNumber(std::string_view text, const std::string& what);

} // namespace marovane
