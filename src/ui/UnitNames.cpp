#include "ui/UnitNames.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace marovane {

namespace {

// The names of the unit table that ships with the game.
constexpr std::array<const char*, 15> kShippedNames = {
    QT_TRANSLATE_NOOP("Units", "Peasant"),
    QT_TRANSLATE_NOOP("Units", "Priest"),
    QT_TRANSLATE_NOOP("Units", "Catapult"),
    QT_TRANSLATE_NOOP("Units", "Light Infantry"),
    QT_TRANSLATE_NOOP("Units", "Medium Infantry"),
    QT_TRANSLATE_NOOP("Units", "Heavy Infantry"),
    QT_TRANSLATE_NOOP("Units", "Light Archer"),
    QT_TRANSLATE_NOOP("Units", "Medium Archer"),
    QT_TRANSLATE_NOOP("Units", "Heavy Archer"),
    QT_TRANSLATE_NOOP("Units", "Light Cavalry"),
    QT_TRANSLATE_NOOP("Units", "Medium Cavalry"),
    QT_TRANSLATE_NOOP("Units", "Heavy Cavalry"),
    QT_TRANSLATE_NOOP("Units", "King"),
    QT_TRANSLATE_NOOP("Units", "Queen"),
    QT_TRANSLATE_NOOP("Units", "Wall")};

} // namespace

QString UnitNameShown(const std::string& name) {
    const auto shipped = std::find_if(kShippedNames.begin(), kShippedNames.end(),
                                      [&name](const char* known) { return name == known; });
    if (shipped == kShippedNames.end())
        return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    return QCoreApplication::translate("Units", *shipped);
}

} // namespace marovane
