#include "scenario/NewGameSetup.h"

#include "util/Error.h"
#include "util/Latin1.h"

#include <algorithm>
#include <utility>

namespace marovane {

std::vector<SlotKind> ParseSlotKinds(const std::string& list) {
    static const std::vector<std::pair<std::string, SlotKind>> kKinds = {
        {"human", SlotKind::Human},       {"computer", SlotKind::Computer},
        {"immobile", SlotKind::Immobile}, {"remote", SlotKind::Remote},
        {"none", SlotKind::None},         {"", SlotKind::None},
    };
    std::vector<SlotKind> slots;
    std::string::size_type start = 0;
    while (true) {
        auto comma = list.find(',', start);
        std::string word(Trim(list.substr(start, comma - start)));
        std::string lower = word;
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        auto kind = std::find_if(kKinds.begin(), kKinds.end(),
                                 [&](const auto& named) { return named.first == lower; });
        if (kind == kKinds.end())
            throw Error("Unknown player type \"" + word +
                        "\": use Human, Computer, Immobile, Remote, or nothing for an empty slot.");
        slots.push_back(kind->second);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (slots.empty() || slots.size() > 4)
        throw Error("--players names 1 to 4 slots.");
    return slots;
}

} // namespace marovane
