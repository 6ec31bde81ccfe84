#pragma once

#include "engine/BoardArrays.h"
#include "engine/ComputerPlayer.h"
#include "engine/GameEvent.h"
#include "engine/GameNetwork.h"
#include "engine/GamePort.h"
#include "engine/GameState.h"
#include "engine/GameStateFields.h"
#include "engine/Piece.h"
#include "engine/Random.h"
#include "engine/TurnJournal.h"
#include "engine/UnitSpecs.h"
#include "scenario/GameDef.h"
#include "scenario/NewGameSetup.h"
#include "scenario/PlayerCorner.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace marovane {

// One row of a player's piece list: a board cell and the piece's type; -1 in all three for the
// rows after the last piece.
struct PartyPiece {
    int X = -1;
    int Y = -1;
    int Type = -1;
};
inline constexpr int kPartyRows = 201;

// Castle cells, as InCastle answers.
namespace castle_cell {
inline constexpr int Outside = 0;
inline constexpr int Gate = 1;
inline constexpr int Wall = 2;
inline constexpr int Yard = 3;
inline constexpr int Keep = 4;
} // namespace castle_cell

// What a click on a cell would do with the selected unit: the pointer the board shows.
enum class ClickAction { None, Select, Move, Attack, Arrow, Rock, Oil, Heal, Repair, NoDrop };

// Whether the click fights a battle: an attack of any kind, a healing or a repair.
constexpr bool FightsBattle(ClickAction action) {
    return action >= ClickAction::Attack && action <= ClickAction::Repair;
}

// What a human's click on a cell did.
enum class ClickOutcome { Nothing, Selected, Stepped, Fought };

// Why a battle ends without any effect: a catapult cannot shoot from inside a castle, and a
// statistic of 9 forbids attacking across a castle wall, from a wall, or a neighbouring cell.
enum class VoidAttack { None, CatapultInCastle, AcrossWall, FromWall, Neighbour };

// What one attack does for one damage roll, before its hit test: why it is void, or the hit
// points it takes off (negative when healing or repair restores them).
struct AttackEffect {
    VoidAttack Void = VoidAttack::None;
    int Damage = 0;
};

// What an attack would do, worked out by the battle's own arithmetic over every roll, so the
// player sees it before he attacks. Spans are the lowest and the highest value.
struct AttackPreview {
    using Span = std::pair<int, int>;
    double HitChance = 0;
    Span Damage{0, 0};           // hit points a hit takes off
    std::optional<Span> Counter; // what the target strikes back with, when it can
    std::optional<Span> Heal;    // hit points that healing or repair restore
};

// Why a new game cannot be made from a scenario, whatever the players (a damaged or hand-made
// file: a formation or placements naming no unit, a board too small or too large), as the
// message a new game shows; empty when it can.
Text ScenarioRefusal(const GameDef& def, const std::string& name);

// One game: its state (GameState, whose fields it shows as its own) and the rules that act on it.
// Only the rules and the session write the state; the formats that carry it walk its field
// table (GameStateFields.h).
class Game : public GameState {
public:
    Game(const UnitSpecs& specs, BoardView& view, GameInteraction& interaction,
         Scheduler& scheduler, uint64_t seed);
    Game(const UnitSpecs& specs, GamePort& port, uint64_t seed)
        : Game(specs, port, port, port, seed) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    const UnitSpecs& Specs() const { return specs_; }
    const GameState& State() const { return *this; }
    BoardView& View() { return view_; }
    GameInteraction& Interaction() { return interaction_; }
    Scheduler& Schedule() { return scheduler_; }
    Random& Rng() { return random_; }
    // The computer player and the network link; null means none (a local game, or computer
    // turns that wait).
    void SetComputerPlayer(ComputerPlayer* computer) { computer_ = computer; }
    void SetNetwork(GameNetwork* network) { network_ = network ? network : &localGame_; }
    GameNetwork& Network() { return *network_; }
    // Who hears of a human's steps and turns; null means nobody.
    void SetTurnJournal(TurnJournal* journal) { journal_ = journal; }
    // Listeners hear every event the rules publish, in the order they happen, until they stop.
    void Listen(GameEventListener* listener);
    void StopListening(GameEventListener* listener);

