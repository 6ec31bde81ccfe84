#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QString>

namespace marovane::art {

// The four players' colours. The board tells the sides apart by these alone, so every unit
// picture carries its owner's colour in large areas.
QColor PlayerColour(int player);

// a blended toward b by t (0 gives a, 1 gives b).
QColor Mix(const QColor& a, const QColor& b, double t);

// The warm near-black of every outline: drawings look inked rather than printed.
QColor Ink();
QPen InkPen(double width);

// Bold sans-serif for letters that must stay readable when a cell shrinks to 24 pixels, and a
// bold serif for titles. Both come with the fonts-dejavu-core package.
QFont LetterFont();
QFont TitleFont();

// The outline of a text, scaled uniformly and centred so that it fills box as far as it can.
QPainterPath FittedText(const QString& text, const QFont& font, const QRectF& box);

} // namespace marovane::art
