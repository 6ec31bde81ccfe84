#include "engine/Game.h"

#include "engine/Announcements.h"
#include "engine/KeepVisit.h"
#include "scenario/Options.h"

#include <algorithm>
#include <optional>
#include <span>

namespace marovane {

void Game::SetNextTurnEnabled(bool enabled) {
    NextTurnEnabled = enabled;
    interaction_.NextTurnEnabledChanged();
}

bool Game::CanBuySomething(int p) const {
    if (!KeepsInForce())
        return false;
    for (int t = 0; t < kUnitTypes; ++t) {
        if (UnitAllowed(t, Def.UnitsAllowed) && specs_.UnitCost[t] >= 1 &&
            specs_.UnitCost[t] <= Money[p])
            return true;
    }
    return false;
}

void Game::EndTurn() {
    StepsFinal();
    UnselectPiece();
    if (!PlayedRemotely(CurrentPlayer))
        DoKeep(CurrentPlayer);
    // A guest's copy of the board is a turn behind for the players of other machines: the host
    // judges them.
    if (!PlayedRemotely(CurrentPlayer) || Role != NetworkRole::Guest)
        CheckWin(CurrentPlayer);
    if (!GameOn)
        return;
    KilledThisTurn = 0;
    // A guest's copy of the board is replaced by the host's before this machine plays again:
    // renewing the moves of another machine's player here would be work thrown away.
    if (Role == NetworkRole::Guest && PlayedRemotely(CurrentPlayer))
        return;
    RenewAllMoves();
    if (CurrentPlayer >= 1 && CurrentPlayer <= board_.Players()) {
        const size_t cells = board_.BoardUnitArray().size();
        const std::span<uint8_t> seen =
            board_.SeenArray().subspan(static_cast<size_t>(CurrentPlayer - 1) * cells, cells);
        std::fill(seen.begin(), seen.end(), uint8_t{0});
    }
    if (Role == NetworkRole::Guest && CurrentPlayer == MyPlayer)
        network_->SendBoardToHost(CurrentPlayer);
}

void Game::PrepareTurn() {
    NextUnitIndex = 0;
    UnselectPiece();
    const int p = CurrentPlayer;
    // A player shown on this machine sees his own board; anyone else's turn is hidden when
    // opponents' turns are hidden or the player sits at another machine.
    if (PlayedRemotely(p) || HideOpponents) {
        if (Seat(p) == SeatKind::HumanHere) {
            // Under fog the window's cover asks the player to begin his turn instead.
            if (HotSeat && !HandsOverBetweenTurns()) {
                view_.SetBoardVisible(false);
                interaction_.ShowMessage(Tx("Rules", "Player %1's Turn").Arg(p));
            }
            view_.SetBoardVisible(true);
        } else {
            view_.SetBoardVisible(false);
        }
    } else {
        view_.SetBoardVisible(true);
    }
    Update();
    interaction_.TurnStarted();
    interaction_.MoneyChanged();
}

void Game::NextPlayer() {
    // Whether the next pass starts by ending the current player's turn; a player who was just
    // conquered at the start of his turn has no turn to end.
    bool endTurn = true;
    // Dialogs, pauses and computer turns let the window run; if it started or loaded another
    // game meanwhile, this turn sequence belongs to a game that is gone.
    const uint32_t serial = gameSerial_;
    while (true) {
        if (!GameOn || serial != gameSerial_)
            return;
        if (endTurn && CurrentPlayer > 0) {
            EndTurn();
            if (!GameOn || serial != gameSerial_)
                return;
        }
        endTurn = true;

        // The next player still in the game.
        int tries = 0;
        do {
            if (!GameOn)
                return;
            interaction_.HideNoMovesMarker();
            if (CurrentPlayer == NumPlayers)
                RoundFlag = 0;
            CurrentPlayer = static_cast<int16_t>(CurrentPlayer % NumPlayers + 1);
            SetNextTurnEnabled(false);
        } while (PlayerOut[CurrentPlayer] && ++tries <= NumPlayers);
        if (PlayerOut[CurrentPlayer]) {
            GameOver(); // nobody is left to play
            return;
        }

        // Told first, so that the display of the turn knows whose turn and which round it is.
        Publish(game_event::TurnStart{CurrentPlayer});
        PrepareTurn();
        if (serial != gameSerial_)
            return; // the hot-seat announcement let the window run
        network_->TurnPassed(CurrentPlayer);
        // A guest follows the turns the host announces; its own turn begins when the host's
        // board arrives (BeginGuestTurn).
        if (Role == NetworkRole::Guest)
            return;
        const std::optional<bool> movable = JudgeTurnStart(serial);
        if (!movable)
            return;
        const bool canMove = *movable;

        if (!canMove) {
            int playing = 0;
            bool someoneCanBuy = false;
            for (int p = 1; p <= NumPlayers; ++p) {
                playing += !PlayerOut[p];
                // Money alone is not enough: a keep with no room for the party never opens.
                someoneCanBuy =
                    someoneCanBuy || (!PlayerOut[p] && KeepVisit(*this, p).PurchasePossible());
            }
            // Two whole rounds in which nobody could move: when nobody still in can buy
            // either, the game cannot go on.
            const bool longIdle = ++idleTurns_ > 2 * playing;
            if (longIdle && !someoneCanBuy) {
                interaction_.ShowMessage(
                    Tx("Rules", "No player can move or buy any more. The game is over."));
                GameOver();
                return;
            }
            if (!CanBuySomething(CurrentPlayer)) {
                Lose(CurrentPlayer, -1);
                endTurn = !PlayerOut[CurrentPlayer];
                continue;
            }
            if (!longIdle)
                continue; // the turn ends at once: his keep lets him buy
            // The players keep passing without buying: rather than end turn after turn at
            // once, this one plays his turn like anybody, and his keep at its end lets him buy.
            // A human here ends it with Next Turn.
            if (Seat(CurrentPlayer) == SeatKind::HumanHere)
                SetNextTurnEnabled(true);
        } else {
            idleTurns_ = 0;
        }

        if (Seat(CurrentPlayer) == SeatKind::Computer) {
            if (!computer_)
                return; // nobody plays the computer: wait like for a human
            const bool goOn = computer_->PlayTurn(*this);
            scheduler_.ProcessEvents();
            if (!goOn || !GameOn || serial != gameSerial_ || !PlayerComp[CurrentPlayer])
                return;
            continue;
        }
        if (journal_ && Seat(CurrentPlayer) == SeatKind::HumanHere)
            journal_->HumanTurnBegins(*this);
        network_->HandOverTurn(CurrentPlayer);
        return;
    }
}

std::optional<bool> Game::JudgeTurnStart(uint32_t serial) {
    CheckWin(CurrentPlayer);
    if (!GameOn)
        return std::nullopt;
    const bool canMove = CheckMoves();
    interaction_.DisarmNextTurnTimer();
    if (serial != gameSerial_)
        return std::nullopt;
    return canMove;
}

void Game::BeginGuestTurn() {
    if (!GameOn || Role != NetworkRole::Guest || CurrentPlayer != MyPlayer)
        return;
    const uint32_t serial = gameSerial_;
    PrepareTurn();
    if (serial != gameSerial_)
        return;
    const std::optional<bool> canMove = JudgeTurnStart(serial);
    if (!canMove)
        return;
    if (!PlayerComp[CurrentPlayer]) {
        // The host hands over a turn without moves when the keep at its end can buy.
        if (!*canMove)
            SetNextTurnEnabled(true);
        return;
    }
    if (!computer_)
        return;
    computer_->PlayTurn(*this);
    scheduler_.ProcessEvents();
    if (GameOn && serial == gameSerial_ && CurrentPlayer == MyPlayer)
        NextPlayer();
}

void Game::CheckWin(int p) {
    if (!GameOn || p < 1 || p > NumPlayers || PlayerOut[p])
        return;
    const bool teams = TeamsMode != 0;
    if (teams) {
        bool allHome = true;
        for (int q = 1; q <= NumPlayers; ++q) {
            if (SameTeam(p, q) && PlayerResult[q] < 2)
                allHome = false;
        }
        if (allHome)
            Win(p, 2, true);
    } else if (PlayerResult[p] == 2) {
        Win(p, 2, false);
    }
    if (!GameOn)
        return;
    if (teams) {
        bool enemiesLeft = false;
        for (int q = 1; q <= NumPlayers; ++q) {
            if (!SameTeam(p, q) && !PlayerOut[q])
                enemiesLeft = true;
        }
        if (!enemiesLeft)
            Win(p, 1, true);
    } else {
        int out = 0;
        for (int q = 1; q <= NumPlayers; ++q)
            out += PlayerOut[q];
        if (out == NumPlayers - 1)
            Win(p, 1, false);
    }
}

void Game::Win(int p, int reason, bool teams) {
    if (!GameOn || reason < 1 || reason > 2 || !WinCond[reason])
        return;
    if (reason == 2 && !OptionSet(option_bit::Royalty, Def.Options))
        return;
    view_.SetBoardVisible(true);
    bool mateInGame = false;
    for (int q = 1; q <= NumPlayers; ++q) {
        if (q != p && SameTeam(p, q) && !PlayerOut[q])
            mateInGame = true;
    }
    Text message;
    if (teams && mateInGame)
        message = Tx("Rules", reason == 1 ? announcement::kTeamConquered : announcement::kTeamWins)
                      .Arg(TeamName(p));
    else
        message = Tx("Rules", reason == 1 ? announcement::kConquered : announcement::kWins).Arg(p);
    interaction_.ShowMessage(message);
    // What goes to the other machines is English; each shows it in its player's language.
    network_->AnnounceWin(p, message.English());
    Finish(game_event::GameEnd{p, reason, teams && mateInGame});
}

void Game::CheckLose(int p) {
    if (!GameOn || p < 1 || p > NumPlayers)
        return;
    if (FindParty(p)[0].X < 0 && !CanBuySomething(p))
        Lose(p, -1);
    if (PlayerResult[p] < 1 && KingX[p] < 1 && QueenX[p] < 1 && !HasUnit(unit_type::King, p) &&
        !HasUnit(unit_type::Queen, p))
        Lose(p, -2);
}

void Game::Lose(int p, int reason) {
    if (reason < -3 || reason > 0 || !LoseCond[-reason] || p < 1 || p > NumPlayers)
        return;
    if (reason == -2 && !OptionSet(option_bit::Royalty, Def.Options))
        return;
    if (PlayerOut[p])
        return;
    StepsFinal();
    static const char* const kEndings[] = {announcement::kResigns, announcement::kBeaten,
                                           announcement::kLoses, announcement::kCastleTaken};
    const Text message = Tx("Rules", kEndings[-reason]).Arg(p);
    interaction_.ShowMessage(message);
    network_->AnnounceLoss(p, message.English());
    ClearPlayer(p);
    Publish(game_event::PlayerOut{p, -reason});
    interaction_.MoneyChanged();
    Update();
    for (int q = 1; q <= NumPlayers && GameOn; ++q)
        CheckWin(q);
}

void Game::Resign() {
    if (!GameOn)
        return;
    HighlightOff();
    LoseCond[0] = true;
    Lose(CurrentPlayer, 0);
    if (GameOn)
        NextPlayer();
}

void Game::SwitchComputer() {
    if (!GameOn || CurrentPlayer < 1)
        return;
    StepsFinal();
    const int p = CurrentPlayer;
    PlayerComp[p] = !PlayerComp[p];
    view_.SetBoardVisible(!PlayerComp[p] || !HideOpponents);
    Update();
    interaction_.TurnStarted();
    if (!PlayerComp[p]) {
        SetNextTurnEnabled(true);
        return;
    }
    PlayComputerTurnNow();
}

void Game::PlayComputerTurnNow() {
    if (!GameOn || CurrentPlayer < 1 || !PlayerComp[CurrentPlayer] || !computer_)
        return; // nobody to play it: the turn waits
    const uint32_t serial = gameSerial_;
    computer_->PlayTurn(*this);
    scheduler_.ProcessEvents();
    if (GameOn && serial == gameSerial_ && PlayerComp[CurrentPlayer])
        NextPlayer();
}

void Game::GameOver() {
    Finish(game_event::GameEnd{});
}

void Game::ClearPlayer(int p) {
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            if (PieceAt(x, y).Owner == p) {
                BoardUnit(x, y) = 0;
                SetPicNum(x, y, -1);
            }
        }
    }
    PlayerOut[p] = true;
    Money[p] = 0;
}

void Game::TakeOutPlayer(int p) {
    ClearPlayer(p);
    interaction_.MoneyChanged();
    Update();
}

void Game::Stop() {
    StepsFinal();
    GameOn = false;
    idleTurns_ = 0;
}

void Game::Finish(const game_event::GameEnd& end) {
    const bool wasOn = GameOn;
    StepsFinal();
    HighlightOff();
    network_->AnnounceGameOver();
    GameOn = false;
    idleTurns_ = 0;
    if (wasOn)
        Publish(end);
    view_.SetBoardVisible(false);
    interaction_.GameEnded();
}

} // namespace marovane
