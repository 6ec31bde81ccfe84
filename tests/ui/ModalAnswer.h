#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace marovane::test {

// Answers the modal windows the game opens while a test drives it: each one is handed to the
// answer function (which may click its buttons), and message boxes are recorded and closed.
class ModalAnswer {
public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalAnswer(Answer answer = {}) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    // The texts of the message boxes seen, in order.
    std::vector<QString> Messages;
    // What a Yes/No question is answered.
    QMessageBox::StandardButton QuestionAnswer = QMessageBox::Yes;

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (box == lastBox_)
                return;
            lastBox_ = box;
            Messages.push_back(box->text());
            QAbstractButton* button = box->button(QuestionAnswer);
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
            else
                box->close();
            return;
        }
        // Each showing of a window is answered once, and not again while its answer runs.
        if (answering_ || modal == answered_ || !answer_)
            return;
        answering_ = true;
        answered_ = modal;
        // Answered from a timer of its own: a timer does not fire again while its own slot runs,
        // and the answer may open message boxes that this poll must close.
        QPointer<QWidget> window(modal);
        QTimer::singleShot(0, &timer_, [this, window] {
            if (window)
                answer_(window);
            answering_ = false;
            if (!window || !window->isVisible())
                answered_ = nullptr;
        });
    }

    Answer answer_;
    QTimer timer_;
    // Guarded, so a later box that happens to take a closed one's address is still answered.
    QPointer<QWidget> lastBox_;
    QWidget* answered_ = nullptr;
    bool answering_ = false;
};

} // namespace marovane::test
