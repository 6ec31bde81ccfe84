#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace marovane {

// What the game was started with:
//
//   marovane [--data DIR] [--seed N] [--players Human,Computer,...] [FILE]
//
// Words that begin with "-" are switches; the three above take a value (as the next word or after
// "="), any other switch is ignored. The first word that is not a switch names the file to open.
struct CommandLine {
    QString DataDir;
    std::optional<quint64> Seed;
    QString Players;
    QString File;
    // A switch whose value is missing or unreadable; empty when all is well.
    QString Problem;
};

// Reads the words after the program's own name.
CommandLine ParseCommandLine(const QStringList& words);

// What the game answers at once, without a window (and so without a display): its usage for
// --help or -h, its version for --version. Asked before anything else starts.
enum class InfoRequest { None, Help, Version };
InfoRequest InfoRequestOf(const QStringList& words);
QString GameUsage();
QString GameVersionLine();

// What a file named on the command line is taken for, by its name alone.
enum class StartFileKind {
    None,      // nothing named
    SavedGame, // ends in "mvg" in any case: loaded like Game > Load
    Scenario,  // ends in "def" in any case: a new game of it
    Invalid,   // anything else: refused with "Invalid File: " and the name
};

// The name as given, without surrounding blanks and double quotes (a desktop may pass a quoted
// path).
QString CleanStartFileName(const QString& word);
StartFileKind KindOfStartFile(const QString& name);

} // namespace marovane
