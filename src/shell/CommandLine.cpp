#include "shell/CommandLine.h"

#include <QCoreApplication>

namespace marovane {

namespace {

// The switches that take a value, and where ParseCommandLine keeps it.
QString* ValueOf(CommandLine& line, const QString& name, QString& seedText) {
    if (name == "--data")
        return &line.DataDir;
    if (name == "--players")
        return &line.Players;
    if (name == "--seed")
        return &seedText;
    return nullptr;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& words) {
    CommandLine line;
    QString seedText;
    bool seedGiven = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (!word.startsWith('-')) {
            if (line.File.isEmpty())
                line.File = CleanStartFileName(word);
            continue;
        }
        const qsizetype equals = word.indexOf('=');
        const QString name = equals < 0 ? word : word.left(equals);
        QString* value = ValueOf(line, name, seedText);
        if (!value)
            continue; // a switch of no meaning here
        if (equals >= 0) {
            *value = word.mid(equals + 1);
        } else if (i + 1 < words.size()) {
            *value = words[++i];
        } else {
            line.Problem =
                QCoreApplication::translate("CommandLine", "The switch %1 needs a value.")
                    .arg(name);
            continue;
        }
        seedGiven = seedGiven || name == "--seed";
    }
    if (seedGiven) {
        bool ok = false;
        const quint64 seed = seedText.toULongLong(&ok);
        if (ok)
            line.Seed = seed;
        else
            line.Problem = QCoreApplication::translate(
                               "CommandLine", "The seed must be a whole number, not \"%1\".")
                               .arg(seedText);
    }
    return line;
}

InfoRequest InfoRequestOf(const QStringList& words) {
    for (const QString& word : words) {
        if (word == "--help" || word == "-h")
            return InfoRequest::Help;
        if (word == "--version")
            return InfoRequest::Version;
    }
    return InfoRequest::None;
}

QString GameUsage() {
    return "usage: marovane [--data DIR] [--seed N] [--players T1,T2,...] "
           "[GAME.mvg | SCENARIO.def]\n"
           "  GAME.mvg      loads the saved game\n"
           "  SCENARIO.def  brings the scenario into the scenario folder (under a free name when\n"
           "                another scenario has its name), selects it and opens the new-game\n"
           "                dialog\n"
           "  --players T1,T2,...\n"
           "                starts the scenario at once with these player slots: Human,\n"
           "                Computer, Immobile, or nothing for an empty slot\n"
           "  --data DIR    reads the unit table, scenarios, pictures and help pages from DIR\n"
           "  --seed N      seeds the dice, so the same moves give the same game\n"
           "  --help        shows this text and ends\n"
           "  --version     shows the version and ends\n";
}

QString GameVersionLine() {
    return QString("marovane ") + MAROVANE_VERSION + "\n";
}

QString CleanStartFileName(const QString& word) {
    QString name = word.trimmed();
    if (name.startsWith('"'))
        name.remove(0, 1);
    if (name.endsWith('"'))
        name.chop(1);
    return name;
}

StartFileKind KindOfStartFile(const QString& name) {
    if (name.isEmpty())
        return StartFileKind::None;
    const QString ending = name.right(3).toUpper();
    if (ending == "MVG")
        return StartFileKind::SavedGame;
    if (ending == "DEF")
        return StartFileKind::Scenario;
    return StartFileKind::Invalid;
}

} // namespace marovane
