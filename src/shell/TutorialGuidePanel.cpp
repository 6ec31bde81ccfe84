#include "shell/TutorialGuidePanel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace marovane {

namespace {

struct StepText {
    const char* Title;
    const char* Text;
};

// One text per step, and the last for a guide that is done. The tutorial is played with the
// Alphabet pictures, so the units are named by their letters.
constexpr StepText kTexts[] = {
    {QT_TRANSLATE_NOOP("Tutorial", "Select a unit"),
     QT_TRANSLATE_NOOP(
         "Tutorial",
         "Your units are the letters in your colour at the top left of the board: P the Peasant, "
         "Pr the Priest, LI Light Infantry, MI Medium Infantry, LA the Light Archer, and W, the "
         "wall "
         "pieces of your castle.\n\nClick LI to select it.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Step"),
     QT_TRANSLATE_NOOP(
         "Tutorial",
         "Click a free cell next to the selected unit: it steps there. A unit has a few steps each "
         "turn; the panel at the side counts them.\n\nLead your units out through the gate in the "
         "castle wall.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Attack"),
     QT_TRANSLATE_NOOP(
         "Tutorial",
         "Enemy units are the same letters in the enemy's colour. Select a unit beside an enemy "
         "and "
         "click the enemy to attack it. LA, the archer, shoots from afar: its reach is the yellow "
         "circle around it.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Heal with the priest"),
     QT_TRANSLATE_NOOP("Tutorial", "Once one of your units is hurt, select Pr, the Priest, and "
                                   "click the hurt unit next to it: "
                                   "the priest gives back some of its hit points.")},
    {QT_TRANSLATE_NOOP("Tutorial", "End the turn"),
     QT_TRANSLATE_NOOP(
         "Tutorial",
         "When your units have done what they can, press Next Turn. Then the enemy moves.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Use the keep"),
     QT_TRANSLATE_NOOP(
         "Tutorial",
         "At the end of each turn you visit your keep, the small room inside your castle. Buy a "
         "new unit into it, or sell the unit standing in it; each costs or brings money.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Read the floating panel and the preview"),
     QT_TRANSLATE_NOOP(
         "Tutorial",
         "Select one of your units and rest the pointer on an enemy. The floating panel shows that "
         "unit, the chance to hit it, the damage your attack can deal, and whether it strikes "
         "back.")},
    {QT_TRANSLATE_NOOP("Tutorial", "Well done"),
     QT_TRANSLATE_NOOP(
         "Tutorial",
         "You know every move. Destroy every enemy unit to win the game; F1 tells more about the "
         "rules.")},
};
static_assert(std::size(kTexts) == TutorialGuide::kSteps + 1);

} // namespace

TutorialGuidePanel::TutorialGuidePanel(QWidget* parent) : QWidget(parent) {
    setObjectName("tutorialGuide");
    auto* layout = new QVBoxLayout(this);
    step_ = new QLabel(this);
    step_->setObjectName("lblTutorialStep");
    step_->setTextFormat(Qt::PlainText);
    QFont bold = step_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    step_->setFont(bold);
    step_->setWordWrap(true);
    text_ = new QLabel(this);
    text_->setObjectName("lblTutorialText");
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    help_ = new QPushButton(tr("Tutorial &Help"), this);
    layout->addWidget(step_);
    layout->addWidget(text_);
    layout->addStretch();
    layout->addWidget(help_);
    connect(help_, &QPushButton::clicked, this, &TutorialGuidePanel::HelpWanted);
    Show();
}

void TutorialGuidePanel::Restart() {
    guide_ = TutorialGuide();
    Show();
}

void TutorialGuidePanel::Did(PlayerDeed deed) {
    if (guide_.Did(deed))
        Show();
}

void TutorialGuidePanel::Show() {
    const StepText& text = kTexts[guide_.Number() - 1];
    const QString title = QCoreApplication::translate("Tutorial", text.Title);
    step_->setText(guide_.Finished() ? title
                                     : QCoreApplication::translate("Tutorial", "Step %1 of %2: %3")
                                           .arg(QString::number(guide_.Number()),
                                                QString::number(TutorialGuide::kSteps), title));
    text_->setText(QCoreApplication::translate("Tutorial", text.Text));
}

} // namespace marovane
