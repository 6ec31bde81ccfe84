#include "ui/BoardWidget.h"

#include "ui/BoardMarks.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace marovane {

namespace {

int TwipsPerPixel(const QWidget* widget) {
    const double dpi = widget->logicalDpiX() > 0 ? widget->logicalDpiX() : 96;
    return static_cast<int>(std::lround(1440.0 / dpi));
}

} // namespace

BoardWidget::BoardWidget(QWidget* parent)
    : QWidget(parent), geometry_(TwipsPerPixel(this)),
      backColor_(palette().color(QPalette::Button)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    geometry_.SetSpacingPixels(1);
    geometry_.SetSize(2, 2);
    cells_.resize(4);
    cellChanges_.resize(4);
    Layout();
}

int BoardWidget::ButtonMask(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int BoardWidget::ShiftMask(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

void BoardWidget::SetSize(int height, int width) {
    if (height == BoardHeight() && width == BoardWidth())
        return;
    geometry_.SetSize(width, height);
    cells_.assign(static_cast<size_t>(std::max(0, width * height)), Cell{});
    cellChanges_.assign(cells_.size(), 0);
    changedCells_.clear();
    ClearLines();
    HighlightOff();
    Layout();
}

void BoardWidget::SetCellWidth(int twips) {
    geometry_.SetCellWidth(twips);
    Layout();
}

void BoardWidget::SetCellHeight(int twips) {
    geometry_.SetCellHeight(twips);
    Layout();
}

void BoardWidget::SetCellSpacing(int pixels) {
    geometry_.SetSpacingPixels(pixels);
    Layout();
}

void BoardWidget::SetCellLines(int style) {
    if (style == cellLines_)
        return;
    cellLines_ = style;
    Invalidate();
}

void BoardWidget::SetBackColor(const QColor& colour) {
    backColor_ = colour;
    background_ = QPixmap();
    Invalidate();
}

void BoardWidget::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    background_ = QPixmap();
    Invalidate();
}

void BoardWidget::SetHiddenShade(const QColor& colour) {
    hiddenShade_ = colour;
    Invalidate();
}

QPixmap BoardWidget::CellPicture(int x, int y) const {
    return ValidCell(x, y) ? At(x, y).Picture : QPixmap();
}

void BoardWidget::SetCellPicture(int x, int y, const QPixmap& picture) {
    if (!ValidCell(x, y))
        return;
    // The rules report a cell again when a piece steps off and back or is only repainted; the
    // same picture needs no redrawing.
    QPixmap& shown = At(x, y).Picture;
    if (shown.cacheKey() == picture.cacheKey())
        return;
    shown = picture;
    InvalidateCell(x, y, false);
}

QString BoardWidget::CellToolTip(int x, int y) const {
    return ValidCell(x, y) ? At(x, y).ToolTip : QString();
}

void BoardWidget::SetCellToolTip(int x, int y, const QString& text) {
    if (ValidCell(x, y))
        At(x, y).ToolTip = text;
}

CellMarks BoardWidget::CellMark(int x, int y) const {
    return ValidCell(x, y) ? At(x, y).Marks : CellMarks{};
}

void BoardWidget::SetCellMark(int x, int y, const CellMarks& marks) {
    if (!ValidCell(x, y) || At(x, y).Marks == marks)
        return;
    At(x, y).Marks = marks;
    InvalidateCell(x, y, false);
}

bool BoardWidget::CellVisible(int x, int y) const {
    return ValidCell(x, y) && At(x, y).Visible;
}

void BoardWidget::SetCellVisible(int x, int y, bool visible) {
    if (!ValidCell(x, y) || At(x, y).Visible == visible)
        return;
    At(x, y).Visible = visible;
    InvalidateCell(x, y, true);
}

bool BoardWidget::ValidPicture(std::optional<int> x, std::optional<int> y) const {
    if (x.has_value() != y.has_value())
        return false;
    if (!x)
        return !picture_.isNull();
    return ValidCell(*x, *y) && !At(*x, *y).Picture.isNull();
}

void BoardWidget::Highlight(int x, int y, std::optional<QColor> colour) {
    HighlightOff();
    if (x <= 0)
        return;
    highlightX_ = x;
    highlightY_ = y;
    if (colour)
        highlightColour_ = *colour;
    update();
}

void BoardWidget::HighlightOff() {
    if (highlightX_ == 0 && highlightY_ == 0)
        return;
    highlightX_ = highlightY_ = 0;
    update();
}

void BoardWidget::DrawLine(double x1, double y1, double x2, double y2,
                           std::optional<QColor> colour) {
    double ignored = 0;
    if (!geometry_.LinePoint(x1, y1, ignored, ignored) ||
        !geometry_.LinePoint(x2, y2, ignored, ignored))
        return;
    lines_.push_back({x1, y1, x2, y2, colour.value_or(palette().color(QPalette::WindowText))});
    KeepLinesUnderCircle();
    update();
}

void BoardWidget::PopLine() {
    if (lines_.empty())
        return;
    lines_.pop_back();
    circleAbove_ = std::min(circleAbove_, LineCount());
    KeepLinesUnderCircle();
    update();
}

void BoardWidget::ClearLines() {
    while (!lines_.empty())
        PopLine();
}

void BoardWidget::PutCircle(double x, double y, double radius, std::optional<QColor> colour) {
    if (x < 1 || x > BoardWidth() || y < 1 || y > BoardHeight())
        return;
    circleX_ = x;
    circleY_ = y;
    circleRadius_ = radius;
    if (colour)
        circleColour_ = *colour;
    circleAbove_ = LineCount();
    KeepLinesUnderCircle();
    update();
}

void BoardWidget::CircleOff() {
    circleX_ = circleY_ = circleRadius_ = 0;
    update();
}

void BoardWidget::ShowAllCells() {
    for (size_t i = 1; i < cells_.size(); ++i)
        cells_[i].Visible = true;
    Layout();
}

void BoardWidget::HideAllCells() {
    for (size_t i = 1; i < cells_.size(); ++i)
        cells_[i].Visible = false;
    Layout();
}

void BoardWidget::Refresh() {
    update();
}

QRectF BoardWidget::CellRect(int x, int y) const {
    return QRectF(Px(geometry_.CellLeft(x)), Px(geometry_.CellTop(y)), Px(geometry_.CellWidth()),
                  Px(geometry_.CellHeight()));
}

void BoardWidget::Layout() {
    // The widget takes the size its cells need; the resize this causes is its own.
    resizing_ = true;
    resize(static_cast<int>(Px(geometry_.OuterWidth())),
           static_cast<int>(Px(geometry_.OuterHeight())));
    resizing_ = false;
    background_ = QPixmap();
    Invalidate();
}

void BoardWidget::Invalidate() {
    stale_ = QRegion(rect());
    update();
}

void BoardWidget::InvalidateCell(int x, int y, bool withBorder) {
    const int index = (y - 1) * BoardWidth() + (x - 1);
    uint8_t& change = cellChanges_[static_cast<size_t>(index)];
    if (change == 0) {
        if (changedCells_.empty())
            QMetaObject::invokeMethod(
                this, [this] { FlushChangedCells(); }, Qt::QueuedConnection);
        changedCells_.push_back(index);
    }
    change = std::max<uint8_t>(change, withBorder ? 2 : 1);
}

void BoardWidget::FlushChangedCells() {
    if (changedCells_.empty())
        return;
    QRegion area;
    for (const int index : changedCells_) {
        uint8_t& change = cellChanges_[static_cast<size_t>(index)];
        const QRect cell =
            CellRect(index % BoardWidth() + 1, index / BoardWidth() + 1).toAlignedRect();
        area += change == 2 ? cell.adjusted(-1, -1, 1, 1) : cell;
        change = 0;
    }
    changedCells_.clear();
    stale_ += area;
    update(area);
}

void BoardWidget::KeepLinesUnderCircle() {
    const int under = std::min(circleAbove_, LineCount());
    if (under == layerLines_)
        return;
    layerLines_ = under;
    Invalidate();
}

QSize BoardWidget::sizeHint() const {
    return QSize(static_cast<int>(Px(geometry_.OuterWidth())),
                 static_cast<int>(Px(geometry_.OuterHeight())));
}

void BoardWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (resizing_)
        return;
    const int tpp = geometry_.Tpp();
    geometry_.FitTo(width() * tpp, height() * tpp);
    Layout();
    emit CellSizeChanged();
}