    // ---- Board ------------------------------------------------------------------------------
    bool OnBoard(int x, int y) const {
        return x >= 1 && y >= 1 && x <= BoardWidth && y <= BoardHeight;
    }
    // The board arrays (see BoardArrays); off the board they throw std::out_of_range.
    int16_t& BoardUnit(int x, int y) { return board_.BoardUnit(x, y); }
    int16_t BoardUnit(int x, int y) const { return board_.BoardUnit(x, y); }
    int16_t& BoardPic(int x, int y) { return board_.BoardPic(x, y); }
    int16_t BoardPic(int x, int y) const { return board_.BoardPic(x, y); }
    uint8_t& Seen(int x, int y, int p) { return board_.Seen(x, y, p); }
    uint8_t Seen(int x, int y, int p) const { return board_.Seen(x, y, p); }
    uint8_t& BoardMark(int x, int y) { return board_.BoardMark(x, y); }
    uint8_t BoardMark(int x, int y) const { return board_.BoardMark(x, y); }
    const BoardArrays& Board() const { return board_; }

    // Picture number of a cell, (owner - 1) * 15 + type, or -1 when empty.
    int PicNum(int x, int y) const { return BoardPic(x, y) - 1; }
    void SetPicNum(int x, int y, int picture);
    // The piece on a cell: owner, type, hit points and moves left.
    Piece PieceAt(int x, int y) const { return DecodePiece(PicNum(x, y), BoardUnit(x, y)); }

    // Converts a player-relative cell to the board cell (and back: the mapping is its own inverse).
    Cell ToPlayerSide(Cell c, int p) const { return ToPlayerCorner(c, p, BoardWidth, BoardHeight); }
    void ToPlayerSide(int& x, int& y, int p) const;
    int GetX(int x, int p) const { return ToPlayerSide(Cell{x, 1}, p).X; }
    int GetY(int y, int p) const { return ToPlayerSide(Cell{1, y}, p).Y; }

    // Places a piece at a cell of the player's own frame; off-board cells are ignored. Type -1
    // with player 1 clears the cell.
    void SetUnit(int x, int y, int type, int player);
    // Places a piece of type 0..14 at a board cell.
    void PlaceUnit(int x, int y, int type, int player);
    static bool IsPartyUnit(int type) { return type < unit_type::King; }
    bool HasUnit(int type, int player) const;

    // Makes every board array anew, empty, for the current BoardWidth, BoardHeight and
    // NumPlayers (a new game, a loaded game, a board received from the host). Work that lets
    // window events run compares GameSerial before and after: it changes with every new board.
    void ResizeBoard();
    // Puts a whole board in place of the game's, as ResizeBoard does (a loaded game, a board
    // received from another machine). It must be of the game's BoardWidth, BoardHeight and
    // NumPlayers; otherwise std::invalid_argument is thrown and nothing changes.
    void ReplaceBoard(BoardArrays board);
    uint32_t GameSerial() const { return gameSerial_; }
    // After the state was replaced whole (a load, a step taken back, a board from another
    // machine): the view shows every cell's picture and the treasuries again.
    void ShowWholeBoard();
    // Puts another state in place of the game's: the fields of the table that `carried` names
    // (see GameStateFields.h), and the whole board, which must be of the state's size and
    // players (std::invalid_argument otherwise, and nothing changes). Nothing is shown; the front
    // end shows the whole board again (a loaded game, a board received from another machine).
    void TakeState(const GameState& state, unsigned carried, BoardArrays board);
    // The same for the fields alone, the board staying as it is.
    void TakeFields(const GameState& state, unsigned carried) {
        CopyCarriedFields(state, *this, carried);
    }
    // A saved game takes the place of this one: its saved fields and board, as TakeState. What
    // no file keeps starts afresh: no unit offered yet this turn, no idle turns, and hot-seat
    // play when more than one human still plays.
    void TakeSavedState(const GameState& state, BoardArrays board);

