#include "ui/GameSummaryDialog.h"

#include "engine/Game.h"
#include "scenario/Options.h"
#include "session/GameRecord.h"
#include "ui/QtText.h"
#include "ui/Translated.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QPushButton>
#include <QVBoxLayout>

namespace marovane {

namespace {

constexpr int kColumns = 4;

QString WinnerLine(const Game& game, const game_event::GameEnd& end) {
    if (end.Winner < 1)
        return GameSummaryDialog::tr("The game ended without a winner.");
    // Whole sentences, so that a language may put the winner where it belongs.
    const bool home = end.Reason == 2;
    if (end.Team)
        return (home ? GameSummaryDialog::tr("%1 win by bringing the royals home.")
                     : GameSummaryDialog::tr("%1 win by conquest."))
            .arg(Translated(game.TeamName(end.Winner)));
    return (home ? GameSummaryDialog::tr("Player %1 wins by bringing the royals home.")
                 : GameSummaryDialog::tr("Player %1 wins by conquest."))
        .arg(end.Winner);
}

} // namespace

GameSummaryDialog::GameSummaryDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("dlgSummary");
    setWindowTitle(tr("Game Over"));
    auto* layout = new QVBoxLayout(this);
    winner_ = new QLabel(this);
    winner_->setObjectName("lblWinner");
    QFont big = winner_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    winner_->setFont(big);
    layout->addWidget(winner_);
    rounds_ = new QLabel(this);
    rounds_->setObjectName("lblRounds");
    layout->addWidget(rounds_);
    table_ = new QGridLayout;
    table_->setHorizontalSpacing(18);
    const char* headings[kColumns] = {QT_TR_NOOP("Player"), QT_TR_NOOP("Units lost"),
                                      QT_TR_NOOP("Units destroyed"), QT_TR_NOOP("Money spent")};
    for (int c = 0; c < kColumns; ++c) {
        auto* heading = new QLabel(QString("<b>%1</b>").arg(tr(headings[c]).toHtmlEscaped()), this);
        heading->setAlignment(c == 0 ? Qt::AlignLeft : Qt::AlignRight);
        table_->addWidget(heading, 0, c);
    }
    layout->addLayout(table_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    newGame_ = new QPushButton(tr("&New Game"), this);
    newGame_->setObjectName("cmdSummaryNew");
    close_ = new QPushButton(tr("&Close"), this);
    close_->setObjectName("cmdSummaryClose");
    close_->setDefault(true);
    buttons->addWidget(newGame_);
    buttons->addWidget(close_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(newGame_, &QPushButton::clicked, this, [this] {
        accept();
        emit NewGameWanted();
    });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void GameSummaryDialog::ShowFor(const Game& game, const GameRecord& record) {
    const game_event::GameEnd end = record.Ending().value_or(game_event::GameEnd{});
    winner_->setText(WinnerLine(game, end));
    rounds_->setText(
        (record.RoundKnown() ? tr("Rounds played: %1") : tr("Rounds played: %1 (since loading)"))
            .arg(record.Round()));
    // The players' lines of an earlier game go.
    for (int row = table_->rowCount() - 1; row >= 1; --row) {
        for (int c = 0; c < kColumns; ++c) {
            if (QLayoutItem* item = table_->itemAtPosition(row, c)) {
                delete item->widget();
            }
        }
    }
    for (int p = 1; p <= record.NumPlayers() && p <= kMaxPlayers; ++p) {
        const GameRecord::Tally& tally = record.For(p);
        const Rgb colour = game.PlayerColor[p];
        const QString values[kColumns] = {tr("Player %1").arg(p), QString::number(tally.UnitsLost),
                                          QString::number(tally.UnitsDestroyed),
                                          Latin1(FormatMoney(tally.MoneySpent))};
        for (int c = 0; c < kColumns; ++c) {
            auto* cell = new QLabel(values[c], this);
            cell->setAlignment(c == 0 ? Qt::AlignLeft : Qt::AlignRight);
            // The player's name on his colour, as beside the board.
            if (c == 0)
                cell->setStyleSheet(QString("QLabel { background: #%1; color: black; padding: 2px "
                                            "6px; }")
                                        .arg(colour & 0xFFFFFF, 6, 16, QChar('0')));
            table_->addWidget(cell, p, c);
        }
    }
    open();
}

QString GameSummaryDialog::WinnerText() const {
    return winner_->text();
}

QString GameSummaryDialog::RoundsText() const {
    return rounds_->text();
}

QStringList GameSummaryDialog::Row(int player) const {
    QStringList cells;
    for (int c = 0; c < kColumns; ++c) {
        QLayoutItem* item = table_->itemAtPosition(player, c);
        auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
        cells << (label ? label->text() : QString());
    }
    return cells;
}

} // namespace marovane
