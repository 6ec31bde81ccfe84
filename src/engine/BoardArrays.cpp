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

void BoardArrays::ThrowOffBoard(const char* what) {
    throw std::out_of_range(what);
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
