#pragma once

#include <QDialog>
#include <QStringList>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace marovane {

class KeepVisit;
class PictureStrip;
struct UnitSpecs;

// The inner keep at the end of a human's turn: sell the piece standing in the keep, rescue a King
// or Queen standing there, or buy one unit into the empty keep; each unit for sale is a row with
// its picture, name, price and numbers. A view over the visit: every
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
    // What the purchase row of a type tells: name, price, attack, hit points, moves, range.
    QStringList RowText(int type) const;

signals:
    // The treasury changed in the visit (a sale, a rescue, a purchase): the window's money
    // follows at once.
    void TreasuryChanged(int money);

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
    // Per type: name, price, attack, hit points, moves, range.
    static constexpr int kFacts = 6;
    std::array<std::array<QLabel*, kFacts>, 15> facts_{};
};

} // namespace marovane
