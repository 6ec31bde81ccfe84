#include "ui/GameWindow.h"

#include "ui/Translated.h"

#include "engine/KeepVisit.h"
#include "net/NetworkPlay.h"
#include "scenario/Options.h"
#include "ui/BoardAnimations.h"
#include "ui/BoardPort.h"
#include "ui/BoardWidget.h"
#include "ui/CoverPicture.h"
#include "ui/GameMenus.h"
#include "ui/GameSummaryDialog.h"
#include "ui/KeepDialog.h"
#include "ui/PlainMessage.h"
#include "ui/ProductName.h"
#include "ui/QtText.h"
#include "ui/SidePanel.h"
#include "ui/Translated.h"
#include "ui/UnitNames.h"
#include "ui/UnitPanel.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

// The window as the rules see it: what they tell the player, shown in menus, panels and boxes.

namespace marovane {

namespace {

// How long a message on the status line stays.
constexpr int kStatusMs = 15000;

} // namespace

namespace {

// A text of the rules in the player's language. One that came as it stands is a message another
// machine sent in English.
QString Shown(const Text& text) {
    return text.IsValue() ? PeerTextShown(text.Source()) : Translated(text);
}

} // namespace

void GameWindow::ShowMessage(const Text& text) {
    // What a box tells stays in the log.
    session_->Log().Told(text);
    ShowPlainMessage(this, QMessageBox::Information, kProductName, Shown(text));
}

void GameWindow::ShowStatus(const Text& text) {
    statusBar()->showMessage(Shown(text), kStatusMs);
}

void GameWindow::ShowKeep(KeepVisit& visit) {
    if (exiting_)
        return;
    const int money = visit.Money();
    keep_->Visit(visit);
    // Every sale, rescue and purchase changes the treasury.
    if (visit.Money() != money || visit.Bought() || visit.Rescued())
        emit PlayerDid(PlayerDeed::UsedKeep);
}

void GameWindow::ShowUnitPanel(int panel, int x, int y) {
    const Game& game = CurrentGame();
    UnitPanel* target = panels_[static_cast<size_t>(panel == 0 ? 0 : 1)];
    const Piece piece = x >= 1 && game.OnBoard(x, y) ? game.PieceAt(x, y) : Piece{};
    if (piece.Empty()) {
        target->hide();
        return;
    }
    target->ShowPiece(UnitNameShown(specs_.UnitName[piece.Type]), strip_.Picture(game.PicNum(x, y)),
                      piece.HitPoints, piece.MovesLeft, specs_.HitPoints(piece.Type));
    // The floating panel sits beside the piece's cell.
    if (panel == 0)
        target->FloatAt(
            board_->mapTo(centralWidget(), board_->CellRect(x, y).bottomRight().toPoint()));
    target->show();
}

void GameWindow::NoMovesLeft() {
    side_->NoMovesMarker()->show();
    board_->setCursor(Qt::ForbiddenCursor);
    if (session_->ViewOption(view_option::AutoNextTurn))
        nextTurnTimer_.start();
}

void GameWindow::HideNoMovesMarker() {
    side_->NoMovesMarker()->hide();
}

void GameWindow::DisarmNextTurnTimer() {
    nextTurnTimer_.stop();
}

void GameWindow::NextTurnEnabledChanged() {
    side_->NextTurnButton()->setEnabled(CurrentGame().NextTurnEnabled);
}

void GameWindow::Beep() {
    QApplication::beep();
}

void GameWindow::ViewOptionsChanged() {
    if (!menus_)
        return;
    for (int i = 0; i < view_option::Count; ++i)
        menus_->Option(i)->setChecked(session_->ViewOption(i));
    // A hidden turn shows no thinking.
    menus_->Option(view_option::ShowThinking)
        ->setEnabled(!session_->ViewOption(view_option::HideOpponents));
    boardPort_->SetHealthBars(session_->ViewOption(view_option::HealthBars));
}

void GameWindow::TeamsChanged() {
    for (int k = 0; k < 5; ++k)
        menus_->Teams(k)->setChecked(k == CurrentGame().TeamsMode);
    if (network_)
        network_->TeamsChosen(CurrentGame().TeamsMode);
}

void GameWindow::ShowBackgroundPictures() {
    board_->SetPicture(ProgramPicture("grass.jpg"));
    cover_->SetPicture(ProgramPicture("hide.jpg"), "hide.jpg");
    resumeButton_->hide();
    side_->ShowGameControls(true);
    LayOut();
}

void GameWindow::GameStarted() {
    summarised_ = false;
    animations_->Skip(); // what moved belonged to the last game
    for (int k = 0; k < 5; ++k)
        menus_->Teams(k)->setEnabled(CurrentGame().TeamsAllowed(k));
    emit GameBegan();
}

void GameWindow::TurnStarted() {
    const Game& game = CurrentGame();
    const int p = game.CurrentPlayer;
    if (p < 1)
        return;
    if (session_->HandOverPending()) {
        CoverForHandOver(p);
        return;
    }
    cover_->SetCaption(QString());
    menus_->PlayerMenu()->setEnabled(!game.PlayedRemotely(p));
    menus_->TeamsMenu()->setEnabled(game.Role != NetworkRole::Guest);
    menus_->SetGameMenusEnabled(!game.PlayedRemotely(p), game.Role != NetworkRole::Guest);
    // What the pointer showed of the last player's turn (the computer's last target, say) is
    // no longer news, and would cover cells.
    panels_[0]->hide();
    ShowRound();
    menus_->Computer()->setChecked(game.PlayerComp[p]);
    menus_->Computer()->setEnabled(session_->ComputerSwitchAllowed());
    menus_->Resign()->setEnabled(!game.PlayerComp[p]);
    EnableSaving();
    const Rgb colour = game.PlayerColor[p];
    side_->ShowPlayer(p, QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF));
    setWindowTitle(tr("%1 - %2 - Player %3").arg(Latin1(game.ScenarioName), kProductName).arg(p));
    MoneyChanged();
    side_->NextTurnButton()->setEnabled(game.NextTurnEnabled);
    board_->setCursor(Qt::ArrowCursor);
}

