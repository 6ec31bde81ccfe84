#include "ui/KeepDialog.h"

#include "engine/KeepVisit.h"
#include "engine/Piece.h"
#include "engine/UnitSpecs.h"
#include "scenario/Options.h"
#include "ui/PictureStrip.h"
#include "ui/Translated.h"
#include "ui/UnitNames.h"
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
    top->addWidget(new QLabel(tr("Money in Treasury:"), this), 0, 0);
    money_ = new QLabel(this);
    money_->setObjectName("lblMoney");
    top->addWidget(money_, 0, 1);
    top->addWidget(new QLabel(tr("Piece in the keep:"), this), 1, 0);
    piece_ = new QLabel(this);
    piece_->setFixedSize(48, 48);
    piece_->setScaledContents(true);
    none_ = new QLabel(tr("None"), this);
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
    sell_ = new QPushButton(tr("&Sell"), this);
    rescue_ = new QPushButton(tr("&Rescue"), this);
    close_ = new QPushButton(tr("&Close"), this);
    buttons->addWidget(sell_);
    buttons->addWidget(rescue_);
    buttons->addStretch();
    buttons->addWidget(close_);
    layout->addLayout(buttons);

    purchase_ = new QGroupBox(tr("Purchase"), this);
    auto* grid = new QGridLayout(purchase_);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(1);
    const char* headings[kFacts] = {QT_TR_NOOP("Unit"),   QT_TR_NOOP("Price"),
                                    QT_TR_NOOP("Attack"), QT_TR_NOOP("Hit points"),
                                    QT_TR_NOOP("Moves"),  QT_TR_NOOP("Range")};
    for (int c = 0; c < kFacts; ++c) {
        auto* heading =
            new QLabel(QString("<b>%1</b>").arg(tr(headings[c]).toHtmlEscaped()), purchase_);
        heading->setAlignment(c == 0 ? Qt::AlignLeft : Qt::AlignRight);
        grid->addWidget(heading, 0, c + 1);
    }
    // One row per type in type order; the picture is the button that buys it.
    for (int t = 0; t < kUnitTypes; ++t) {
        // Compact rows, so that all of them fit an 800 x 600 screen.
        auto* button = new QPushButton(purchase_);
        button->setIconSize(QSize(28, 28));
        button->setFixedSize(32, 32);
        button->setToolTip(tr("Buy %1").arg(UnitNameShown(specs.UnitName[t])));
        grid->addWidget(button, t + 1, 0);
        const int low = specs.UnitMinDamage[t], high = specs.UnitMaxDamage[t];
        const QString facts[kFacts] = {UnitNameShown(specs.UnitName[t]),
                                       Money(specs.UnitCost[t]),
                                       low == high ? QString::number(high)
                                                   : QString("%1-%2").arg(low).arg(high),
                                       QString::number(specs.HitPoints(t)),
                                       QString::number(specs.Moves(t)),
                                       QString::number(specs.UnitRange[t])};
        for (int c = 0; c < kFacts; ++c) {
            auto* label = new QLabel(facts[c], purchase_);
            label->setAlignment((c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            grid->addWidget(label, t + 1, c + 1);
            facts_[static_cast<size_t>(t)][static_cast<size_t>(c)] = label;
        }
        units_[static_cast<size_t>(t)] = button;
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
    setWindowTitle(tr("Inner Keep - Player %1").arg(visit.Player()));
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
        for (QLabel* fact : facts_[static_cast<size_t>(t)])
            fact->setVisible(offered);
        if (offered)
            units_[static_cast<size_t>(t)]->setIcon(
                QIcon(pictures_.Picture(PictureNumber(owner, t))));
        any = any || offered;
    }
    purchase_->setVisible(any);
    purchase_->setEnabled(any);
    adjustSize();
    emit TreasuryChanged(v.Money());
}

QStringList KeepDialog::RowText(int type) const {
    QStringList texts;
    for (const QLabel* fact : facts_[static_cast<size_t>(type)])
        texts << fact->text();
    return texts;
}

void KeepDialog::Act(void (KeepVisit::*action)()) {
    if (!visit_)
        return;
    try {
        (visit_->*action)();
    } catch (const Error& error) {
        QMessageBox::warning(this, windowTitle(), Translated(error.Message()));
    }
    Refresh();
}

void KeepDialog::Buy(int type) {
    if (!visit_)
        return;
    try {
        visit_->Buy(type);
    } catch (const Error& error) {
        QMessageBox::warning(this, windowTitle(), Translated(error.Message()));
    }
    Refresh();
}

} // namespace marovane
