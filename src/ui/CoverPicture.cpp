#include "ui/CoverPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace marovane {

void CoverPicture::SetPicture(const QPixmap& picture, const QString& name) {
    picture_ = picture;
    name_ = name;
    update();
}

void CoverPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(20, 20, 24));
    if (picture_.isNull())
        return;
    const QSize size = picture_.size().scaled(this->size(), Qt::KeepAspectRatioByExpanding);
    const QRect target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(),
                       size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture_);
    if (caption_.isEmpty())
        return;
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    painter.setFont(font);
    const QRect text = painter.fontMetrics().boundingRect(caption_);
    const QRect box = QRect(QPoint(0, 0), text.size() + QSize(48, 28)).intersected(rect());
    const QRect placed = box.translated(rect().center() - box.center());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 170));
    painter.drawRoundedRect(placed, 10, 10);
    painter.setPen(Qt::white);
    painter.drawText(placed, Qt::AlignCenter, caption_);
}

void CoverPicture::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void CoverPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit Clicked();
    QWidget::mousePressEvent(event);
}

} // namespace marovane
