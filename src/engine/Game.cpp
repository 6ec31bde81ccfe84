#include "engine/Game.h"

#include "engine/GameStateFields.h"
#include "scenario/Options.h"

#include <algorithm>
#include <span>
#include <stdexcept>

namespace marovane {

Game::Game(const UnitSpecs& specs, BoardView& view, GameInteraction& interaction,
           Scheduler& scheduler, uint64_t seed)
    : specs_(specs), view_(view), interaction_(interaction), scheduler_(scheduler), random_(seed) {}

void Game::Listen(GameEventListener* listener) {
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void Game::StopListening(GameEventListener* listener) {
    std::erase(listeners_, listener);
}

void Game::Publish(const GameEvent& event) {
    // A copy: a listener may stop listening while it hears.
    const std::vector<GameEventListener*> listeners = listeners_;
    for (GameEventListener* listener : listeners)
        listener->Heard(*this, event);
}

void Game::ResizeBoard() {
    ReplaceBoard(BoardArrays(BoardWidth, BoardHeight, NumPlayers));
}

void Game::ReplaceBoard(BoardArrays board) {
    if (board.Width() != BoardWidth || board.Height() != BoardHeight ||
        board.Players() != NumPlayers)
        throw std::invalid_argument("a board of another size than the game's");
    ++gameSerial_;
    board_ = std::move(board);
    visible_.assign(static_cast<size_t>(BoardWidth) * static_cast<size_t>(BoardHeight), 1);
}

void Game::TakeState(const GameState& state, unsigned carried, BoardArrays board) {
    GameState next = *this;
    CopyCarriedFields(state, next, carried);
    if (board.Width() != next.BoardWidth || board.Height() != next.BoardHeight ||
        board.Players() != next.NumPlayers)
        throw std::invalid_argument("a board of another size than the state's");
    static_cast<GameState&>(*this) = std::move(next);
    ReplaceBoard(std::move(board));
}

void Game::TakeSavedState(const GameState& state, BoardArrays board) {
    TakeState(state, carried::SavedFile, std::move(board));
    NextUnitIndex = 0;
    ResetIdleTurns();
    int humans = 0;
    for (int p = 1; p <= NumPlayers; ++p)
        humans += !PlayerComp[p] && !PlayerOut[p];
    HotSeat = humans > 1;
}

void Game::ShowWholeBoard() {
    // Straight from the array: a board from another machine is shown at every turn.
    const std::span<const int16_t> pictures = board_.BoardPicArray();
    const auto width = static_cast<size_t>(BoardWidth);
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y)
            view_.CellPictureChanged(
                x, y,
                pictures[static_cast<size_t>(y - 1) * width + static_cast<size_t>(x - 1)] - 1);
    }
    interaction_.MoneyChanged();
}

void Game::SetPicNum(int x, int y, int picture) {
    BoardPic(x, y) = static_cast<int16_t>(picture + 1);
    view_.CellPictureChanged(x, y, picture);
}

void Game::ToPlayerSide(int& x, int& y, int p) const {
    const Cell c = ToPlayerSide(Cell{x, y}, p);
    x = c.X;
    y = c.Y;
}

void Game::SetUnit(int x, int y, int type, int player) {
    ToPlayerSide(x, y, player);
    if (!OnBoard(x, y))
        return;
    SetPicNum(x, y, PictureNumber(player, type));
    BoardUnit(x, y) = type < 0 ? 0 : specs_.UnitStrength[type];
}

void Game::PlaceUnit(int x, int y, int type, int player) {
    SetPicNum(x, y, PictureNumber(player, type));
    BoardUnit(x, y) = specs_.UnitStrength[type];
}

bool Game::HasUnit(int type, int player) const {
    const int picture = PictureNumber(player, type);
    for (int x = 1; x <= BoardWidth; ++x) {
        for (int y = 1; y <= BoardHeight; ++y) {
            if (BoardUnit(x, y) > 0 && PicNum(x, y) == picture)
                return true;
        }
    }
    return false;
}

bool Game::CastlesInForce() const {
    return OptionSet(option_bit::Castle, Def.Options);
}

bool Game::KeepsInForce() const {
    return OptionSet(option_bit::NoKeep, Def.Options);
}

bool Game::IsVacant(int p) const {
    return PlayerOut[p] && !PlayerComp[p] && Def.PlayerKinds != 0;
}

bool Game::PlayedRemotely(int p) const {
    switch (Role) {
    case NetworkRole::Guest:
        // A guest marks the players of the other machines as played by the computer.
        return p != MyPlayer && PlayerComp[p];
    case NetworkRole::Host:
        return RemotePlayer[p] != 0;
    case NetworkRole::Local:
        break;
    }
    return false;
}

void Game::SetNetworkRole(NetworkRole role, int myPlayer) {
    Role = role;
    MyPlayer = static_cast<int16_t>(myPlayer);
}

void Game::LeaveNetwork() {
    SetNetworkRole(NetworkRole::Local, 0);
    RemotePlayer = {};
}

void Game::SeatRemote(int p, int connection) {
    RemotePlayer[p] = static_cast<int16_t>(connection);
    PlayerComp[p] = false;
}

void Game::SeatComputer(int p) {
    RemotePlayer[p] = 0;
    PlayerComp[p] = true;
}

SeatKind Game::Seat(int p) const {
    if (IsVacant(p))
        return SeatKind::Vacant;
    if (PlayedRemotely(p))
        return SeatKind::Remote;
    return PlayerComp[p] ? SeatKind::Computer : SeatKind::HumanHere;
}

bool Game::HandsOverBetweenTurns() const {
    if (!FogOn)
        return false;
    int humansHere = 0;
    for (int p = 1; p <= NumPlayers; ++p)
        humansHere += !PlayerOut[p] && Seat(p) == SeatKind::HumanHere;
    return humansHere >= 2;
}

void Game::SetHideOpponents(bool hide) {
    HideOpponents = hide;
    // A hidden board shows nothing of the computer's thinking, so that option goes off with it.
    if (hide)
        NoThinking = true;
    interaction_.ViewOptionsChanged();
}

void Game::SetShowThinking(bool show) {
    NoThinking = !show;
    interaction_.ViewOptionsChanged();
}

} // namespace marovane
