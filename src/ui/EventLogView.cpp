#include "ui/EventLogView.h"

#include "session/EventLog.h"
#include "ui/QtText.h"
#include "ui/Translated.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace marovane {

EventLogView::EventLogView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("txtLog");
    setReadOnly(true);
    // The keys belong to the board (Space, Escape); the mouse may still select and scroll.
    setFocusPolicy(Qt::NoFocus);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setUndoRedoEnabled(false);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    setFont(small);
}

void EventLogView::Follow(EventLog& log, std::function<QColor(int player)> colour) {
    log_ = &log;
    colour_ = std::move(colour);
    log.Changed = [this](bool rewritten) { Refresh(rewritten); };
    Refresh(true);
}

QColor EventLogView::ReadableColour(const QColor& colour) {
    // The players' colours are bright (green, red, blue, cyan): darkened alike they keep apart.
    return colour.darker(160);
}

void EventLogView::Refresh(bool rewritten) {
    if (!log_)
        return;
    const auto& lines = log_->Lines();
    QScrollBar* bar = verticalScrollBar();
    const bool atBottom = rewritten || bar->value() >= bar->maximum();
    if (rewritten || lines.size() < shown_) {
        clear();
        shown_ = 0;
    }
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    for (; shown_ < lines.size(); ++shown_) {
        const EventLog::Line& line = lines[shown_];
        QTextCharFormat format;
        format.setForeground(line.Player >= 1 && colour_ ? ReadableColour(colour_(line.Player))
                                                         : palette().color(QPalette::Text));
        format.setFontWeight(line.Heading ? QFont::Bold : QFont::Normal);
        if (!document()->isEmpty())
            cursor.insertBlock();
        // Plain text: whatever a message holds is shown as it stands.
        // A box's message that came from another machine arrived in English.
        cursor.insertText(line.Text.IsValue() ? PeerTextShown(line.Text.Source())
                                              : Translated(line.Text),
                          format);
    }
    if (atBottom)
        bar->setValue(bar->maximum());
}

QStringList EventLogView::LineTexts() const {
    QStringList texts;
    if (document()->isEmpty())
        return texts;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

QColor EventLogView::LineColour(int line) const {
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid() || block.begin().atEnd())
        return {};
    return block.begin().fragment().charFormat().foreground().color();
}

} // namespace marovane