const QPixmap& BoardWidget::Scaled(const QPixmap& picture, QSize size) const {
    if (size != scaledSize_) {
        scaled_.clear();
        scaledSize_ = size;
    }
    auto it = scaled_.find(picture.cacheKey());
    if (it == scaled_.end()) {
        it = scaled_.insert(picture.cacheKey(),
                            picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    return it.value();
}

void BoardWidget::UpdateLayer() {
    FlushChangedCells();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (pixels.isEmpty())
        return;
    if (layer_.size() != pixels || layer_.devicePixelRatio() != ratio) {
        layer_ = QPixmap(pixels);
        layer_.setDevicePixelRatio(ratio);
        stale_ = QRegion(rect());
    }
    if (background_.size() != pixels || background_.devicePixelRatio() != ratio) {
        background_ = QPixmap(pixels);
        background_.setDevicePixelRatio(ratio);
        QPainter painter(&background_);
        painter.fillRect(rect(), backColor_);
        if (!picture_.isNull())
            painter.drawPixmap(rect(), picture_);
        stale_ = QRegion(rect());
    }
    stale_ &= rect();
    if (stale_.isEmpty())
        return;
    QPainter painter(&layer_);
    painter.setClipRegion(stale_);
    PaintLayer(painter, stale_.boundingRect());
    stale_ = QRegion();
}

void BoardWidget::PaintLayer(QPainter& painter, const QRect& dirty) {
    painter.drawPixmap(0, 0, background_);
    const QSize cellSize(std::max(1, static_cast<int>(Px(CellWidth()))),
                         std::max(1, static_cast<int>(Px(CellHeight()))));
    const QPen border(QColor(40, 40, 40), 1);
    for (int y = 1; y <= BoardHeight(); ++y) {
        for (int x = 1; x <= BoardWidth(); ++x) {
            const QRectF cell = CellRect(x, y);
            if (!cell.toAlignedRect().adjusted(-1, -1, 1, 1).intersects(dirty))
                continue;
            const Cell& c = At(x, y);
            if (!c.Visible) {
                if (hiddenShade_.alpha() > 0)
                    painter.fillRect(cell, hiddenShade_);
                continue;
            }
            if (!c.Picture.isNull())
                painter.drawPixmap(cell.topLeft(), Scaled(c.Picture, cellSize));
            PaintCellMarks(painter, cell, c.Marks);
            if (cellLines_ == 1) {
                painter.setPen(border);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(cell.adjusted(0, 0, -1, -1));
            }
        }
    }
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < layerLines_; ++i)
        DrawBoardLine(painter, lines_[static_cast<size_t>(i)]);
}

void BoardWidget::DrawBoardLine(QPainter& painter, const Line& line) const {
    double x1, y1, x2, y2;
    geometry_.LinePoint(line.X1, line.Y1, x1, y1);
    geometry_.LinePoint(line.X2, line.Y2, x2, y2);
    painter.setPen(QPen(line.Colour, 2));
    painter.drawLine(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2)));
}

