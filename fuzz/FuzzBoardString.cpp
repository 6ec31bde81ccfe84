// The board string of a scenario: any bytes give a header, a problem or none, and a list of
// placements, without reading past the string. The cells a usable string changes, encoded again
// against the same base, change the same cells in the same way.

#include "FuzzCheck.h"
#include "scenario/BoardString.h"
#include "scenario/PlayerCorner.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace marovane;

namespace {

constexpr int kUnchanged = -2; // a cell the string leaves alone

// The board after the string ran on an untouched board: per cell kUnchanged, -1 (emptied) or
// the picture (player - 1) * 15 + type.
std::vector<int> Run(std::string_view text, int width, int height) {
    std::vector<int> cells(static_cast<size_t>(width) * static_cast<size_t>(height), kUnchanged);
    board_string::Execute(text, [&](const board_string::Placement& place) {
        Cell cell{place.X, place.Y};
        if (place.Type >= 0)
            cell = ToPlayerCorner(cell, place.Player, width, height);
        fuzz::Require(cell.X >= 1 && cell.X <= width && cell.Y >= 1 && cell.Y <= height,
                      "a placement lies on the stored board");
        fuzz::Require(place.Player >= 1 && place.Player <= 4 && place.Type >= -1 &&
                          place.Type <= 15,
                      "a placement names a player and a type");
        cells[static_cast<size_t>((cell.Y - 1) * width + (cell.X - 1))] =
            place.Type < 0 ? -1 : (place.Player - 1) * 15 + place.Type;
    });
    return cells;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    int width = 0;
    int height = 0;
    board_string::ReadHeader(text, width, height);
    fuzz::Require(width >= 0 && width <= 63 && height >= 0 && height <= 31,
                  "the header names a board the two bytes can hold");
    const std::vector<int> cells = Run(text, width, height);
    if (!board_string::Problem(text).empty() || width == 0 || height == 0)
        return 0;
    auto at = [&](int x, int y) { return cells[static_cast<size_t>((y - 1) * width + (x - 1))]; };
    const std::string again =
        board_string::Encode(width, height, at, [](int, int) { return kUnchanged; });
    fuzz::Require(board_string::Problem(again).empty(), "an encoded board is usable");
    // A string that changes nothing may read as blank (its header can be a blank too), so the
    // header is compared only when something changes.
    int w2 = 0;
    int h2 = 0;
    board_string::ReadHeader(again, w2, h2);
    const bool changes =
        std::any_of(cells.begin(), cells.end(), [](int c) { return c != kUnchanged; });
    fuzz::Require(!changes || (w2 == width && h2 == height),
                  "the encoded header names the same board");
    fuzz::Require(Run(again, width, height) == cells, "the encoded string changes the same cells");
    return 0;
}
