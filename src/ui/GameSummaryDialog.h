#pragma once

#include <QDialog>
#include <QStringList>

class QGridLayout;
class QLabel;
class QPushButton;

namespace marovane {

class Game;
class GameRecord;

// The end of a game at a glance: who won, how many rounds were played, and per player the
// units lost, the units destroyed and the money spent in the keep. "New Game" opens the new-game
// dialog; "Close" leaves the title picture.
class GameSummaryDialog : public QDialog {
    Q_OBJECT

public:
    explicit GameSummaryDialog(QWidget* parent = nullptr);

    // Fills the summary from the record of the game that just ended and shows it without
    // blocking: the rules that ended the game return first.
    void ShowFor(const Game& game, const GameRecord& record);

    QString WinnerText() const;
    QString RoundsText() const;
    // One player's line: the player, units lost, units destroyed, money spent.
    QStringList Row(int player) const;
    QPushButton* NewGameButton() const { return newGame_; }
    QPushButton* CloseButton() const { return close_; }

signals:
    void NewGameWanted();

private:
    QLabel* winner_;
    QLabel* rounds_;
    QGridLayout* table_;
    QPushButton* newGame_;
    QPushButton* close_;
};

} // namespace marovane