void BoardWidget::PaintOverlays(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    BoardGeometry::Box box;
    if (circleX_ > 0 && geometry_.CircleBox(circleX_, circleY_, circleRadius_, box)) {
        painter.setPen(QPen(circleColour_, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(Px(box.Left), Px(box.Top), Px(box.Width), Px(box.Height)));
    }
    for (int i = layerLines_; i < LineCount(); ++i)
        DrawBoardLine(painter, lines_[static_cast<size_t>(i)]);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (highlightX_ > 0 && ValidCell(highlightX_, highlightY_)) {
        painter.setPen(QPen(highlightColour_, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(CellRect(highlightX_, highlightY_).adjusted(1, 1, -2, -2));
    }
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    UpdateLayer();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    if (!layer_.isNull())
        painter.drawPixmap(0, 0, layer_);
    PaintOverlays(painter);
    if (PaintAbove)
        PaintAbove(painter);
}

void BoardWidget::PaintEmptyCell(QPainter& painter, int x, int y) const {
    if (!ValidCell(x, y) || background_.isNull())
        return;
    const QRect inside = CellRect(x, y).toAlignedRect().adjusted(1, 1, -1, -1);
    painter.drawPixmap(inside, background_, inside);
}

const QPixmap& BoardWidget::CellSized(const QPixmap& picture) const {
    return Scaled(picture, QSize(std::max(1, static_cast<int>(Px(CellWidth()))),
                                 std::max(1, static_cast<int>(Px(CellHeight())))));
}

bool BoardWidget::CellUnder(const QPointF& position, int& x, int& y) const {
    const int tpp = geometry_.Tpp();
    return geometry_.CellAt(position.x() * tpp, position.y() * tpp, x, y);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    int x = 0, y = 0;
    const int button = ButtonMask(event->button());
    const int shift = ShiftMask(event->modifiers());
    if (CellUnder(event->position(), x, y)) {
        pressedX_ = x;
        pressedY_ = y;
        emit CellMouseDown(button, shift, x, y);
    } else {
        pressedX_ = pressedY_ = 0;
        const int tpp = geometry_.Tpp();
        emit SurfaceMouseDown(button, shift, event->position().x() * tpp,
                              event->position().y() * tpp);
    }
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    int x = 0, y = 0;
    const int button = ButtonMask(event->buttons());
    const int shift = ShiftMask(event->modifiers());
    if (CellUnder(event->position(), x, y)) {
        emit CellMouseMove(button, shift, x, y);
    } else {
        const int tpp = geometry_.Tpp();
        emit SurfaceMouseMove(button, shift, event->position().x() * tpp,
                              event->position().y() * tpp);
    }
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    int x = 0, y = 0;
    const int button = ButtonMask(event->button());
    const int shift = ShiftMask(event->modifiers());
    if (CellUnder(event->position(), x, y)) {
        emit CellMouseUp(button, shift, x, y);
        // A click is the left button pressed and released on the same cell.
        if (event->button() == Qt::LeftButton && x == pressedX_ && y == pressedY_)
            emit CellClick(x, y);
    } else {
        const int tpp = geometry_.Tpp();
        emit SurfaceMouseUp(button, shift, event->position().x() * tpp,
                            event->position().y() * tpp);
    }
    pressedX_ = pressedY_ = 0;
}

bool BoardWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        int x = 0, y = 0;
        if (CellUnder(help->pos(), x, y) && At(x, y).Visible && !At(x, y).ToolTip.isEmpty())
            QToolTip::showText(help->globalPos(), At(x, y).ToolTip, this);
        else
            QToolTip::hideText();
        return true;
    }
    if (event->type() == QEvent::Leave)
        emit PointerLeft();
    return QWidget::event(event);
}

} // namespace marovane
