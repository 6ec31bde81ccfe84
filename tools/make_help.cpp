// Lays out the help pages in the program folder: copies the pages and their style sheet from
// data/help, and fills the unit table of "units.html" from the shipped unit table, so the help
// always gives the numbers the game plays with.
//
//   marovane-make-help DATA_DIR PROGRAM_DIR

#include "engine/UnitSpecs.h"
#include "util/AtomicFile.h"
#include "util/Error.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;
using namespace marovane;

namespace {

const std::string kTableMark = "<!-- unit table -->";

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Error("Cannot read \"" + path.string() + "\".");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The names are Latin-1, the pages UTF-8; HTML's own characters are escaped.
std::string Html(const std::string& latin1) {
    std::string out;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (byte >= 0x80)
            out += "&#" + std::to_string(byte) + ";";
        else
            out += c;
    }
    return out;
}

// The damage a roll can give: from the least up to one below the greatest.
std::string Damage(const UnitSpecs& specs, int t) {
    const int low = specs.UnitMinDamage[t];
    const int high = std::max(low, specs.UnitMaxDamage[t] - 1);
    return low == high ? std::to_string(low)
                       : std::to_string(low) + "&ndash;" + std::to_string(high);
}

// A bonus column: 9 means the unit cannot fight that way at all.
std::string Bonus(int value) {
    return value == 9 ? "cannot" : std::to_string(value);
}

std::string Penalty(int value) {
    if (value == 9)
        return "cannot";
    return value == 0 ? "0" : "&minus;" + std::to_string(value);
}

std::string UnitTable(const UnitSpecs& specs) {
    std::ostringstream table;
    // Headings are broken by hand at their spaces, and every cell but the unit's name is kept on
    // one line (class "n"), so no column is narrowed into splitting a word; the name column takes
    // what is left and breaks between words.
    table << "<table id=\"units\" width=\"100%\">\n<tr><th>Unit</th><th>Hit<br>points</th>"
             "<th>Moves</th><th>Price</th><th>Damage</th><th>Range</th><th>Close<br>combat</th>"
             "<th>From<br>a wall</th><th>Across<br>a wall</th></tr>\n";
    for (int t = 0; t < kUnitTypes; ++t) {
        const std::string cells[] = {
            std::to_string(specs.HitPoints(t)),
            std::to_string(specs.Moves(t)),
            specs.UnitCost[t] < 1 ? "not for sale" : std::to_string(specs.UnitCost[t]),
            Damage(specs, t),
            std::to_string(specs.UnitRange[t]),
            Bonus(specs.UnitCloseBonus[t]),
            // A catapult cannot shoot from any castle cell, so its bonus from a wall never
            // counts, whatever the table holds.
            t == unit_type::Catapult ? "never" : Bonus(specs.UnitWallBonus[t]),
            Penalty(specs.UnitWallPenalty[t]),
        };
        table << "<tr><td>" << Html(specs.UnitName[t]) << "</td>";
        for (const std::string& cell : cells)
            table << "<td class=\"n\">" << cell << "</td>";
        table << "</tr>\n";
    }
    table << "</table>";
    return table.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: marovane-make-help DATA_DIR PROGRAM_DIR\n";
        return 2;
    }
    const fs::path dataDir = argv[1];
    const fs::path helpDir = fs::path(argv[2]) / "help";
    try {
        const UnitSpecs specs = LoadSpecs(dataDir / "specs.txt");
        fs::create_directories(helpDir);
        for (const auto& entry : fs::directory_iterator(dataDir / "help")) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".html" && extension != ".css")
                continue;
            std::string text = ReadText(entry.path());
            if (entry.path().filename() == "units.html") {
                const size_t mark = text.find(kTableMark);
                if (mark == std::string::npos)
                    throw Error(entry.path().string() + " has no \"" + kTableMark + "\".");
                text.replace(mark, kTableMark.size(), UnitTable(specs));
            }
            WriteFileAtomically(helpDir / entry.path().filename(), text);
        }
    } catch (const std::exception& error) {
        std::cerr << "marovane-make-help: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
