#pragma once

#include "engine/GamePort.h"

#include <functional>
#include <string>
#include <vector>

namespace marovane {

// The port without a window: messages are recorded in order, nothing waits. A human's keep
// visit is answered by KeepAnswer when one is set, and closed unchanged otherwise.
class HeadlessPort : public GamePort {
public:
    void ShowMessage(const std::string& text) override { Messages.push_back(text); }
    void ShowStatus(const std::string& text) override { StatusLines.push_back(text); }
    void ShowKeep(KeepVisit& visit) override {
        if (KeepAnswer)
            KeepAnswer(visit);
    }

    std::vector<std::string> Messages;
    std::vector<std::string> StatusLines;
    std::function<void(KeepVisit&)> KeepAnswer;
};

} // namespace marovane
