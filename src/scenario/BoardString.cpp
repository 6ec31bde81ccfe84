#include "scenario/BoardString.h"

#include "scenario/PlayerCorner.h"
#include "scenario/UnitTypes.h"

namespace marovane::board_string {

namespace {

constexpr int kUnchangedBit = 32;
constexpr int kEmptiedBit = 16;
// A placed unit's cell holds its owner less one in bits 6 and 7 and its type in bits 0 to 3.
constexpr int kOwnerStep = 64;
constexpr int kTypeBits = 0x0F;

int Code(char c) {
    return static_cast<unsigned char>(c);
}

// A string of blanks holds no placements. Only blanks count: a NUL is a cell that puts a peasant
// of player 1 there, and a blank is the header of an 8-wide or 4-high board.
bool Blank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// Calls visit(x, y, code) for every cell character that changes something.
template <typename Visit> void ForEachChange(std::string_view text, Visit visit) {
    if (Blank(text) || text.size() < 2)
        return;
    int width = 0;
    int height = 0;
    ReadHeader(text, width, height);
    const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (cells < 1)
        return;
    for (size_t k = 0; k < cells && k + 2 < text.size(); ++k) {
        int c = Code(text[k + 2]);
        if (c & kUnchangedBit)
            continue;
        visit(static_cast<int>(k % width) + 1, static_cast<int>(k / width) + 1, c);
    }
}

} // namespace

char EncodeCell(int picture) {
    if (picture < 0)
        return kEmptied;
    return static_cast<char>((PictureOwner(picture) - 1) * kOwnerStep + PictureType(picture));
}

std::string Encode(int width, int height, const std::function<int(int, int)>& picture,
                   const std::function<int(int, int)>& base) {
    std::string text;
    text += static_cast<char>(width * 4);
    text += static_cast<char>(height * 8);
    for (int y = 1; y <= height; ++y) {
        for (int x = 1; x <= width; ++x) {
            int shown = picture(x, y);
            text += shown == base(x, y) ? kUnchanged : EncodeCell(shown);
        }
    }
    return text;
}

void ReadHeader(std::string_view text, int& width, int& height) {
    width = 0;
    height = 0;
    if (Blank(text) || text.size() < 2)
        return;
    width = Code(text[0]) / 4;
    height = Code(text[1]) / 8;
}

void Execute(std::string_view text, const std::function<void(const Placement&)>& place) {
    int width = 0;
    int height = 0;
    ReadHeader(text, width, height);
    ForEachChange(text, [&](int x, int y, int c) {
        if (c & kEmptiedBit) {
            place(Placement{x, y, -1, 1});
            return;
        }
        const int player = ((c / kOwnerStep) & 3) + 1;
        // Into the owner's own frame on the stored board.
        const Cell own = ToPlayerCorner(Cell{x, y}, player, width, height);
        place(Placement{own.X, own.Y, c & kTypeBits, player});
    });
}

std::string Problem(std::string_view text) {
    std::string problem;
    ForEachChange(text, [&](int x, int y, int c) {
        if (problem.empty() && !(c & kEmptiedBit) && !ValidUnitType(c & kTypeBits)) {
            problem = "the advanced placement at cell (" + std::to_string(x) + ", " +
                      std::to_string(y) + ") names unit type " + std::to_string(c & kTypeBits) +
                      ", outside 0.." + std::to_string(kUnitTypes - 1);
        }
    });
    return problem;
}

} // namespace marovane::board_string
