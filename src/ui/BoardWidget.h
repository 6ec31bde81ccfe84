#pragma once

#include "engine/CellMarks.h"
#include "ui/BoardGeometry.h"

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace marovane {

// A grid of equal cells for every board of the program. Each cell holds a picture, a tooltip
// and a shown/hidden state; over the cells it draws lines, one circle and one highlight
// rectangle (always on top); behind them a background picture stretched over the whole widget.
// It knows nothing of the game: its owner decides what each cell shows, and mouse activity
// comes back as signals carrying the cell's column and row (1-based).
//
// The background, the cells and the lines under the circle are kept drawn in a picture of their
// own; a frame copies it and draws the circle, the later lines and the highlight over it. Only
// the cells that changed since the last frame are drawn into that picture again.
class BoardWidget : public QWidget {
    Q_OBJECT

public:
    explicit BoardWidget(QWidget* parent = nullptr);

    // Mouse buttons and modifier keys as masks: 1 left, 2 right, 4 middle; 1 Shift, 2 Ctrl, 4 Alt.
    static int ButtonMask(Qt::MouseButtons buttons);
    static int ShiftMask(Qt::KeyboardModifiers modifiers);

    int BoardWidth() const { return geometry_.Width(); }
    int BoardHeight() const { return geometry_.Height(); }
    void SetBoardWidth(int width) { SetSize(geometry_.Height(), width); }
    void SetBoardHeight(int height) { SetSize(height, geometry_.Width()); }
    // Rows first, then columns. A new size empties every cell and removes lines and highlight.
    void SetSize(int height, int width);

    // Cell sizes in twips; a size below 4 pixels becomes 4 pixels.
    float CellWidth() const { return geometry_.CellWidth(); }
    float CellHeight() const { return geometry_.CellHeight(); }
    void SetCellWidth(int twips);
    void SetCellHeight(int twips);
    // Pixels; may be negative so that neighbouring borders coincide.
    int CellSpacing() const { return geometry_.SpacingPixels(); }
    void SetCellSpacing(int pixels);
    // 0: no border, 1: a thin border around every cell.
    int CellLines() const { return cellLines_; }
    void SetCellLines(int style);
    QColor BackColor() const { return backColor_; }
    void SetBackColor(const QColor& colour);
    const QPixmap& Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    // Hidden cells are covered with this colour (transparent: not at all), so a hidden part of
    // the board reads as such on any background.
    void SetHiddenShade(const QColor& colour);

    QPixmap CellPicture(int x, int y) const;
    void SetCellPicture(int x, int y, const QPixmap& picture);
    QString CellToolTip(int x, int y) const;
    void SetCellToolTip(int x, int y, const QString& text);
    // The marks drawn over a shown cell's picture (see BoardMarks.h); a hidden cell shows none.
    CellMarks CellMark(int x, int y) const;
    void SetCellMark(int x, int y, const CellMarks& marks);
    bool CellVisible(int x, int y) const;
    void SetCellVisible(int x, int y, bool visible);
    // With both coordinates: whether that cell holds a picture; with neither: whether there is a
    // background picture; with one: false.
    bool ValidPicture(std::optional<int> x = std::nullopt,
                      std::optional<int> y = std::nullopt) const;

    int HighlightX() const { return highlightX_; }
    int HighlightY() const { return highlightY_; }
    void Highlight(int x, int y, std::optional<QColor> colour = std::nullopt);
    void HighlightOff();

    // Lines in board-corner coordinates: 0..W across, 0..H down.
    void DrawLine(double x1, double y1, double x2, double y2,
                  std::optional<QColor> colour = std::nullopt);
    void PopLine();
    void ClearLines();
    int LineCount() const { return static_cast<int>(lines_.size()); }

    // A circle around cell coordinates (the centre of cell (x, y); fractions move it along), its
    // radius in cell pitches.
    void PutCircle(double x, double y, double radius, std::optional<QColor> colour = std::nullopt);
    void CircleOff();
    double CircleX() const { return circleX_; }
    double CircleY() const { return circleY_; }
    double CircleRadius() const { return circleRadius_; }

    // Show or hide every cell but (1, 1), which the owner handles alone.
    void ShowAllCells();
    void HideAllCells();
    void Refresh();

    const BoardGeometry& Geometry() const { return geometry_; }
    // The size the cells need, so layouts give the widget exactly that.
    QSize sizeHint() const override;
    // The rectangle of a cell in pixels.
    QRectF CellRect(int x, int y) const;

    // Drawn over everything else in each frame, such as a piece on its way to its cell.
    std::function<void(QPainter&)> PaintAbove;
    // For what is drawn above: the background alone inside a cell's border, and a picture at the
    // size of a cell.
    void PaintEmptyCell(QPainter& painter, int x, int y) const;
    const QPixmap& CellSized(const QPixmap& picture) const;

signals:
    void CellClick(int x, int y);
    void CellMouseDown(int button, int shift, int x, int y);
    void CellMouseMove(int button, int shift, int x, int y);
    void CellMouseUp(int button, int shift, int x, int y);
    // Outside the cells; the position in twips.
    void SurfaceMouseDown(int button, int shift, double x, double y);
    void SurfaceMouseMove(int button, int shift, double x, double y);
    void SurfaceMouseUp(int button, int shift, double x, double y);
    void CellSizeChanged();
    // The pointer left the board.
    void PointerLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Line {
        double X1, Y1, X2, Y2;
        QColor Colour;
    };
    struct Cell {
        QPixmap Picture;
        QString ToolTip;
        CellMarks Marks;
        bool Visible = true;
    };

    bool ValidCell(int x, int y) const {
        return x >= 1 && y >= 1 && x <= BoardWidth() && y <= BoardHeight();
    }
    Cell& At(int x, int y) { return cells_[static_cast<size_t>((y - 1) * BoardWidth() + (x - 1))]; }
    const Cell& At(int x, int y) const {
        return cells_[static_cast<size_t>((y - 1) * BoardWidth() + (x - 1))];
    }
    void Layout();
    // The kept picture must be drawn again: all of it, or one cell (with the border it shares
    // with its neighbours when `withBorder`).
    void Invalidate();
    void InvalidateCell(int x, int y, bool withBorder);
    // Hands the changed cells over to the kept picture and the screen, together.
    void FlushChangedCells();
    // Lines under the circle belong to the kept picture; a change of their number redraws it.
    void KeepLinesUnderCircle();
    // Brings the kept picture up to date.
    void UpdateLayer();
    // The background, the cells meeting `dirty`, and the lines under the circle.
    void PaintLayer(QPainter& painter, const QRect& dirty);
    // The circle, the lines drawn after it, and the highlight.
    void PaintOverlays(QPainter& painter) const;
    void DrawBoardLine(QPainter& painter, const Line& line) const;
    bool CellUnder(const QPointF& position, int& x, int& y) const;
    const QPixmap& Scaled(const QPixmap& picture, QSize size) const;
    double Px(double twips) const { return twips / geometry_.Tpp(); }

    BoardGeometry geometry_;
    std::vector<Cell> cells_;
    std::vector<Line> lines_;
    int cellLines_ = 1;
    QColor backColor_;
    QColor hiddenShade_ = Qt::transparent;
    QPixmap picture_;
    int highlightX_ = 0;
    int highlightY_ = 0;
    QColor highlightColour_ = QColor(255, 0, 255);
    double circleX_ = 0;
    double circleY_ = 0;
    double circleRadius_ = 0;
    QColor circleColour_ = QColor(255, 255, 0);
    // How many lines were drawn before the circle was placed: it is painted above them.
    int circleAbove_ = 0;
    bool resizing_ = false;
    int pressedX_ = 0;
    int pressedY_ = 0;
    mutable QHash<qint64, QPixmap> scaled_;
    mutable QSize scaledSize_;
    // The background colour and the stretched background picture, at the widget's size.
    QPixmap background_;
    // The background, the cells and the first `layerLines_` lines, as the last frame showed them.
    QPixmap layer_;
    QRegion stale_;
    int layerLines_ = 0;
    // Cells changed since the last flush (per cell: 0 unchanged, 1 the cell, 2 with its border)
    // and the list of them. A computer turn changes cells hundreds of times between two frames:
    // they reach the screen once per visit of the event loop instead of once each.
    std::vector<uint8_t> cellChanges_;
    std::vector<int> changedCells_;
};

} // namespace marovane
