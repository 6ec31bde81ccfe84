#include "ui/UnitPanel.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace marovane {

namespace {

constexpr int kPicture = 48;
constexpr int kBar = 6;

} // namespace

UnitPanel::UnitPanel(bool withHitChance, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    name_ = new QLabel(this);
    QFont font = name_->font();
    font.setBold(true);
    name_->setFont(font);
    layout->addWidget(name_);
    layout->addSpacing(kPicture + 4);
    if (withHitChance) {
        hitChance_ = new QLabel(this);
        hitChance_->setObjectName("lblToHit");
        layout->addWidget(hitChance_);
        preview_ = new QLabel(this);
        preview_->setObjectName("lblPreview");
        preview_->hide();
        layout->addWidget(preview_);
    }
    setMinimumWidth(150);
}

void UnitPanel::ShowPiece(const QString& name, const QPixmap& picture, int hitPoints, int movesLeft,
                          int fullHitPoints) {
    name_->setText(name);
    picture_ = picture;
    hitPoints_ = hitPoints;
    movesLeft_ = movesLeft;
    full_ = std::max(1, fullHitPoints);
    update();
}

void UnitPanel::SetHitChance(const QString& text) {
    if (hitChance_)
        hitChance_->setText(text);
}

QString UnitPanel::HitChanceText() const {
    return hitChance_ ? hitChance_->text() : QString();
}

void UnitPanel::SetPreview(const QString& text) {
    if (!preview_ || preview_->text() == text)
        return;
    preview_->setText(text);
    preview_->setVisible(!text.isEmpty());
    // The panel grows or shrinks with the lines and stays inside its area.
    if (isVisible() && parentWidget())
        FloatAt(pos() - QPoint(6, 6));
}

QString UnitPanel::PreviewText() const {
    return preview_ ? preview_->text() : QString();
}

QString UnitPanel::NameText() const {
    return name_->text();
}

void UnitPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const int top = name_->geometry().bottom() + 4;
    const QRect pictureRect(6, top, kPicture, kPicture);
    painter.fillRect(pictureRect, QColor(60, 90, 40));
    if (!picture_.isNull())
        painter.drawPixmap(pictureRect, picture_);
    painter.setPen(QColor(30, 30, 30));
    painter.drawRect(pictureRect.adjusted(0, 0, -1, -1));

    // The bars follow the picture's height: hit points lost cover the green from the top, and
    // the yellow bar's top moves down a third of the picture for each move short of three.
    const int h = kPicture;
    const int redHeight = std::clamp((h / full_) * (full_ - hitPoints_), 0, h);
    const int yellowTop = std::clamp((h / 3) * (3 - movesLeft_), 0, h);
    const int x = pictureRect.right() + 6;
    painter.fillRect(QRect(x, top, kBar, h), QColor(0, 200, 0));
    painter.fillRect(QRect(x, top, kBar, redHeight), QColor(220, 0, 0));
    painter.fillRect(QRect(x + kBar + 3, top + yellowTop, kBar, h - yellowTop),
                     QColor(240, 220, 0));

    // What the bars stand for, in numbers beside them.
    const int textLeft = x + 2 * kBar + 9;
    const QRect textRect(textLeft, top, std::max(0, width() - textLeft - 4), h);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop,
                     tr("HP %1/%2").arg(hitPoints_).arg(full_));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignBottom, tr("Moves %1").arg(movesLeft_));
}

void UnitPanel::FloatAt(const QPoint& corner) {
    adjustSize();
    const QWidget* area = parentWidget();
    const QPoint at = corner + QPoint(6, 6);
    const int left = std::clamp(at.x(), 0, std::max(0, area->width() - width()));
    const int top = std::clamp(at.y(), 0, std::max(0, area->height() - height()));
    move(left, top);
    raise();
}

} // namespace marovane
