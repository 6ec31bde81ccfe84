#pragma once

#include "engine/GamePort.h"

#include <functional>
#include <string>
#include <vector>

namespace marovane {

// The port without a window: messages are recorded in order, in English, nothing waits. A human's
// keep visit is answered by KeepAnswer when one is set, and closed unchanged otherwise.
class HeadlessPort : public GamePort {
public:
    void ShowMessage(const Text& text) override { Messages.push_back(text.English()); }
    void ShowStatus(const Text& text) override { StatusLines.push_back(text.English()); }
    void ShowKeep(KeepVisit& visit) override {
        if (KeepAnswer)
            KeepAnswer(visit);
    }

    std::vector<std::string> Messages;
    std::vector<std::string> StatusLines;
    std::function<void(KeepVisit&)> KeepAnswer;
};

} // namespace marovane