    bool CastlesInForce() const;
    bool KeepsInForce() const;

    // ---- Players ----------------------------------------------------------------------------
    bool IsVacant(int p) const;
    bool PlayedRemotely(int p) const;
    // Who plays player p, as this machine sees it.
    SeatKind Seat(int p) const;
    // Under fog, two or more humans still in the game share this machine: the board is covered
    // between their turns, so that nobody sees what the fog hides from him.
    bool HandsOverBetweenTurns() const;

    // ---- This machine's part in a network game ------------------------------------------------
    // The machine's role, and the player it plays (0 for none: a host, or a local game).
    void SetNetworkRole(NetworkRole role, int myPlayer);
    // The game is played here alone from now on: no guests, no host.
    void LeaveNetwork();
    // On the host: player p is played by the guest on that connection, or by the computer here.
    void SeatRemote(int p, int connection);
    void SeatComputer(int p);
    // On the host, before a new game: the connection of the guest playing each player (0: none).
    void SetRemoteSeats(const PerPlayer<int16_t>& connections) { RemotePlayer = connections; }
    // On a guest: the host handed player p a turn, so p is in the game, whatever this machine
    // thought.
    void ReturnToPlay(int p) { PlayerOut[p] = false; }
    // On a guest: the players on this guest's side, as the host told it.
    void SetNetTeam(const PerPlayer<bool>& team) { NetTeam = team; }

    // ---- Teams ------------------------------------------------------------------------------
    bool SameTeam(int p, int q) const;
    Text TeamName(int p) const;
    // The Teams menu: chooses arrangement k, or the first allowed one when the scenario forbids
    // k. A negative k checks against the mask Not k (with k taken as 0) instead of the scenario's.
    void ChooseTeams(int k);
    bool TeamsAllowed(int mode) const;
    // On a guest: the arrangement the host chose, taken as it is (the host kept to the scenario).
    void TakeTeamsFromHost(int mode);

    // ---- View options that the rules read ----------------------------------------------------
    // "Hide Opponents Turn": switching it on also switches "Show Computer Thinking" off.
    void SetHideOpponents(bool hide);
    void SetShowThinking(bool show);

    // ---- A new game -------------------------------------------------------------------------
    // Starts a new game from a scenario file. On a refusal the message is shown, the previous
    // game stays exactly as it was, and the answer is false.
    bool NewGame(const std::filesystem::path& path, const NewGameSetup& setup);

    // ---- Movement, castles and parties --------------------------------------------------------
    // Exchanges the pieces (strength codes and pictures) of two cells.
    void Swap(int x1, int y1, int x2, int y2);
    // One step of the unit on (x1, y1) to the neighbouring cell (x2, y2). A refused step sets x2
    // to -1, changes nothing and answers false.
    bool MovePiece(int x1, int y1, int& x2, int y2);
    // Whether MovePiece would take that step.
    bool CanStep(int x1, int y1, int x2, int y2) const;
    // Every piece on the board gets its moves back, also one of a type without hit points whose
    // strength code fell to 0 as it used its last move: the picture tells that a piece stands
    // there.
    void RenewAllMoves();
    // Whether the current player still has a unit with moves left; when not, the port shows it.
    bool CheckMoves();
    int InCastle(int x, int y) const;
    bool ThroughWall(int x1, int y1, int x2, int y2, int range) const;
    // The first player in whose 4 x 4 home corner the cell lies, or 0.
    int CornerOwner(int x, int y) const;
    // Marks the 3 x 3 block around every piece of p except wall pieces as explored by p.
    void MarkPartyArea(int p);
    // The number of p's units that count as party members (royals and walls do not).
    int PartySize(int p) const;
    // p's pieces in board order (x outer, y inner), then rows of -1, kPartyRows rows in all.
    std::vector<PartyPiece> FindParty(int p) const;
    // The castle and keep outlines of player p, drawn through the port.
    void DrawCastle(int p);

