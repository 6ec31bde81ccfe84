#pragma once

#include <QFrame>
#include <QPixmap>

class QLabel;

namespace marovane {

// The panel that shows one piece: its name, its picture and three bars beside the picture:
// green for its full hit points, red over the part it has lost, yellow for the moves it has left
// (a third of the picture per move, three moves filling it), each with its numbers. The floating
// panel also shows the chance to hit and what an attack there would do.
class UnitPanel : public QFrame {
    Q_OBJECT

public:
    explicit UnitPanel(bool withHitChance, QWidget* parent = nullptr);

    // fullHitPoints: those of the piece's type at full strength.
    void ShowPiece(const QString& name, const QPixmap& picture, int hitPoints, int movesLeft,
                   int fullHitPoints);
    // "60%"; empty for a sure hit or nothing to hit.
    void SetHitChance(const QString& text);
    QString HitChanceText() const;
    // What the attack, healing or repair under the pointer would do, a line each; empty for
    // none.
    void SetPreview(const QString& text);
    QString PreviewText() const;
    QString NameText() const;
    int HitPoints() const { return hitPoints_; }
    int MovesLeft() const { return movesLeft_; }
    // Floats the panel just below and right of a point of its parent, inside the parent, and on
    // top of its siblings.
    void FloatAt(const QPoint& corner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* name_;
    QLabel* hitChance_ = nullptr;
    QLabel* preview_ = nullptr;
    QPixmap picture_;
    int hitPoints_ = 0;
    int movesLeft_ = 0;
    int full_ = 1;
};

} // namespace marovane
