#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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
        if (!modal || modal == last_)
            return;
        last_ = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Messages.push_back(box->text());
            QAbstractButton* button = box->button(QuestionAnswer);
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
            else
                box->close();
            last_ = nullptr;
            return;
        }
        if (answer_)
            answer_(modal);
        last_ = nullptr;
    }

    Answer answer_;
    QTimer timer_;
    QWidget* last_ = nullptr;
};

} // namespace marovane::test
