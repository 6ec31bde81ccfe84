#pragma once

#include <QColor>
#include <QPlainTextEdit>
#include <QStringList>

#include <functional>

namespace marovane {

class EventLog;

// The event log under the side panel: a read-only list of lines in plain text, each in the
// colour of the player who acted (headings in bold), the newest at the bottom. It stays at the
// bottom as lines come, unless the player scrolled back to read.
class EventLogView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit EventLogView(QWidget* parent = nullptr);

    // Shows the log's lines and follows them from now on; `colour` gives a player's colour.
    void Follow(EventLog& log, std::function<QColor(int player)> colour);

    // The lines shown, and the colour line i is written in.
    QStringList LineTexts() const;
    QColor LineColour(int line) const;
    // A player's colour made dark enough to read on the log's light background.
    static QColor ReadableColour(const QColor& colour);

private:
    void Refresh(bool rewritten);

    EventLog* log_ = nullptr;
    std::function<QColor(int)> colour_;
    // How many of the log's lines are shown.
    size_t shown_ = 0;
};

} // namespace marovane