    // ---- Combat -------------------------------------------------------------------------------
    // The unit on (x1, y1) attacks, heals or repairs the piece on (x2, y2). Callers have checked
    // that the attacker is the current player's, has moves left and reaches the target.
    void Battle(int x1, int y1, int x2, int y2);
    // Whether that battle would end without any effect, and why.
    VoidAttack WhyAttackIsVoid(int x1, int y1, int x2, int y2) const;
    // The whole numbers a unit type's damage roll gives, lowest and highest.
    std::pair<int, int> RollRange(int type) const;
    // The attack of (x1, y1) on (x2, y2) for one roll of its damage, as Battle fights it.
    AttackEffect AttackFor(int x1, int y1, int x2, int y2, int roll) const;
    // The damage the target strikes back with for one roll of its own, as Battle fights it;
    // nothing when it does not strike back (not a neighbour, a team-mate, or it cannot).
    std::optional<int> CounterFor(int x1, int y1, int x2, int y2, int roll) const;
    // The same two for pieces standing where a plan would put them rather than where the board
    // has them: the attacker as given on (x1, y1), the target as given on (x2, y2).
    AttackEffect AttackBetween(const Piece& attacker, int x1, int y1, const Piece& target, int x2,
                               int y2, int roll) const;
    std::optional<int> CounterBetween(const Piece& attacker, int x1, int y1, const Piece& target,
                                      int x2, int y2, int roll) const;
    // A strength code after taking damage (negative heals), capped at the type's full hit
    // points; below 10 the piece is destroyed.
    int StrengthAfter(int code, int damage, int type) const;
    // What an attack, a healing or a repair by the current player's unit on (x1, y1) would do to
    // (x2, y2); nothing when a click there would not fight (a cell hidden by fog included).
    std::optional<AttackPreview> PreviewAttack(int x1, int y1, int x2, int y2) const;

    // ---- Board refresh ----------------------------------------------------------------------
    // Refreshes the board after a change: releases captives whose owner came next to them and,
    // with fog of war, works out which cells the current player sees.
    void Update();
    // Highlights a cell; a cell the current player cannot see is remembered but not shown.
    void Highlight(int x, int y, Rgb colour = colour::LightMagenta);
    // Removes the highlight and the reach circle; nothing is selected afterwards.
    void HighlightOff();
    // Whether the current player sees the cell (always true without fog of war).
    bool Visible(int x, int y) const { return visible_[CellIndex(x, y)] != 0; }
    // The cells player p sees now, one byte per cell in rows (1 = seen), whoever's turn it is:
    // what his units see around them, his own castle and keep, every King and Queen, and the
    // cells his turn explored or a fight gave away to him. Visible is this for the current player.
    std::vector<uint8_t> SightOf(int p) const;
    // The picture number the current player sees on a cell: a cell hidden by fog of war looks
    // like empty grass (-1), so nothing a human can point at or click reveals what stands there.
    int VisiblePicNum(int x, int y) const { return Visible(x, y) ? PicNum(x, y) : -1; }
    Piece VisiblePieceAt(int x, int y) const { return Visible(x, y) ? PieceAt(x, y) : Piece{}; }
    // Waits half a second or so while the window runs, when there is something to watch.
    void Pause(double seconds);

