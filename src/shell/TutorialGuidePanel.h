#pragma once

#include "session/TutorialGuide.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace marovane {

// The tutorial's guide beside the board: the step at hand with what to do for it, in the words
// of the letter pictures the tutorial is played with. It shows a TutorialGuide and hands it
// what the player did.
class TutorialGuidePanel : public QWidget {
    Q_OBJECT

public:
    explicit TutorialGuidePanel(QWidget* parent = nullptr);

    // A new tutorial game: back to the first step.
    void Restart();
    void Did(PlayerDeed deed);

    const TutorialGuide& Guide() const { return guide_; }
    QLabel* StepLabel() const { return step_; }
    QLabel* TextLabel() const { return text_; }

signals:
    // "Tutorial Help": the whole tutorial page.
    void HelpWanted();

private:
    void Show();

    TutorialGuide guide_;
    QLabel* step_;
    QLabel* text_;
    QPushButton* help_;
};

} // namespace marovane
