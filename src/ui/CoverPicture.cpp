#include "ui/CoverPicture.h"

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
}

} // namespace marovane
