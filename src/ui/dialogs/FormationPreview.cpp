#include "ui/dialogs/FormationPreview.h"

#include "engine/Game.h"
#include "scenario/CastleOutline.h"
#include "ui/BoardWidget.h"
#include "ui/PictureStrip.h"
#include "ui/QtText.h"
#include "ui/UnitNames.h"

namespace marovane {

BoardWidget* NewFormationBoard(QWidget* parent, int pixels) {
    auto* board = new BoardWidget(parent);
    board->SetSize(kHomeCornerSize, kHomeCornerSize);
    board->SetBackColor(QColor(90, 120, 60));
    board->SetCellWidth(static_cast<int>(pixels * board->Geometry().Tpp()));
    board->SetCellHeight(static_cast<int>(pixels * board->Geometry().Tpp()));
    board->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return board;
}

void DrawCastleOutlines(BoardWidget& board, bool keeps, bool castles, int players) {
    board.ClearLines();
    const int width = board.Geometry().Width();
    const int height = board.Geometry().Height();
    const auto outline = CastleOutline(keeps, castles);
    // Player 1 last, so his lines lie on top where corners meet on a small board.
    for (int p = players; p >= 1; --p) {
        for (const OutlineSegment& line : outline) {
            const GridPoint from = ToPlayerCorner(line.From, p, width, height);
            const GridPoint to = ToPlayerCorner(line.To, p, width, height);
            board.DrawLine(from.X, from.Y, to.X, to.Y,
                           line.Role == OutlineRole::Castle
                               ? QColor(static_cast<QRgb>(kStandardPlayerColors[p]))
                               : QColor(Qt::black));
        }
    }
}

void ShowFormation(BoardWidget& board, const std::function<int(int x, int y)>& unitAt, bool keeps,
                   bool castles, const PictureStrip& strip, const UnitSpecs& specs) {
    DrawCastleOutlines(board, keeps, castles, 1);
    for (int x = 1; x <= kHomeCornerSize; ++x) {
        for (int y = 1; y <= kHomeCornerSize; ++y) {
            const int type = unitAt(x, y) - 1;
            const bool unit = ValidUnitType(type);
            board.SetCellPicture(x, y, unit ? strip.Picture(PictureNumber(1, type)) : QPixmap());
            board.SetCellToolTip(x, y, unit ? UnitNameShown(specs.UnitName[type]) : QString());
        }
    }
}

} // namespace marovane
