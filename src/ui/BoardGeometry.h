#pragma once

namespace marovane {

// The geometry of a board of equal cells, worked out in twips (1/1440 inch) so that cell sizes
// are whole pixels on any screen. Cells are (x, y), 1-based; the cells start one pixel in from
// the control's edge and follow each other at a pitch of cell size plus spacing (the spacing may
// be negative, so that neighbouring borders fall on one line).
class BoardGeometry {
public:
    explicit BoardGeometry(int twipsPerPixel = 15) : tpp_(twipsPerPixel < 1 ? 1 : twipsPerPixel) {}

    int Tpp() const { return tpp_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height);

    int SpacingPixels() const { return spacing_ / tpp_; }
    void SetSpacingPixels(int pixels) { spacing_ = pixels * tpp_; }
    int SpacingTwips() const { return spacing_; }

    float CellWidth() const { return cellWidth_; }
    float CellHeight() const { return cellHeight_; }
    // A cell size below 4 pixels becomes 4 pixels.
    void SetCellWidth(int twips);
    void SetCellHeight(int twips);

    // The container gave the control this outer size: the cells take the largest whole-pixel
    // size that fits.
    void FitTo(int outerWidthTwips, int outerHeightTwips);
    // The outer size the control takes for its cells.
    int OuterWidth() const;
    int OuterHeight() const;

    // The top-left corner of a cell (1-based), in twips from the control's corner.
    double CellLeft(int x) const { return (x - 1) * (cellWidth_ + spacing_) + tpp_; }
    double CellTop(int y) const { return (y - 1) * (cellHeight_ + spacing_) + tpp_; }
    // The cell under a point, or false when the point lies outside every cell. Where cells
    // overlap (negative spacing) the later cell wins, as it is drawn on top.
    bool CellAt(double xTwips, double yTwips, int& x, int& y) const;

    // A line end in board-corner coordinates (0..W, 0..H) as a point in twips; false when it
    // lies outside the board.
    bool LinePoint(double bx, double by, double& xTwips, double& yTwips) const;

    // The bounding box of a circle around cell coordinates (x, y) with a radius in cell pitches;
    // false when the centre lies outside the board.
    struct Box {
        double Left = 0, Top = 0, Width = 0, Height = 0;
    };
    bool CircleBox(double x, double y, double radius, Box& box) const;

private:
    int tpp_;
    int width_ = 2;
    int height_ = 2;
    int spacing_ = 15;
    float cellWidth_ = 2;
    float cellHeight_ = 2;
};

} // namespace marovane
