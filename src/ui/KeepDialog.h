#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace marovane {

class KeepVisit;
class PictureStrip;
struct UnitSpecs;

// The inner keep at the end of a human's turn: sell the piece standing in the keep, rescue a King
// or Queen standing there, or buy one unit into the empty keep. A view over the visit: every
// button acts on the visit, and the game reads the visit back when the dialog closes.
class KeepDialog : public QDialog {
    Q_OBJECT

public:
    KeepDialog(const UnitSpecs& specs, const PictureStrip& pictures, QWidget* parent = nullptr);

    // Shows the visit modally; returns when the player closes the dialog.
    void Visit(KeepVisit& visit);

    // For tests and the window: the controls by their role.
    QPushButton* SellButton() const { return sell_; }
    QPushButton* RescueButton() const { return rescue_; }
    QPushButton* CloseButton() const { return close_; }
    QPushButton* UnitButton(int type) const { return units_[static_cast<size_t>(type)]; }
    QLabel* MoneyLabel() const { return money_; }
    QLabel* SellLabel() const { return sellValue_; }
    QLabel* PiecePicture() const { return piece_; }
    QGroupBox* PurchaseFrame() const { return purchase_; }

private:
    void Refresh();
    void Act(void (KeepVisit::*action)());
    void Buy(int type);

    const UnitSpecs& specs_;
    const PictureStrip& pictures_;
    KeepVisit* visit_ = nullptr;
    QLabel* money_;
    QLabel* piece_;
    QLabel* none_;
    QLabel* sellValue_;
    QPushButton* sell_;
    QPushButton* rescue_;
    QPushButton* close_;
    QGroupBox* purchase_;
    std::array<QPushButton*, 15> units_{};
    std::array<QLabel*, 15> costs_{};
};

} // namespace marovane