    // ---- Turns, victory and defeat ----------------------------------------------------------
    // Ends the current turn and starts the next; returns when a human or remote player is to
    // move, or the game is over.
    void NextPlayer();
    // On a guest: the host's board for this machine's own turn is in place; the turn begins, and a
    // computer playing this machine's player plays it through.
    void BeginGuestTurn();
    void CheckWin(int p);
    void Win(int p, int reason, bool teams);
    void CheckLose(int p);
    void Lose(int p, int reason);
    // A player another machine reports out of the game: out, with his pieces off the board and
    // his treasury empty, as the rules leave a player who lost there. Nothing is announced (that
    // machine did it). Without this the board would hold pieces of a player who is out until the
    // next board arrived, and for good when none came (the guest whose turn it was left first).
    void TakeOutPlayer(int p);
    // The current player gives up.
    void Resign();
    // Player > Computer: the current player changes between human and computer control; a
    // computer plays the rest of the turn at once.
    void SwitchComputer();
    // The current player is the computer's: it plays the rest of the turn, and the turn passes on
    // unless the player changed hands meanwhile. Without a computer player the turn waits.
    void PlayComputerTurnNow();
    void GameOver();
    // Stops a running game without ending it: no turn goes on, nothing can be taken back, and
    // work that lets window events run returns at its next check. A new game or a network game
    // replaces it next.
    void Stop();
    // Whether p could buy some unit in his keep now.
    bool CanBuySomething(int p) const;
    // A game starts or is loaded: no turn of it has passed without a move yet.
    void ResetIdleTurns() { idleTurns_ = 0; }
    void SetNextTurnEnabled(bool enabled);
    // The file the game was loaded from or saved to last.
    void SetSaveFile(std::string path) { SaveFile = std::move(path); }

    // ---- Keep and treasury ------------------------------------------------------------------
    // The end-of-turn visit to p's keep: an enemy there raids it; otherwise p may sell, rescue
    // or buy through the keep dialog or the computer player.
    void DoKeep(int p);

    // ---- Human input --------------------------------------------------------------------------
    void SelectPiece(int x, int y);
    // The selection moves to the cell without being shown (a computer that hides its thinking).
    void SelectQuietly(int x, int y) {
        HighX = static_cast<int16_t>(x);
        HighY = static_cast<int16_t>(y);
    }
    void UnselectPiece();
    // Shows the piece on a cell in a unit panel (0: under the pointer, 1: the selection).
    void DispStats(int x, int y, int panel);
    // A click on a board cell by the human whose turn it is; answers what it did.
    ClickOutcome CellClick(int x, int y);
    // Selects the current player's next unit with moves left, farthest from home first.
    void SelectNextUnit();
    // What a click on the cell would do with the selected unit, and the chance to hit.
    ClickAction ClickPreview(int x, int y, double* hitChance = nullptr) const;
    // The same for the unit on (sx, sy) as the selection.
    ClickAction ClickActionFrom(int sx, int sy, int x, int y, double* hitChance = nullptr) const;

private:
    size_t CellIndex(int x, int y) const { return board_.CellIndex(x, y); }
    VoidAttack WhyVoidFor(int attackerType, int x1, int y1, int x2, int y2) const;
    void ExecutePlacements();
    void ReleaseCaptives();
    void ComputeSight();
    void EndTurn();
    // Takes p's pieces off the board, puts him out and empties his treasury, as a defeat does.
    void ClearPlayer(int p);
    void PrepareTurn();
    void ApplyKeepVisit(const KeepVisit& visit);
    // The part of an amount that p's treasury can take without leaving the 16-bit range.
    int MoneyThatFits(int p, int amount) const;
    // Nothing done so far in this turn can be taken back any more.
    void StepsFinal() {
        if (journal_)
            journal_->StepsFinal();
    }
    void Publish(const GameEvent& event);
    // Ends the game, as GameOver does, telling how it ended.
    void Finish(const game_event::GameEnd& end);

    const UnitSpecs& specs_;
    BoardView& view_;
    GameInteraction& interaction_;
    Scheduler& scheduler_;
    Random random_;
    ComputerPlayer* computer_ = nullptr;
    // The turn that just began is judged: a victory at its start, and whether the player can
    // move. Nothing when the game ended, or was replaced while the window ran.
    std::optional<bool> JudgeTurnStart(uint32_t serial);

    GameNetwork localGame_;
    GameNetwork* network_ = &localGame_;
    TurnJournal* journal_ = nullptr;
    std::vector<GameEventListener*> listeners_;
    // Turns in a row that began with no unit able to move; ends a game nobody can go on with.
    int idleTurns_ = 0;
    uint32_t gameSerial_ = 0;

    BoardArrays board_;
    // What the current player sees under fog of war, one byte per cell (1 = visible).
    std::vector<uint8_t> visible_;
};

} // namespace marovane
