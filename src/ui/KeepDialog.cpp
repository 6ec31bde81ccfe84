#include "ui/KeepDialog.h"

#include "engine/KeepVisit.h"
#include "engine/Piece.h"
#include "engine/UnitSpecs.h"
#include "scenario/Options.h"
#include "ui/PictureStrip.h"
#include "util/Error.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace marovane {

namespace {

QString Money(int amount) {
    return QString::fromLatin1(FormatMoney(amount));
}

} // namespace

KeepDialog::KeepDialog(const UnitSpecs& specs, const PictureStrip& pictures, QWidget* parent)
    : QDialog(parent), specs_(specs), pictures_(pictures) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    top->addWidget(new QLabel("Money in Treasury:", this), 0, 0);
    money_ = new QLabel(this);
    money_->setObjectName("lblMoney");
    top->addWidget(money_, 0, 1);
    top->addWidget(new QLabel("Piece in the keep:", this), 1, 0);
    piece_ = new QLabel(this);
    piece_->setFixedSize(48, 48);
    piece_->setScaledContents(true);
    none_ = new QLabel("None", this);
    auto* pieceBox = new QHBoxLayout;
    pieceBox->addWidget(piece_);
    pieceBox->addWidget(none_);
    sellValue_ = new QLabel(this);
    sellValue_->setObjectName("lblSell");
    pieceBox->addWidget(sellValue_);
    pieceBox->addStretch();
    top->addLayout(pieceBox, 1, 1);
    layout->addLayout(top);

    auto* buttons = new QHBoxLayout;
    sell_ = new QPushButton("&Sell", this);
    rescue_ = new QPushButton("&Rescue", this);
    close_ = new QPushButton("&Close", this);
    buttons->addWidget(sell_);
    buttons->addWidget(rescue_);
    buttons->addStretch();
    buttons->addWidget(close_);
    layout->addLayout(buttons);

    purchase_ = new QGroupBox("Purchase", this);
    auto* grid = new QGridLayout(purchase_);
    const char* columns[] = {"Light", "Medium", "Heavy"};
    for (int c = 0; c < 3; ++c) {
        auto* caption = new QLabel(columns[c], purchase_);
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 0, c);
    }
    // Five rows of three in type order, so each column of the fighting units holds one armour.
    for (int t = 0; t < kUnitTypes; ++t) {
        auto* cell = new QVBoxLayout;
        auto* button = new QPushButton(purchase_);
        button->setIconSize(QSize(40, 40));
        button->setFixedSize(52, 52);
        button->setToolTip(QString::fromLatin1(specs.UnitName[t]));
        auto* cost = new QLabel(Money(specs.UnitCost[t]), purchase_);
        cost->setAlignment(Qt::AlignCenter);
        cell->addWidget(button, 0, Qt::AlignCenter);
        cell->addWidget(cost);
        grid->addLayout(cell, 1 + t / 3, t % 3);
        units_[static_cast<size_t>(t)] = button;
        costs_[static_cast<size_t>(t)] = cost;
        connect(button, &QPushButton::clicked, this, [this, t] { Buy(t); });
    }
    layout->addWidget(purchase_);

    connect(sell_, &QPushButton::clicked, this, [this] { Act(&KeepVisit::Sell); });
    connect(rescue_, &QPushButton::clicked, this, [this] { Act(&KeepVisit::Rescue); });
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void KeepDialog::Visit(KeepVisit& visit) {
    visit_ = &visit;
    setWindowTitle("Inner Keep - Player " + QString::number(visit.Player()));
    Refresh();
    exec();
    visit_ = nullptr;
}

void KeepDialog::Refresh() {
    if (!visit_)
        return;
    const KeepVisit& v = *visit_;
    const int owner = v.Player();
    money_->setText(Money(v.Money()));
    const bool occupied = v.PieceType() >= 0;
    piece_->setVisible(occupied);
    none_->setVisible(!occupied);
    if (occupied)
        piece_->setPixmap(pictures_.Picture(PictureNumber(v.PieceOwner(), v.PieceType())));
    sellValue_->setText(occupied ? Money(v.SellValue()) : QString());
    // Sell is offered only while there is something to sell: not for an empty keep, and not
    // after the piece was sold or rescued.
    sell_->setVisible(v.CanSell());
    sell_->setEnabled(v.CanSell());
    rescue_->setVisible(v.CanRescue());
    rescue_->setEnabled(v.CanRescue());
    bool any = false;
    for (int t = 0; t < kUnitTypes; ++t) {
        const bool offered = v.CanBuy(t);
        units_[static_cast<size_t>(t)]->setVisible(offered);
        units_[static_cast<size_t>(t)]->setEnabled(offered);
        costs_[static_cast<size_t>(t)]->setVisible(offered);
        if (offered)
            units_[static_cast<size_t>(t)]->setIcon(
                QIcon(pictures_.Picture(PictureNumber(owner, t))));
        any = any || offered;
    }
    purchase_->setVisible(any);
    purchase_->setEnabled(any);
    adjustSize();
}

void KeepDialog::Act(void (KeepVisit::*action)()) {
    if (!visit_)
        return;
    try {
        (visit_->*action)();
    } catch (const Error& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromLatin1(error.what()));
    }
    Refresh();
}

void KeepDialog::Buy(int type) {
    if (!visit_)
        return;
    try {
        visit_->Buy(type);
    } catch (const Error& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromLatin1(error.what()));
    }
    Refresh();
}

} // namespace marovane
