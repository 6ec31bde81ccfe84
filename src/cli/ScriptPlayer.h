#pragma once

#include "util/Json.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace marovane {

enum class ClickAction;
class Game;
class GameSession;
class HeadlessPort;

// Plays commands, one a line, as the human whose turn it is would play them with the mouse:
//   move X1 Y1 X2 Y2      select the unit on (X1, Y1) and click the neighbouring cell
//   attack X1 Y1 X2 Y2    select the unit and click its target (also to heal or repair)
//   next [sell] [rescue] [buy T]   end the turn, doing these in the keep if it is visited
//   resign                the current player gives up
//   computer              switch the current player between human and computer
//   undo                  take back the current player's last step (Game > Undo)
//   preview X1 Y1 X2 Y2   what attacking (X2, Y2) with the unit on (X1, Y1) would do, added to
//                         Previews: null where a click would not fight or the player cannot see
// Blank lines and lines starting with '#' are skipped. A command the player could not give,
// or one that changes nothing, stops the script with a marovane::Error naming its line.
class ScriptPlayer {
public:
    // Undo needs the session that keeps the steps; without one it is refused.
    ScriptPlayer(Game& game, HeadlessPort& port, GameSession* session = nullptr)
        : game_(game), port_(port), session_(session) {}

    void Play(std::istream& in);
    void Execute(const std::string& line);
    // One entry per preview command, in order (see PreviewToJson).
    const json::Value& Previews() const { return previews_; }

private:
    void Move(const std::vector<int>& cells, bool attack);
    void Next(const std::vector<std::string>& words);
    void Select(int x, int y);
    void Preview(const std::vector<int>& cells);
    // Why an attack that was given changed nothing; action is what the click was to do.
    std::string WhyNoAttack(const std::vector<int>& cells, ClickAction action) const;

    Game& game_;
    HeadlessPort& port_;
    GameSession* session_;
    json::Value previews_ = json::Value::array();
};

} // namespace marovane
