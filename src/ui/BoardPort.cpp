#include "ui/BoardPort.h"

#include "engine/CellMarks.h"
#include "engine/Game.h"
#include "ui/BoardWidget.h"
#include "ui/CoverPicture.h"
#include "ui/PictureStrip.h"
#include "ui/UnitNames.h"

#include <QCoreApplication>

namespace marovane {

namespace {

QColor ToColour(Rgb rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace

BoardPort::BoardPort(BoardWidget& board, CoverPicture& cover, const PictureStrip& pictures,
                     const UnitSpecs& specs)
    : board_(board), cover_(cover), pictures_(pictures), specs_(specs) {}

void BoardPort::SetGame(Game& game) {
    game_ = &game;
    game.Listen(this);
}

void BoardPort::SetHealthBars(bool shown) {
    healthBars_ = shown;
    RefreshMarks();
}

void BoardPort::MarksMayHaveChanged() {
    if (marksScheduled_)
        return;
    marksScheduled_ = true;
    // The board widget is the context: the look is dropped with it.
    QMetaObject::invokeMethod(
        &board_, [this] { RefreshMarks(); }, Qt::QueuedConnection);
}

void BoardPort::RefreshMarks() {
    marksScheduled_ = false;
    if (!game_ || board_.BoardWidth() != game_->BoardWidth ||
        board_.BoardHeight() != game_->BoardHeight)
        return;
    const std::vector<CellMarks> marks = BoardMarksOf(*game_);
    size_t i = 0;
    for (int y = 1; y <= game_->BoardHeight; ++y) {
        for (int x = 1; x <= game_->BoardWidth; ++x) {
            CellMarks cell = marks[i++];
            if (!healthBars_)
                cell.Health = -1;
            board_.SetCellMark(x, y, cell);
        }
    }
}

void BoardPort::Heard(const Game&, const GameEvent&) {
    // A battle changes hit points without any picture changing.
    MarksMayHaveChanged();
}

void BoardPort::RedrawPictures() {
    if (!game_ || game_->BoardWidth < 1 || board_.BoardWidth() != game_->BoardWidth ||
        board_.BoardHeight() != game_->BoardHeight)
        return;
    for (int x = 1; x <= game_->BoardWidth; ++x) {
        for (int y = 1; y <= game_->BoardHeight; ++y)
            CellPictureChanged(x, y, game_->PicNum(x, y));
    }
}

void BoardPort::BoardResized(int width, int height) {
    board_.SetSize(height, width);
    board_.ShowAllCells();
    board_.SetCellVisible(1, 1, true);
    board_.ClearLines();
    board_.HighlightOff();
    board_.CircleOff();
    MarksMayHaveChanged();
    if (Resized)
        Resized();
}

void BoardPort::CellPictureChanged(int x, int y, int picture) {
    MarksMayHaveChanged();
    if (picture < 0) {
        board_.SetCellPicture(x, y, QPixmap());
        board_.SetCellToolTip(x, y, QString());
        return;
    }
    board_.SetCellPicture(x, y, pictures_.Picture(picture));
    // The board shows a tooltip only over a cell its player can see.
    const bool known = picture < static_cast<int>(toolTips_.size());
    if (known && !toolTips_[static_cast<size_t>(picture)].isNull()) {
        board_.SetCellToolTip(x, y, toolTips_[static_cast<size_t>(picture)]);
        return;
    }
    const Piece piece = DecodePiece(picture);
    const QString text = QCoreApplication::translate("BoardPort", "%1 (Player %2)")
                             .arg(UnitNameShown(specs_.UnitName[piece.Type]))
                             .arg(piece.Owner);
    if (known)
        toolTips_[static_cast<size_t>(picture)] = text;
    board_.SetCellToolTip(x, y, text);
}

void BoardPort::BoardRefreshed() {
    MarksMayHaveChanged();
    // Without fog every cell stays shown from the moment the board is made.
    if (!game_ || !game_->FogOn || board_.BoardWidth() != game_->BoardWidth ||
        board_.BoardHeight() != game_->BoardHeight)
        return;
    for (int x = 1; x <= game_->BoardWidth; ++x) {
        for (int y = 1; y <= game_->BoardHeight; ++y)
            board_.SetCellVisible(x, y, game_->Visible(x, y));
    }
}

void BoardPort::SetBoardVisible(bool visible) {
    BoardView::SetBoardVisible(visible);
    board_.setVisible(visible);
    cover_.setVisible(!visible);
    if (!visible && Hidden)
        Hidden();
}

void BoardPort::DrawLine(double x1, double y1, double x2, double y2, Rgb colour) {
    board_.DrawLine(x1, y1, x2, y2, ToColour(colour));
}

void BoardPort::Highlight(int x, int y, Rgb colour) {
    board_.Highlight(x, y, ToColour(colour));
    MarksMayHaveChanged();
}

void BoardPort::HighlightOff() {
    board_.HighlightOff();
    board_.CircleOff();
    MarksMayHaveChanged();
}

void BoardPort::ShowReachCircle(int x, int y, double radius) {
    if (radius <= 0)
        board_.CircleOff();
    else
        board_.PutCircle(x, y, radius, ToColour(colour::Yellow));
}

} // namespace marovane
