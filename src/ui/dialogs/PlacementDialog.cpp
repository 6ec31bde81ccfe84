#include "ui/dialogs/PlacementDialog.h"

#include "engine/Game.h"
#include "scenario/CastleOutline.h"
#include "scenario/Options.h"
#include "ui/BoardWidget.h"
#include "ui/PictureStrip.h"
#include "ui/dialogs/UnitPopup.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace marovane {

PlacementDialog::PlacementDialog(const UnitSpecs& specs, const PictureStrip& pictures,
                                 QWidget* parent)
    : QDialog(parent), specs_(specs), pictures_(pictures) {
    setWindowTitle("Advanced Unit Placement");
    setObjectName("frmAdvanced");
    auto* layout = new QHBoxLayout(this);
    board_ = new BoardWidget(this);
    board_->setObjectName("brdField");
    board_->SetBackColor(QColor(90, 120, 60));
    board_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addWidget(board_, 0, Qt::AlignTop);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel("Right-click a cell\nto place a unit\nof this player:", this));
    auto* playerRow = new QHBoxLayout;
    // Up raises the player number, as the scroll bar's top end is its highest value.
    player_ = new QScrollBar(Qt::Vertical, this);
    player_->setObjectName("vsbPlayer");
    player_->setInvertedAppearance(true);
    player_->setInvertedControls(false);
    player_->setFixedHeight(48);
    playerLabel_ = new QLabel(this);
    playerColour_ = new QLabel(this);
    playerColour_->setFixedSize(24, 24);
    playerColour_->setAutoFillBackground(true);
    playerRow->addWidget(player_);
    playerRow->addWidget(playerLabel_);
    playerRow->addWidget(playerColour_);
    playerRow->addStretch();
    side->addLayout(playerRow);
    side->addStretch();
    ok_ = new QPushButton("&OK", this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    clear_ = new QPushButton("C&lear", this);
    reset_ = new QPushButton("&Reset", this);
    undo_ = new QPushButton("&Undo", this);
    for (QPushButton* button : {ok_, cancel, clear_, reset_, undo_})
        side->addWidget(button);
    layout->addLayout(side);

    connect(board_, &BoardWidget::CellMouseDown, this,
            [this](int button, int, int x, int y) { CellPressed(button, x, y); });
    connect(player_, &QScrollBar::valueChanged, this, [this] { ShowPlayer(); });
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
    board_->ClearLines();
    // Every player's castle and keep, as the game's board draws them around his home corner.
    const GameDef& def = model_.Definition();
    const auto outline = CastleOutline(OptionSet(option_bit::NoKeep, def.Options),
                                       OptionSet(option_bit::Castle, def.Options));
    for (int p = model_.Players(); p >= 1; --p) {
        for (const OutlineSegment& line : outline) {
            const GridPoint from = ToPlayerCorner(line.From, p, model_.Width(), model_.Height());
            const GridPoint to = ToPlayerCorner(line.To, p, model_.Width(), model_.Height());
            board_->DrawLine(from.X, from.Y, to.X, to.Y,
                             line.Role == OutlineRole::Castle
                                 ? QColor(static_cast<QRgb>(kStandardPlayerColors[p]))
                                 : QColor(Qt::black));
        }
    }
    for (int x = 1; x <= model_.Width(); ++x)
        for (int y = 1; y <= model_.Height(); ++y)
            ShowCell(x, y);
}

void PlacementDialog::ShowCell(int x, int y) {
    const int picture = model_.PicNum(x, y);
    board_->SetCellPicture(x, y, picture >= 0 ? pictures_.Picture(picture) : QPixmap());
    board_->SetCellToolTip(
        x, y,
        picture >= 0 ? QString::fromLatin1(specs_.UnitName[picture % kUnitTypes].c_str()) +
                           " of player " + QString::number(picture / kUnitTypes + 1)
                     : QString());
}

void PlacementDialog::ShowPlayer() {
    const int p = Player();
    playerLabel_->setText("Player " + QString::number(p));
    QPalette palette = playerColour_->palette();
    palette.setColor(QPalette::Window, QColor(static_cast<QRgb>(kStandardPlayerColors[p])));
    playerColour_->setPalette(palette);
}

void PlacementDialog::ShowButtons() {
    reset_->setEnabled(model_.CanReset());
    undo_->setEnabled(model_.CanUndo());
}

void PlacementDialog::CellPressed(int button, int x, int y) {
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

void PlacementDialog::ChooseCell(int x, int y, int entry) {
    model_.Choose(x, y, Player(), entry);
    ShowCell(x, y);
    ShowButtons();
}

void PlacementDialog::Clear() {
    if (QMessageBox::question(this, "Confirmation",
                              "Are you sure you want to remove all advanced unit placements?",
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    model_.Clear();
    ShowBoard();
    ShowButtons();
}

void PlacementDialog::Reset() {
    if (QMessageBox::question(this, "Confirmation", "Are you sure you want to undo your changes?",
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    model_.Reset();
    ShowBoard();
    ShowButtons();
}

void PlacementDialog::Undo() {
    model_.Undo();
    ShowBoard();
    ShowButtons();
}

} // namespace marovane
