// Makes the program's data files from the readable sources in data/: checks the unit table and
// copies it, and builds every scenario source (data/scenarios/*.json) into its ".def" record.
//
//   marovane-make-data DATA_DIR PROGRAM_DIR

#include "engine/UnitSpecs.h"
#include "scenario/DefFile.h"
#include "scenario/DefJson.h"
#include "util/AtomicFile.h"
#include "util/Error.h"
#include "util/JsonParse.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;
using namespace marovane;

namespace {

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Error("Cannot read \"" + path.string() + "\".");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void MakeScenario(const fs::path& source, const fs::path& programDir) {
    json::Value value;
    GameDef def;
    try {
        value = json::Parse(ReadText(source));
        def = DefFromJson(value);
    } catch (const Error& error) {
        throw Error(source.string() + ": " + error.what());
    }
    std::string name = source.stem().string();
    if (auto given = value.find("Name"); given != value.end() && given->is_string())
        name = given->get<std::string>();
    WriteDefFile(programDir / (name + ".def"), def);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: marovane-make-data DATA_DIR PROGRAM_DIR\n";
        return 2;
    }
    const fs::path dataDir = argv[1];
    const fs::path programDir = argv[2];
    try {
        std::string specs = ReadText(dataDir / "specs.txt");
        ParseSpecs(specs, (dataDir / "specs.txt").string());
        WriteFileAtomically(programDir / "specs.txt", specs);

        std::vector<fs::path> sources;
        for (const auto& entry : fs::directory_iterator(dataDir / "scenarios")) {
            if (entry.path().extension() == ".json")
                sources.push_back(entry.path());
        }
        std::sort(sources.begin(), sources.end());
        for (const auto& source : sources)
            MakeScenario(source, programDir);
    } catch (const std::exception& error) {
        std::cerr << "marovane-make-data: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
