#include "ui/SidePanel.h"

#include "ui/EventLogView.h"
#include "ui/UnitPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace marovane {

SidePanel::SidePanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);

    playerPanel_ = new QFrame(this);
    playerPanel_->setAutoFillBackground(true);
    playerPanel_->setFrameShape(QFrame::Panel);
    auto* playerLayout = new QVBoxLayout(playerPanel_);
    playerNumber_ = new QLabel(playerPanel_);
    playerNumber_->setObjectName("lblPNum");
    QFont big = playerNumber_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    playerNumber_->setFont(big);
    playerLayout->addWidget(playerNumber_);
    auto* moneyCaption = new QLabel(tr("Money"), playerPanel_);
    moneyCaption->setObjectName("lblMoney");
    playerLayout->addWidget(moneyCaption);
    money_ = new QLabel(playerPanel_);
    money_->setObjectName("lblDispMoney");
    money_->setFont(big);
    playerLayout->addWidget(money_);
    layout->addWidget(playerPanel_);
    round_ = new QLabel(this);
    round_->setObjectName("lblRound");
    round_->setWordWrap(true);
    layout->addWidget(round_);

    selected_ = new UnitPanel(false, this);
    selected_->hide();
    layout->addWidget(selected_);

    next_ = new QPushButton(tr("&Next Turn"), this);
    next_->setObjectName("cmdNext");
    next_->setFocusPolicy(Qt::NoFocus);
    next_->setEnabled(false);
    connect(next_, &QPushButton::clicked, this, &SidePanel::NextTurnClicked);
    layout->addWidget(next_);

    noMoves_ = new QLabel(tr("No moves left"), this);
    noMoves_->setObjectName("shpNoMoves");
    noMoves_->setAlignment(Qt::AlignCenter);
    noMoves_->setStyleSheet("QLabel { background: #b00000; color: white; padding: 4px; }");
    noMoves_->hide();
    layout->addWidget(noMoves_);
    // The log fills what the panels above leave.
    log_ = new EventLogView(this);
    log_->hide();
    layout->addWidget(log_, 1);
    layout->addStretch();
    ShowGameControls(false);
}

int SidePanel::PlayerPanelHeight() const {
    return playerPanel_->sizeHint().height();
}

void SidePanel::ShowGameControls(bool shown) {
    playerPanel_->setVisible(shown);
    round_->setVisible(shown);
    next_->setVisible(shown);
    if (!shown) {
        selected_->hide();
        noMoves_->hide();
    }
}

void SidePanel::ShowPlayer(int player, const QColor& colour) {
    QPalette palette = playerPanel_->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    playerPanel_->setPalette(palette);
    playerNumber_->setText(tr("Player %1").arg(player));
    log_->show();
}

void SidePanel::ShowNoPlayer() {
    // What the last player's log holds is not for the next one's eyes, nor the other way round.
    log_->hide();
    playerPanel_->setPalette(QPalette());
    playerNumber_->clear();
    money_->clear();
    selected_->hide();
    noMoves_->hide();
}

void SidePanel::ShowMoney(const QString& money) {
    money_->setText(money);
}

void SidePanel::ShowRound(const QString& text) {
    round_->setText(text);
}

} // namespace marovane
