#pragma once

#include <QBrush>
#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

// The pieces the people figures are put together from. Coordinates are in the 64 x 64 design
// space of a cell; a standing figure faces the viewer with its feet near y = 55, holds its
// weapon in the hand on the viewer's left and its shield or bow on the viewer's right.
namespace marovane::art::figure {

// How heavily a fighter is armoured. The three must differ at a glance on a small board:
// light wears cloth in his colour and shows his face, medium wears grey mail under a surcoat
// in his colour and an open helmet, heavy wears bright plate and a closed helmet.
enum class Armour { Light, Medium, Heavy };

inline constexpr double kLine = 1.7; // outline width

QColor Skin();
QColor Wood();
QColor Gold();
QBrush Steel(const QRectF& over);
QBrush Cloth(const QColor& colour, const QRectF& over);

// Fills path with brush and inks its outline.
void Inked(QPainter& painter, const QPainterPath& path, const QBrush& brush, double line = kLine);
// A thick stroke of colour with an inked edge, for poles, arms and bow staves.
void InkedStroke(QPainter& painter, const QPainterPath& path, const QColor& colour, double width);

// The coloured card every people picture stands on: a frame in the player's colour around a
// light field, so the owner shows even where the figure itself is mostly steel or wood.
void Card(QPainter& painter, const QColor& player);
void GroundShadow(QPainter& painter, double centreX, double halfWidth);

void Head(QPainter& painter, QPointF centre, bool beard = false);
void Legs(QPainter& painter, Armour armour, double centreX = 32);
void Torso(QPainter& painter, Armour armour, const QColor& player, double centreX = 32);
// A sleeveless coat in the player's colour, worn over mail or plate.
void Surcoat(QPainter& painter, const QColor& player, double centreX = 32);
void Arm(QPainter& painter, Armour armour, const QColor& player, QPointF shoulder, QPointF hand);
void Helmet(QPainter& painter, Armour armour, const QColor& player, QPointF head);
void Shield(QPainter& painter, Armour armour, const QColor& player, QPointF centre);

void Spear(QPainter& painter, QPointF butt, QPointF tip);
void Sword(QPainter& painter, QPointF hand, double length, double angle);
void Bow(QPainter& painter, double x, double top, double bottom, double bulge);
void Quiver(QPainter& painter, QPointF top, QPointF bottom);
void Crown(QPainter& painter, QPointF centre, double width, bool queen);
void Pennant(QPainter& painter, const QColor& player, QPointF poleTop, double length);

} // namespace marovane::art::figure
