#include "ui/WindowScheduler.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace marovane {

void WindowScheduler::Wait(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

void WindowScheduler::ProcessEvents() {
    // The rules let the window run many times a turn; a screen shows no more than about sixty
    // frames a second, so running it more often would only repaint the board for nothing.
    // A computer turn calls here hundreds of times, often only a few instructions apart, and
    // reading the clock costs more than that: it is read only at every 32nd call.
    if (++callsUnlooked_ % 32 != 0 && eventsRun_ != Clock::time_point{})
        return;
    const Clock::time_point now = Clock::now();
    if (now - eventsRun_ < std::chrono::milliseconds(15))
        return;
    QCoreApplication::processEvents();
    eventsRun_ = Clock::now();
}

} // namespace marovane

namespace marovane {

void WindowScheduler::ProcessEventsNow() {
    QCoreApplication::processEvents();
    eventsRun_ = Clock::now();
}

} // namespace marovane
