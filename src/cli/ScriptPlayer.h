#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace marovane {

enum class ClickAction;
class Game;
class HeadlessPort;

// Plays commands, one a line, as the human whose turn it is would play them with the mouse:
//   move X1 Y1 X2 Y2      select the unit on (X1, Y1) and click the neighbouring cell
//   attack X1 Y1 X2 Y2    select the unit and click its target (also to heal or repair)
//   next [sell] [rescue] [buy T]   end the turn, doing these in the keep if it is visited
//   resign                the current player gives up
//   computer              switch the current player between human and computer
// Blank lines and lines starting with '#' are skipped. A command the player could not give,
// or one that changes nothing, stops the script with a marovane::Error naming its line.
class ScriptPlayer {
public:
    ScriptPlayer(Game& game, HeadlessPort& port) : game_(game), port_(port) {}

    void Play(std::istream& in);
    void Execute(const std::string& line);

private:
    void Move(const std::vector<int>& cells, bool attack);
    void Next(const std::vector<std::string>& words);
    void Select(int x, int y);
    // Why an attack that was given changed nothing; action is what the click was to do.
    std::string WhyNoAttack(const std::vector<int>& cells, ClickAction action) const;

    Game& game_;
    HeadlessPort& port_;
};

} // namespace marovane
