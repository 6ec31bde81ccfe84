#include "engine/PlacementModel.h"

#include "engine/StandardLayout.h"
#include "engine/UnitSpecs.h"
#include "scenario/BoardString.h"
#include "scenario/Options.h"
#include "util/Latin1.h"

#include <algorithm>

namespace marovane {

namespace {

// The largest board a board string can describe: 900 cells after its two header characters.
constexpr int kLargestSide = 30;

} // namespace

void PlacementModel::Open(const GameDef& def, int players, std::string_view placements) {
    InitBoard(def, players);
    handedIn_ = std::string(placements);
    ExecBoardString(placements);
    history_.clear();
}

void PlacementModel::InitBoard(const GameDef& def, int players) {
    def_ = def;
    width_ = std::clamp<int>(def.Width, 1, kLargestSide);
    height_ = std::clamp<int>(def.Height, 1, kLargestSide);
    players_ = std::clamp(players, 1, 4);
    const size_t cells = static_cast<size_t>(width_) * static_cast<size_t>(height_);
    base_.assign(cells, -1);
    // The same layout a new game of this scenario starts with.
    for (const LaidPiece& piece : StandardLayout(def_, width_, height_, players_))
        base_[Index(piece.At.X, piece.At.Y)] = (piece.Player - 1) * kUnitTypes + piece.Type;
    cells_ = base_;
    current_.clear();
}

void PlacementModel::ExecBoardString(std::string_view text) {
    current_ = std::string(text);
    board_string::Execute(text, [this](const board_string::Placement& entry) {
        SetUnit(entry.X, entry.Y, entry.Type, entry.Player);
    });
    int width = 0;
    int height = 0;
    board_string::ReadHeader(text, width, height);
    if (width == width_ && height == height_) {
        // Every cell has its character, so each can be edited in place.
        const size_t needed = 2 + static_cast<size_t>(width_) * static_cast<size_t>(height_);
        if (current_.size() < needed)
            current_.resize(needed, board_string::kUnchanged);
        return;
    }
    // Made for another board (or blank): say the same for this one.
    current_ = board_string::Encode(
        width_, height_, [this](int x, int y) { return PicNum(x, y); },
        [this](int x, int y) { return Base(x, y); });
}

void PlacementModel::SetUnit(int x, int y, int type, int player) {
    if (type > unit_type::Wall || player < 1 || player > 4)
        return;
    const Cell at = ToPlayerCorner(Cell{x, y}, player, width_, height_);
    if (!OnBoard(at.X, at.Y))
        return;
    cells_[Index(at.X, at.Y)] = type < 0 ? -1 : (player - 1) * kUnitTypes + type;
}

bool PlacementModel::HasOnBoard(int picture) const {
    return std::find(cells_.begin(), cells_.end(), picture) != cells_.end();
}

std::vector<PlacementModel::PopupEntry> PlacementModel::Popup(int x, int y, int player) const {
    std::vector<PopupEntry> entries(kPopupEntries);
    const int shown = PicNum(x, y);
    entries[0] = {true, shown == -1};
    const bool royalty = OptionSet(option_bit::Royalty, def_.Options);
    for (int t = 0; t < kUnitTypes; ++t) {
        const int picture = (player - 1) * kUnitTypes + t;
        bool offered = false;
        if (t == unit_type::Wall)
            offered = true;
        else if (t == unit_type::King || t == unit_type::Queen)
            offered = royalty && !HasOnBoard(picture); // one of each per player
        else
            offered = UnitAllowed(t, def_.UnitsAllowed);
        entries[static_cast<size_t>(t + 1)] = {offered, shown == picture};
    }
    return entries;
}

void PlacementModel::Choose(int x, int y, int player, int entry) {
    if (!OnBoard(x, y) || entry < 0 || entry >= kPopupEntries)
        return;
    history_.push_back(current_);
    SetCell(x, y, entry == 0 ? -1 : (player - 1) * kUnitTypes + entry - 1);
}

void PlacementModel::SetCell(int x, int y, int picture) {
    cells_[Index(x, y)] = picture;
    const size_t at = Index(x, y) + 2;
    if (current_.size() <= at)
        current_.resize(at + 1, board_string::kUnchanged);
    current_[at] =
        picture == Base(x, y) ? board_string::kUnchanged : board_string::EncodeCell(picture);
}

bool PlacementModel::Paint(int x, int y, int player, int entry) {
    if (!OnBoard(x, y) || entry < 0 || entry >= kPopupEntries || player < 1 || player > players_)
        return false;
    const int picture = entry == 0 ? -1 : (player - 1) * kUnitTypes + entry - 1;
    if (PicNum(x, y) == picture || !Popup(x, y, player)[static_cast<size_t>(entry)].Offered)
        return false;
    if (!strokeStarted_) {
        history_.push_back(current_);
        strokeStarted_ = true;
    }
    SetCell(x, y, picture);
    return true;
}

void PlacementModel::MirrorFirstPlayer() {
    history_.push_back(current_);
    const std::vector<int> before = cells_;
    const auto firstPlayers = [](int picture) { return picture >= 0 && picture < kUnitTypes; };
    for (int p = 2; p <= players_; ++p) {
        const int first = (p - 1) * kUnitTypes;
        for (int& cell : cells_) {
            if (cell >= first && cell < first + kUnitTypes)
                cell = -1;
        }
        for (int x = 1; x <= width_; ++x) {
            for (int y = 1; y <= height_; ++y) {
                const int picture = before[Index(x, y)];
                if (!firstPlayers(picture))
                    continue;
                const Cell to = ToPlayerCorner(Cell{x, y}, p, width_, height_);
                if (!firstPlayers(before[Index(to.X, to.Y)]))
                    cells_[Index(to.X, to.Y)] = first + picture;
            }
        }
    }
    current_ = board_string::Encode(
        width_, height_, [this](int x, int y) { return PicNum(x, y); },
        [this](int x, int y) { return Base(x, y); });
}

void PlacementModel::RestoreBase() {
    cells_ = base_;
}

void PlacementModel::Rebuild(std::string_view text) {
    RestoreBase();
    ExecBoardString(text);
}

void PlacementModel::Clear() {
    history_.push_back(current_);
    Rebuild("");
}

bool PlacementModel::CanReset() const {
    return !Trim(handedIn_).empty();
}

void PlacementModel::Reset() {
    history_.push_back(current_);
    Rebuild(handedIn_);
}

void PlacementModel::Undo() {
    if (history_.empty())
        return;
    const std::string previous = std::move(history_.back());
    history_.pop_back();
    Rebuild(previous);
}

} // namespace marovane
