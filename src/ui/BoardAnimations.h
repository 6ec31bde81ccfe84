#pragma once

#include "engine/GameEvent.h"

#include <QColor>
#include <QElapsedTimer>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

class QPainter;

namespace marovane {

class BoardWidget;
class PictureStrip;

// Short animations over the board, drawn from the rules' events: a stepping piece slides from
// its old cell to its new one, and a battle shows the damage over the piece that took it ("-12",
// or "miss"). They only show what already happened: the rules go on at once, and a click or a
// key ends them. Nothing is animated that the board does not show: not with the board hidden,
// not on a cell the fog hides, and not a computer's move while its thinking is not shown.
class BoardAnimations : public QObject, public GameEventListener {
    Q_OBJECT

public:
    static constexpr int kSlideMs = 150;
    // Long enough to read a number.
    static constexpr int kDamageMs = 400;

    BoardAnimations(BoardWidget& board, const PictureStrip& pictures, QObject* parent = nullptr);

    // Whether the player wants animations (Options > Animations).
    std::function<bool()> Wanted;

    void Heard(const Game& game, const GameEvent& event) override;
    // A piece with this picture slides from one cell to the next; the damage a piece took
    // (0: a miss) shows over its cell.
    void SlidePiece(const QPixmap& picture, Cell from, Cell to);
    void ShowDamage(Cell at, int damage);
    // Ends every animation at once.
    void Skip();
    bool Running() const { return !slides_.empty() || !damages_.empty(); }
    // What is on its way now, for tests: the texts shown over cells.
    QStringList DamageTexts() const;

    void Paint(QPainter& painter) const;

private:
    struct Slide {
        QPixmap Picture;
        Cell From, To;
        qint64 Start = 0;
    };
    struct Damage {
        Cell At;
        QString Text;
        QColor Colour;
        qint64 Start = 0;
    };

    bool Shown(const Game& game, const GameEvent& event) const;
    void Tick();

    BoardWidget& board_;
    const PictureStrip& pictures_;
    QElapsedTimer clock_;
    QTimer frames_;
    std::vector<Slide> slides_;
    std::vector<Damage> damages_;
};

} // namespace marovane
