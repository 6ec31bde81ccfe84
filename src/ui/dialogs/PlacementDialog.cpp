#include "ui/dialogs/PlacementDialog.h"

#include "engine/Game.h"
#include "scenario/Options.h"
#include "ui/BoardWidget.h"
#include "ui/PictureStrip.h"
#include "ui/UnitNames.h"
#include "ui/dialogs/FormationPreview.h"
#include "ui/dialogs/UnitPopup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace marovane {

PlacementDialog::PlacementDialog(const UnitSpecs& specs, const PictureStrip& pictures,
                                 QWidget* parent)
    : QDialog(parent), specs_(specs), pictures_(pictures) {
    setWindowTitle(tr("Advanced Unit Placement"));
    setObjectName("frmAdvanced");
    auto* layout = new QHBoxLayout(this);
    board_ = new BoardWidget(this);
    board_->setObjectName("brdField");
    board_->SetBackColor(QColor(90, 120, 60));
    board_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addWidget(board_, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(
        tr("Paint with the left button,\nor right-click a cell\nto choose its unit."), this));
    auto* playerRow = new QHBoxLayout;
    player_ = new QSpinBox(this);
    player_->setObjectName("vsbPlayer");
    // The number follows the prefix, so the prefix ends with its space.
    player_->setPrefix(tr("Player ", "prefix of the player's number"));
    playerColour_ = new QLabel(this);
    playerColour_->setFixedSize(24, 24);
    playerColour_->setAutoFillBackground(true);
    playerRow->addWidget(player_);
    playerRow->addWidget(playerColour_);
    playerRow->addStretch();
    side->addLayout(playerRow);

    // The palette: the unit kinds of the chosen player, in his colour, and the eraser.
    auto* paletteGrid = new QGridLayout;
    paletteGrid->setSpacing(2);
    paletteGroup_ = new QButtonGroup(this);
    paletteGroup_->setExclusive(true);
    for (int entry = 0; entry < PlacementModel::kPopupEntries; ++entry) {
        auto* button = new QToolButton(this);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIconSize(QSize(28, 28));
        button->setObjectName("palette" + QString::number(entry));
        if (entry == 0) {
            button->setText(tr("Empty"));
            button->setToolTip(tr("Empty the cell"));
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        } else {
            button->setToolTip(UnitNameShown(specs_.UnitName[entry - 1]));
        }
        paletteGroup_->addButton(button, entry);
        paletteGrid->addWidget(button, entry / 4, entry % 4);
        palette_[static_cast<size_t>(entry)] = button;
    }
    palette_[1]->setChecked(true);
    side->addLayout(paletteGrid);
    cellLabel_ = new QLabel(this);
    cellLabel_->setObjectName("lblCell");
    side->addWidget(cellLabel_);
    side->addStretch();
    mirror_ = new QPushButton(tr("&Mirror Player 1"), this);
    mirror_->setObjectName("cmdMirror");
    mirror_->setToolTip(tr("Give every other player player 1's pieces, mirrored into his corner"));
    side->addWidget(mirror_);
    ok_ = new QPushButton(tr("&OK"), this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    clear_ = new QPushButton(tr("C&lear"), this);
    reset_ = new QPushButton(tr("&Reset"), this);
    undo_ = new QPushButton(tr("&Undo"), this);
    for (QPushButton* button : {ok_, cancel, clear_, reset_, undo_})
        side->addWidget(button);
    layout->addLayout(side);

    connect(board_, &BoardWidget::CellMouseDown, this,
            [this](int button, int, int x, int y) { CellPressed(button, x, y); });
    connect(board_, &BoardWidget::CellMouseMove, this,
            [this](int button, int, int x, int y) { CellMoved(button, x, y); });
    const auto strokeEnds = [this] {
        painting_ = false;
        ShowPalette();
    };
    connect(board_, &BoardWidget::CellMouseUp, this, strokeEnds);
    connect(board_, &BoardWidget::SurfaceMouseUp, this, strokeEnds);
    connect(board_, &BoardWidget::PointerLeft, this, [this] { cellLabel_->clear(); });
    connect(player_, &QSpinBox::valueChanged, this, [this] { ShowPlayer(); });
    connect(mirror_, &QPushButton::clicked, this, [this] {
        model_.MirrorFirstPlayer();
        ShowBoard();
        ShowButtons();
        ShowPalette();
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        result_ = model_.Current();
        accept();
    });
    // Cancel, like closing the window, answers the string handed in.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(clear_, &QPushButton::clicked, this, &PlacementDialog::Clear);
    connect(reset_, &QPushButton::clicked, this, &PlacementDialog::Reset);
    connect(undo_, &QPushButton::clicked, this, &PlacementDialog::Undo);
}

void PlacementDialog::Open(const GameDef& def, int players, const std::string& placements) {
    model_.Open(def, players, placements);
    result_ = placements;
    // Cells as large as fit a comfortable part of the screen, at most 32 pixels.
    int room = 640;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        room = std::min(room, screen->availableGeometry().height() - 160);
    const int pixels = std::clamp(room / std::max(model_.Width(), model_.Height()), 12, 32);
    board_->SetSize(model_.Height(), model_.Width());
    board_->SetCellWidth(static_cast<int>(pixels * board_->Geometry().Tpp()));
    board_->SetCellHeight(static_cast<int>(pixels * board_->Geometry().Tpp()));
    board_->updateGeometry();
    player_->setRange(1, model_.Players());
    player_->setValue(1);
    ShowBoard();
    ShowPlayer();
    ShowButtons();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    open();
}

int PlacementDialog::Player() const {
    return player_->value();
}

void PlacementDialog::ShowBoard() {
    const GameDef& def = model_.Definition();
    DrawCastleOutlines(*board_, OptionSet(option_bit::NoKeep, def.Options),
                       OptionSet(option_bit::Castle, def.Options), model_.Players());
    for (int x = 1; x <= model_.Width(); ++x)
        for (int y = 1; y <= model_.Height(); ++y)
            ShowCell(x, y);
}

void PlacementDialog::ShowCell(int x, int y) {
    const int picture = model_.PicNum(x, y);
    board_->SetCellPicture(x, y, picture >= 0 ? pictures_.Picture(picture) : QPixmap());
    board_->SetCellToolTip(x, y,
                           picture >= 0
                               ? tr("%1 of player %2")
                                     .arg(UnitNameShown(specs_.UnitName[picture % kUnitTypes]))
                                     .arg(picture / kUnitTypes + 1)
                               : QString());
}

void PlacementDialog::ShowPlayer() {
    const int p = Player();
    QPalette palette = playerColour_->palette();
    palette.setColor(QPalette::Window, QColor(static_cast<QRgb>(kStandardPlayerColors[p])));
    playerColour_->setPalette(palette);
    ShowPalette();
}

int PlacementDialog::PaletteEntry() const {
    return std::max(paletteGroup_->checkedId(), 0);
}

void PlacementDialog::ShowPalette() {
    // The kinds this scenario has, in the chosen player's pictures; a King or Queen can be put
    // only while the player has none on the board.
    const auto offered = model_.Popup(1, 1, Player());
    const bool royalty = OptionSet(option_bit::Royalty, model_.Definition().Options);
    for (int entry = 1; entry < PlacementModel::kPopupEntries; ++entry) {
        const int type = entry - 1;
        const bool royal = type == unit_type::King || type == unit_type::Queen;
        QToolButton* button = palette_[static_cast<size_t>(entry)];
        button->setIcon(QIcon(pictures_.Picture((Player() - 1) * kUnitTypes + type)));
        button->setVisible(royal ? royalty : offered[static_cast<size_t>(entry)].Offered);
        button->setEnabled(offered[static_cast<size_t>(entry)].Offered);
    }
    // A kind that can no longer be put leaves the eraser in hand, once the stroke is over.
    if (!painting_ && !palette_[static_cast<size_t>(PaletteEntry())]->isEnabled())
        palette_[0]->setChecked(true);
}

void PlacementDialog::ShowButtons() {
    reset_->setEnabled(model_.CanReset());
    undo_->setEnabled(model_.CanUndo());
}

void PlacementDialog::CellPressed(int button, int x, int y) {
    if (button == 1) {
        painting_ = true;
        model_.BeginStroke();
        CellMoved(button, x, y);
        return;
    }
    if (button != 2)
        return;
    board_->Highlight(x, y, QColor(Qt::white));
    const auto entries = model_.Popup(x, y, Player());
    std::vector<UnitPopupEntry> shown;
    for (const PlacementModel::PopupEntry& entry : entries)
        shown.push_back({entry.Offered, entry.Checked});
    const int chosen = ShowUnitPopup(
        this, specs_, shown, board_->mapToGlobal(board_->CellRect(x, y).center().toPoint()));
    if (chosen >= 0)
        ChooseCell(x, y, chosen);
    board_->HighlightOff();
}

void PlacementDialog::CellMoved(int button, int x, int y) {
    cellLabel_->setText(tr("Cell %1, %2").arg(x).arg(y));
    if (!painting_ || button != 1)
        return;
    if (model_.Paint(x, y, Player(), PaletteEntry())) {
        ShowCell(x, y);
        ShowButtons();
        ShowPalette();
    }
}

void PlacementDialog::ChooseCell(int x, int y, int entry) {
    model_.Choose(x, y, Player(), entry);
    ShowCell(x, y);
    ShowButtons();
    ShowPalette();
}

void PlacementDialog::Clear() {
    if (QMessageBox::question(this, tr("Confirmation"),
                              tr("Are you sure you want to remove all advanced unit placements?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    model_.Clear();
    ShowBoard();
    ShowButtons();
    ShowPalette();
}

void PlacementDialog::Reset() {
    if (QMessageBox::question(this, tr("Confirmation"),
                              tr("Are you sure you want to undo your changes?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    model_.Reset();
    ShowBoard();
    ShowButtons();
    ShowPalette();
}

void PlacementDialog::Undo() {
    model_.Undo();
    ShowBoard();
    ShowButtons();
    ShowPalette();
}

} // namespace marovane
