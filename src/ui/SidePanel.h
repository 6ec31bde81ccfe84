#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace marovane {

class UnitPanel;

// The column left of the board: the round and whose turn it is, the current player's number and
// money on his colour, the selected unit, "Next Turn" and the marker that no unit can move any
// more.
class SidePanel : public QFrame {
    Q_OBJECT

public:
    explicit SidePanel(QWidget* parent = nullptr);

    QPushButton* NextTurnButton() const { return next_; }
    UnitPanel* SelectedPanel() const { return selected_; }
    QLabel* MoneyLabel() const { return money_; }
    QLabel* NoMovesMarker() const { return noMoves_; }
    QLabel* RoundLabel() const { return round_; }
    // The height the player panel needs, which the window keeps in view.
    int PlayerPanelHeight() const;

    // The player panel and "Next Turn" show while a game is shown.
    void ShowGameControls(bool shown);
    void ShowPlayer(int player, const QColor& colour);
    // No player and no money: the panel tells nothing of a turn that has not begun.
    void ShowNoPlayer();
    void ShowMoney(const QString& money);
    // The round under way and whose turn it is.
    void ShowRound(const QString& text);

signals:
    void NextTurnClicked();

private:
    QFrame* playerPanel_ = nullptr;
    QLabel* playerNumber_ = nullptr;
    QLabel* money_ = nullptr;
    QLabel* round_ = nullptr;
    UnitPanel* selected_ = nullptr;
    QPushButton* next_ = nullptr;
    QLabel* noMoves_ = nullptr;
};

} // namespace marovane