void GameWindow::CoverForHandOver(int player) {
    cover_->SetPicture(ProgramPicture("hide.jpg"), "hide.jpg");
    cover_->SetCaption(tr("Player %1: click to begin your turn").arg(player));
    cover_->show();
    cover_->raise();
    panels_[0]->hide();
    side_->ShowNoPlayer();
    ShowRound();
    menus_->PlayerMenu()->setEnabled(false);
    EnableSaving();
    side_->NextTurnButton()->setEnabled(false);
    board_->setCursor(Qt::ArrowCursor);
}

void GameWindow::BeginHandedOverTurn() {
    if (!session_->HandOverPending())
        return;
    session_->BeginHandedOverTurn();
    boardPort_->SetBoardVisible(true); // hides the cover; the turn's display clears its caption
    TurnStarted();
}

void GameWindow::ShowRound() {
    const Game& game = CurrentGame();
    if (game.CurrentPlayer < 1)
        return;
    side_->ShowRound(tr("%1 - Player %2's turn")
                         .arg(Translated(session_->Record().RoundText()))
                         .arg(game.CurrentPlayer));
}

void GameWindow::ResignAsked() {
    Game& game = CurrentGame();
    if (!game.GameOn)
        return;
    if (QMessageBox::question(this, kProductName, Translated(session_->ResignQuestion()),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    game.Resign();
    EnableComforts();
}

void GameWindow::MoneyChanged() {
    const Game& game = CurrentGame();
    if (game.CurrentPlayer >= 1 && !session_->HandOverPending())
        side_->ShowMoney(Latin1(FormatMoney(game.Money[game.CurrentPlayer])));
}

void GameWindow::EnableSaving() {
    menus_->Save()->setEnabled(session_->SavingAllowed());
    menus_->SaveAs()->setEnabled(session_->SavingAllowed());
    EnableComforts();
}

void GameWindow::EnableComforts() {
    if (!menus_ || !resumeButton_)
        return;
    menus_->Undo()->setEnabled(session_->UndoAllowed());
    menus_->Leave()->setEnabled(network_ && network_->Joined() && CurrentGame().GameOn);
    const bool kept = session_->AutosaveKept();
    menus_->Resume()->setEnabled(kept);
    // The title picture offers the kept game while no game is on.
    resumeButton_->setVisible(kept && !CurrentGame().GameOn &&
                              cover_->PictureName() == "intro.jpg");
}

void GameWindow::UndoStep() {
    if (session_->Undo())
        board_->setCursor(Qt::ArrowCursor);
    EnableComforts();
}

void GameWindow::GameEnded() {
    nextTurnTimer_.stop();
    EnableSaving();
    boardPort_->SetBoardVisible(false);
    board_->SetSize(1, 1);
    side_->ShowGameControls(false);
    setWindowTitle(kProductName);
    cover_->SetPicture(ProgramPicture("intro.jpg"), "intro.jpg");
    cover_->show();
    menus_->SetGameMenusEnabled(false, false);
    EnableComforts();
    emit GameFinished();
    // A game won is summed up; one given up for another, or stopped, is not.
    // Once: ending a game already over (GameOver on a finished game) shows nothing new.
    const auto& ending = session_->Record().Ending();
    if (ending && ending->Winner >= 1 && !exiting_ && !summarised_) {
        summarised_ = true;
        summary_->ShowFor(CurrentGame(), session_->Record());
    }
}

} // namespace marovane
