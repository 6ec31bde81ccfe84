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
    // Calls come every microsecond or two during a computer turn, and reading the clock costs
    // about as much as the work between them: it is read only at every eighth call.
    if (eventsRun_.isValid() && (++callsUnlooked_ % 8 != 0 || eventsRun_.elapsed() < 15))
        return;
    QCoreApplication::processEvents();
    eventsRun_.restart();
}

} // namespace marovane
