#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

namespace marovane {

// Runs the event loop until `done`, waking at every event (QTest::qWaitFor sleeps between its
// looks, which would hold every message back); false when the time ran out.
inline bool RunUntil(const std::function<bool()>& done, int ms = 5000) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

} // namespace marovane
