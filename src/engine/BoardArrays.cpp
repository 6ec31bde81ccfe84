#include "engine/BoardArrays.h"

#include <stdexcept>

namespace marovane {

BoardArrays::BoardArrays(int width, int height, int players) {
    if (width < 0 || height < 0 || players < 0)
        throw std::invalid_argument("a board of negative size");
    width_ = width;
    height_ = height;
    players_ = players;
    const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(height);
    boardUnit_.assign(cells, 0);
    boardPic_.assign(cells, 0);
    seen_.assign(cells * static_cast<size_t>(players), 0);
    boardMark_.assign(static_cast<size_t>(width + 1) * static_cast<size_t>(height + 1), 0);
}

size_t BoardArrays::CellIndex(int x, int y) const {
    if (!OnBoard(x, y))
        throw std::out_of_range("cell off the board");
    return static_cast<size_t>(y - 1) * static_cast<size_t>(width_) + static_cast<size_t>(x - 1);
}

size_t BoardArrays::SeenIndex(int x, int y, int p) const {
    if (p < 1 || p > players_)
        throw std::out_of_range("no such player");
    return static_cast<size_t>(p - 1) * boardUnit_.size() + CellIndex(x, y);
}

size_t BoardArrays::MarkIndex(int x, int y) const {
    if (x < 0 || y < 0 || x > width_ || y > height_)
        throw std::out_of_range("mark off the board");
    return static_cast<size_t>(y) * static_cast<size_t>(width_ + 1) + static_cast<size_t>(x);
}

std::string CellText(int x, int y) {
    // Built piece by piece: GCC 12 warns wrongly about "(" + std::to_string(x).
    std::string text = "(";
    text += std::to_string(x);
    text += ", ";
    text += std::to_string(y);
    text += ')';
    return text;
}

} // namespace marovane
