#include "Paint.h"

#include <QTransform>

#include <algorithm>
#include <stdexcept>

namespace marovane::art {

QColor PlayerColour(int player) {
    switch (player) {
    case 1:
        return QColor(0, 255, 0);
    case 2:
        return QColor(255, 0, 0);
    case 3:
        return QColor(0, 0, 255);
    case 4:
        return QColor(0, 255, 255);
    }
    throw std::out_of_range("player must be 1 to 4");
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto channel = [t](int x, int y) { return std::clamp(int(x + (y - x) * t + 0.5), 0, 255); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

QColor Ink() {
    return QColor(30, 24, 20);
}

QPen InkPen(double width) {
    QPen pen(Ink(), width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QFont LetterFont() {
    QFont font("DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Bold);
    font.setPixelSize(100);
    return font;
}

QFont TitleFont() {
    QFont font("DejaVu Serif");
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Bold);
    font.setPixelSize(100);
    return font;
}

QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return path;
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

} // namespace marovane::art
