#pragma once

#include "engine/GamePort.h"

#include <chrono>

namespace marovane {

// Waiting for the rules while the window keeps working: pauses run a local event loop, and
// letting events run is limited to what a screen can show.
class WindowScheduler : public Scheduler {
public:
    void Wait(double seconds) override;
    void ProcessEvents() override;
    void ProcessEventsNow() override;

private:
    using Clock = std::chrono::steady_clock;
    // When window events last ran from inside the rules, and the calls since the clock was last
    // read.
    Clock::time_point eventsRun_{};
    unsigned callsUnlooked_ = 0;
};

} // namespace marovane
