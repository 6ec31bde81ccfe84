#include "cli/ScriptPlayer.h"

#include "cli/StateJson.h"

#include "engine/Game.h"
#include "engine/HeadlessPort.h"
#include "engine/KeepVisit.h"
#include "session/GameSession.h"
#include "util/Error.h"

#include <charconv>
#include <istream>
#include <sstream>

namespace marovane {

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

int Number(const std::string& word) {
    int value = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        throw Error("\"" + word + "\" is not a whole number.");
    return value;
}

} // namespace

void ScriptPlayer::Play(std::istream& in) {
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        try {
            Execute(line);
        } catch (const Error& error) {
            throw Error("Line " + std::to_string(number) + " (" + line + "): " + error.what());
        }
    }
}

void ScriptPlayer::Execute(const std::string& line) {
    auto words = Words(line);
    if (words.empty() || words[0][0] == '#')
        return;
    if (!game_.GameOn)
        throw Error("The game is over.");
    const std::string& command = words[0];
    if (command == "move" || command == "attack" || command == "preview") {
        if (words.size() != 5)
            throw Error("A " + command + " needs four numbers: X1 Y1 X2 Y2.");
        std::vector<int> cells;
        for (size_t i = 1; i < 5; ++i)
            cells.push_back(Number(words[i]));
        if (command == "preview")
            Preview(cells);
        else
            Move(cells, command == "attack");
    } else if (command == "undo" && words.size() == 1) {
        if (!session_ || !session_->UndoAllowed())
            throw Error("There is no step of this turn to take back.");
        session_->Undo();
    } else if (command == "next") {
        Next(words);
    } else if (command == "resign" && words.size() == 1) {
        game_.Resign();
    } else if (command == "computer" && words.size() == 1) {
        game_.SwitchComputer();
    } else {
        throw Error("Unknown command; use move, attack, next, resign, computer, undo or preview.");
    }
}

void ScriptPlayer::Select(int x, int y) {
    if (!game_.OnBoard(x, y))
        throw Error("The cell is off the board.");
    if (game_.PlayerComp[game_.CurrentPlayer])
        throw Error("Player " + std::to_string(game_.CurrentPlayer) +
                    " is played by the computer.");
    if (game_.PieceAt(x, y).Owner != game_.CurrentPlayer)
        throw Error("No unit of player " + std::to_string(game_.CurrentPlayer) + " stands there.");
    if (game_.HighX != x || game_.HighY != y)
        game_.CellClick(x, y);
    if (game_.HighX != x || game_.HighY != y)
        throw Error("That unit has no moves left.");
}

void ScriptPlayer::Preview(const std::vector<int>& c) {
    // Only what the window shows under the pointer: nothing for a cell the player cannot see.
    previews_.push_back(PreviewToJson(game_.PreviewAttack(c[0], c[1], c[2], c[3])));
}

void ScriptPlayer::Move(const std::vector<int>& c, bool attack) {
    Select(c[0], c[1]);
    if (!game_.OnBoard(c[2], c[3]))
        throw Error("The target cell is off the board.");
    const int before = game_.BoardUnit(c[0], c[1]);
    const int targetBefore = game_.BoardUnit(c[2], c[3]);
    // A cell the player cannot see is empty grass to him, as it is to a click in the window.
    const bool targetEmpty = game_.VisiblePicNum(c[2], c[3]) < 0;
    if (attack == targetEmpty)
        throw Error(attack ? "There is nothing to attack there." : "That cell is occupied.");
    const ClickAction action = game_.ClickPreview(c[2], c[3]);
    const ClickOutcome outcome = game_.CellClick(c[2], c[3]);
    // A void attack is fought but changes nothing; a step says itself whether it was taken (the
    // cell it left may hold a captive freed by it).
    const bool done = attack ? game_.BoardUnit(c[0], c[1]) != before ||
                                   game_.BoardUnit(c[2], c[3]) != targetBefore ||
                                   game_.PicNum(c[0], c[1]) < 0 || !game_.GameOn
                             : outcome == ClickOutcome::Stepped;
    if (!done)
        throw Error(attack ? WhyNoAttack(c, action) : "The unit cannot step there.");
}

std::string ScriptPlayer::WhyNoAttack(const std::vector<int>& c, ClickAction action) const {
    const bool inReach = action == ClickAction::Attack || action == ClickAction::Arrow ||
                         action == ClickAction::Rock || action == ClickAction::Oil ||
                         action == ClickAction::Heal || action == ClickAction::Repair;
    if (inReach) {
        switch (game_.WhyAttackIsVoid(c[0], c[1], c[2], c[3])) {
        case VoidAttack::CatapultInCastle:
            return "The attack is void: a catapult cannot shoot from inside a castle.";
        case VoidAttack::AcrossWall:
            return "The attack is void: this unit cannot attack across a castle wall.";
        case VoidAttack::FromWall:
            return "The attack is void: this unit cannot attack from a castle wall.";
        case VoidAttack::Neighbour:
            return "The attack is void: this unit cannot attack a neighbouring cell.";
        case VoidAttack::None:
            break;
        }
        return "The attack changed nothing.";
    }
    if (game_.SameTeam(game_.PieceAt(c[2], c[3]).Owner, game_.CurrentPlayer))
        return "A team-mate is only healed by a priest in reach or repaired by a peasant next to "
               "it, and only when hurt.";
    return "The unit cannot reach that target.";
}

void ScriptPlayer::Next(const std::vector<std::string>& words) {
    if (game_.PlayerComp[game_.CurrentPlayer])
        throw Error("Player " + std::to_string(game_.CurrentPlayer) +
                    " is played by the computer.");
    // The keep actions answer the visit to the keep at the end of this player's turn.
    std::vector<std::pair<std::string, int>> actions;
    for (size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "sell" || words[i] == "rescue") {
            actions.push_back({words[i], -1});
        } else if (words[i] == "buy" && i + 1 < words.size()) {
            actions.push_back({"buy", Number(words[++i])});
        } else {
            throw Error("After next come only sell, rescue and buy T.");
        }
    }
    const int player = game_.CurrentPlayer;
    bool visited = false;
    std::string failure;
    port_.KeepAnswer = [&](KeepVisit& visit) {
        if (visit.Player() != player || visited)
            return;
        visited = true;
        try {
            for (const auto& [action, type] : actions) {
                if (action == "sell")
                    visit.Sell();
                else if (action == "rescue")
                    visit.Rescue();
                else
                    visit.Buy(type);
            }
        } catch (const Error& error) {
            failure = error.what();
        }
    };
    game_.NextPlayer();
    port_.KeepAnswer = nullptr;
    if (!failure.empty())
        throw Error(failure);
    if (!actions.empty() && !visited)
        throw Error("The keep had nothing to offer.");
}

} // namespace marovane
