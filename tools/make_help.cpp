// Lays out the help pages in the program folder: copies the pages and their style sheet from
// data/help (English) and its language folders (data/help/de, ...), and fills the unit table of
// every "units.html" from the shipped unit table, so the help always gives the numbers the game
// plays with, in the words of the page's language.
//
//   marovane-make-help DATA_DIR PROGRAM_DIR

#include "engine/UnitSpecs.h"
#include "util/AtomicFile.h"
#include "util/Error.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;
using namespace marovane;

namespace {

const std::string kTableMark = "<!-- unit table -->";

// The words a language's unit table is written with. A unit keeps the name of the unit table
// unless the language names it: a modded name is shown as it is.
struct TableWords {
    const char* folder; // inside help/; English is the help folder itself
    const char* headings;
    const char* notForSale;
    const char* cannot;
    const char* never;
    std::map<std::string, std::string> names; // shipped English name -> UTF-8 name
};

// Headings are broken by hand at their spaces (or a hyphen), and every cell but the unit's name is
// kept on one line (class "n"), so no column is narrowed into splitting a word; the name column
// takes what is left and breaks between words.
const TableWords kLanguages[] = {
    {"",
     "<th>Unit</th><th>Hit<br>points</th><th>Moves</th><th>Price</th><th>Damage</th>"
     "<th>Range</th><th>Close<br>combat</th><th>From<br>a wall</th><th>Across<br>a wall</th>",
     "not for sale",
     "cannot",
     "never",
     {}},
    {"de",
     "<th>Einheit</th><th>Lebens-<br>punkte</th><th>Schritte</th><th>Preis</th>"
     "<th>Schaden</th><th>Reich-<br>weite</th><th>Nah-<br>kampf</th><th>Von der<br>Mauer</th>"
     "<th>Über die<br>Mauer</th>",
     "unverkäuflich",
     "unmöglich",
     "nie",
     {{"Peasant", "Bauer"},
      {"Priest", "Priester"},
      {"Catapult", "Katapult"},
      {"Light Infantry", "Leichte Infanterie"},
      {"Medium Infantry", "Mittlere Infanterie"},
      {"Heavy Infantry", "Schwere Infanterie"},
      {"Light Archer", "Leichter Bogenschütze"},
      {"Medium Archer", "Mittlerer Bogenschütze"},
      {"Heavy Archer", "Schwerer Bogenschütze"},
      {"Light Cavalry", "Leichte Reiterei"},
      {"Medium Cavalry", "Mittlere Reiterei"},
      {"Heavy Cavalry", "Schwere Reiterei"},
      {"King", "König"},
      {"Queen", "Königin"},
      {"Wall", "Mauer"}}},
};

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
std::string Bonus(int value, const TableWords& words) {
    return value == 9 ? words.cannot : std::to_string(value);
}

std::string Penalty(int value, const TableWords& words) {
    if (value == 9)
        return words.cannot;
    return value == 0 ? "0" : "&minus;" + std::to_string(value);
}

std::string UnitName(const UnitSpecs& specs, int t, const TableWords& words) {
    const auto named = words.names.find(specs.UnitName[t]);
    return named == words.names.end() ? Html(specs.UnitName[t]) : named->second;
}

std::string UnitTable(const UnitSpecs& specs, const TableWords& words) {
    std::ostringstream table;
    table << "<table id=\"units\" width=\"100%\">\n<tr>" << words.headings << "</tr>\n";
    for (int t = 0; t < kUnitTypes; ++t) {
        const std::string cells[] = {
            std::to_string(specs.HitPoints(t)),
            std::to_string(specs.Moves(t)),
            specs.UnitCost[t] < 1 ? words.notForSale : std::to_string(specs.UnitCost[t]),
            Damage(specs, t),
            std::to_string(specs.UnitRange[t]),
            Bonus(specs.UnitCloseBonus[t], words),
            // A catapult cannot shoot from any castle cell, so its bonus from a wall never
            // counts, whatever the table holds.
            t == unit_type::Catapult ? words.never : Bonus(specs.UnitWallBonus[t], words),
            Penalty(specs.UnitWallPenalty[t], words),
        };
        table << "<tr><td>" << UnitName(specs, t, words) << "</td>";
        for (const std::string& cell : cells)
            table << "<td class=\"n\">" << cell << "</td>";
        table << "</tr>\n";
    }
    table << "</table>";
    return table.str();
}

// Copies one language's pages from SOURCE to TARGET, with its unit table filled in.
void LayOut(const fs::path& source, const fs::path& target, const UnitSpecs& specs,
            const TableWords& words) {
    fs::create_directories(target);
    for (const auto& entry : fs::directory_iterator(source)) {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".html" && extension != ".css"))
            continue;
        std::string text = ReadText(entry.path());
        if (entry.path().filename() == "units.html") {
            const size_t mark = text.find(kTableMark);
            if (mark == std::string::npos)
                throw Error(entry.path().string() + " has no \"" + kTableMark + "\".");
            text.replace(mark, kTableMark.size(), UnitTable(specs, words));
        }
        WriteFileAtomically(target / entry.path().filename(), text);
    }
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
        for (const TableWords& words : kLanguages)
            LayOut(dataDir / "help" / words.folder, helpDir / words.folder, specs, words);
    } catch (const std::exception& error) {
        std::cerr << "marovane-make-help: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
