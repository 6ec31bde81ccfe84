#include "ui/UnitNames.h"

#include "engine/UnitSpecs.h"
#include "ui/Translated.h"

namespace marovane {

QString UnitNameShown(const std::string& name) {
    return Translated(UnitNameText(name));
}

} // namespace marovane
