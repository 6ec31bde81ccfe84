#include "ui/GameWindow.h"
#include "net/qt/NetClient.h"
#include "net/qt/NetHost.h"
#include "ui/ProductName.h"
#include "ui/QtText.h"

#include "scenario/Options.h"
#include "ui/BoardAnimations.h"
#include "ui/BoardInput.h"
#include "ui/BoardPort.h"
#include "ui/BoardWidget.h"
#include "ui/CoverPicture.h"
#include "ui/EventLogView.h"
#include "ui/GameCommands.h"
#include "ui/GameMenus.h"
#include "ui/GameSummaryDialog.h"
#include "ui/KeepDialog.h"
#include "ui/LocalPath.h"
#include "ui/PlainMessage.h"
#include "ui/SidePanel.h"
#include "ui/UnitPanel.h"
#include "ui/dialogs/GameSetupDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHostInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>

namespace marovane {

namespace {

constexpr int kLeftPanelWidth = 190;

// The connections of network play: sockets.
NetworkPlay::Links QtNetworkLinks(int port = net::kGamePort) {
    return {[] { return std::make_unique<net::NetHost>(); },
            [] { return std::make_unique<net::NetClient>(); }, port};
}

} // namespace

GameWindow::GameWindow(const QDir& programDir, const UnitSpecs& specs, uint64_t seed,
                       QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), specs_(specs) {
    setWindowTitle(kProductName);
    setWindowIcon(QIcon(":/icons/marovane.png"));
    BuildBoard();
    session_ = std::make_unique<GameSession>(specs_, *boardPort_, *this, scheduler_, seed,
                                             ToLocalPath(programDir_.path()), settings_);
    boardPort_->SetGame(session_->CurrentGame());
    session_->CoverHandOvers();
    // An installed program's folder is read-only: the player's own scenarios go to his folder.
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    session_->SetPlayerScenarioFolder(ToLocalPath(userData));
    session_->SetAutosaveFolder(ToLocalPath(QDir(userData).filePath("autosaves")));
    BuildPanels();
    input_ = new BoardInput(*session_, *board_, *panels_[0], pointers_, this);
    BuildAnimations();
    connect(input_, &BoardInput::Did, this, &GameWindow::PlayerDid);
    // After the click has been played: a step may now be taken back, or no longer.
    connect(board_, &BoardWidget::CellClick, this, [this] { EnableComforts(); });
    menus_ = new GameMenus(*menuBar(), this);
    statusBar(); // made now, so that the first message does not shift the board
    ConnectMenus();
    BuildDialogs();
    session_->RestoreViewOptions();
    ViewOptionsChanged();
    menus_->Strength(session_->ComputerStrength())->setChecked(true);
    menus_->SetLanguageChoice(Latin1(session_->Settings().Language()));
    CurrentGame().ChooseTeams(0);
    resize(1000, 760);
    // The window never gets so low that the player's number disappears (60 twips, 4 pixels,
    // below it).
    setMinimumSize(kLeftPanelWidth + 120,
                   menuBar()->sizeHint().height() + side_->PlayerPanelHeight() + 4);
    LayOut();
    EnableComforts();
}

GameWindow::~GameWindow() {
    session_->CurrentGame().StopListening(animations_);
}

QPixmap GameWindow::ProgramPicture(const QString& file) const {
    return QPixmap(programDir_.filePath(file));
}

void GameWindow::BuildBoard() {
    auto* central = new QWidget(this);
    central->setMouseTracking(true);
    central->installEventFilter(this);
    setCentralWidget(central);
    cover_ = new CoverPicture(central);
    cover_->SetPicture(ProgramPicture("intro.jpg"), "intro.jpg");
    resumeButton_ = new QPushButton(tr("Resume Last Game"), cover_);
    resumeButton_->setObjectName("cmdResume");
    resumeButton_->hide();
    connect(cover_, &CoverPicture::Clicked, this, &GameWindow::BeginHandedOverTurn);
    connect(resumeButton_, &QPushButton::clicked, this, [this] {
        commands_->ResumeLastGame();
        EnableComforts();
    });
    board_ = new BoardWidget(central);
    board_->SetBackColor(QColor(128, 96, 48));
    board_->SetCellSpacing(-1);
    board_->SetCellLines(1);
    board_->SetHiddenShade(QColor(0, 0, 0, 70));
    board_->SetSize(4, 4);
    board_->SetCellWidth(360);
    board_->SetCellHeight(360);
    board_->hide();
    boardPort_ = std::make_unique<BoardPort>(*board_, *cover_, strip_, specs_);
    boardPort_->Resized = [this] { LayOut(); };
    boardPort_->Hidden = [this] {
        if (panels_[0])
            panels_[0]->hide();
    };
}

void GameWindow::BuildAnimations() {
    animations_ = new BoardAnimations(*board_, strip_, this);
    animations_->Wanted = [this] { return session_->ViewOption(view_option::Animations); };
    board_->PaintAbove = [this](QPainter& painter) { animations_->Paint(painter); };
    // A click on the board or a key ends what is still moving.
    board_->installEventFilter(this);
    CurrentGame().Listen(animations_);
}

void GameWindow::BuildPanels() {
    side_ = new SidePanel(centralWidget());
    side_->installEventFilter(this);
    connect(side_, &SidePanel::NextTurnClicked, this, &GameWindow::NextTurn);
    panels_[1] = side_->SelectedPanel();
    side_->Log()->Follow(session_->Log(), [this](int p) {
        if (p < 1 || p > kMaxPlayers)
            return QColor(Qt::black);
        const Rgb colour = CurrentGame().PlayerColor[static_cast<size_t>(p)];
        return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
    });
    // The floating panel shows the piece under the pointer above the board. It floats beside
    // the pointer: clicks go through it to the cells beneath.
    panels_[0] = new UnitPanel(true, centralWidget());
    panels_[0]->setAttribute(Qt::WA_TransparentForMouseEvents);
    panels_[0]->hide();
}

void GameWindow::ConnectMenus() {
    connect(menus_, &GameMenus::NewGame, this, [this] { commands_->NewGame(); });
    connect(menus_, &GameMenus::Load, this, [this] { commands_->Load(); });
    connect(menus_, &GameMenus::SaveGame, this, [this] { commands_->Save(); });
    connect(menus_, &GameMenus::SaveGameAs, this, [this] { commands_->SaveAs(); });
    connect(menus_, &GameMenus::ConnectToHost, this, [this] { commands_->ConnectToHost(); });
    connect(menus_, &GameMenus::LeaveNetworkGame, this, [this] {
        commands_->LeaveNetworkGame();
        EnableComforts();
    });
    connect(menus_, &GameMenus::Exit, this, &GameWindow::Exit);
    connect(menus_, &GameMenus::UndoChosen, this, &GameWindow::UndoStep);
    connect(menus_, &GameMenus::ResumeChosen, this, [this] {
        commands_->ResumeLastGame();
        EnableComforts();
    });
    connect(menus_, &GameMenus::RecentWanted, this, [this] {
        QStringList paths;
        for (const auto& file : session_->RecentFiles())
            paths << FromLocalPath(file);
        menus_->SetRecentFiles(paths);
    });
    connect(menus_, &GameMenus::RecentChosen, this, [this](const QString& path) {
        commands_->OpenRecent(path);
        EnableComforts();
    });
    connect(menus_, &GameMenus::OptionChosen, this, &GameWindow::SetOption);
    // The computer players play at the chosen strength from their next turn on.
    connect(menus_, &GameMenus::StrengthChosen, this, [this](ComputerLevel level) {
        session_->SetComputerStrength(level);
        menus_->Strength(level)->setChecked(true);
    });
    // The texts already shown stay as they are, so the choice waits for the next start.
    connect(menus_, &GameMenus::LanguageChosen, this, [this](const QString& code) {
        session_->Settings().SetLanguage(code.toStdString());
        menus_->SetLanguageChoice(code);
        ShowPlainMessage(this, QMessageBox::Information, kProductName,
                         tr("The language changes the next time Marovane starts."));
    });
    connect(menus_, &GameMenus::PictureSetChosen, this, &GameWindow::ChoosePictureSet);
    connect(menus_, &GameMenus::ComputerChosen, this, [this] {
        if (CurrentGame().GameOn)
            CurrentGame().SwitchComputer();
    });
    connect(menus_, &GameMenus::ResignChosen, this, &GameWindow::ResignAsked);
    connect(menus_, &GameMenus::TeamsChosen, this,
            [this](int mode) { CurrentGame().ChooseTeams(mode); });
    const QStringList sets = PictureStrip::SetNames(programDir_);
    menus_->SetPictureSets(sets);
    const int people = static_cast<int>(sets.indexOf("People"));
    ChoosePictureSet(people >= 0 ? people : 0);
}

void GameWindow::BuildDialogs() {
    keep_ = std::make_unique<KeepDialog>(specs_, strip_, this);
    // The treasury beside the board follows every deal in the keep at once.
    connect(keep_.get(), &KeepDialog::TreasuryChanged, this,
            [this](int money) { side_->ShowMoney(Latin1(FormatMoney(money))); });
    summary_ = new GameSummaryDialog(this);
    connect(summary_, &GameSummaryDialog::NewGameWanted, this, [this] { commands_->NewGame(); });
    session_->Record().Changed = [this] { ShowRound(); };
    nextTurnTimer_.setSingleShot(true);
    nextTurnTimer_.setInterval(600);
    connect(&nextTurnTimer_, &QTimer::timeout, this, [this] {
        if (side_->NextTurnButton()->isEnabled() || session_->HumanToMove())
            NextTurn();
    });

    GameSetupDialog::WindowLinks links;
    links.OptionsMenu = menus_->OptionsMenu();
    links.TeamsMenu = menus_->TeamsMenu();
    // The tutorial keeps its letter pictures until another game begins, whatever the new-game
    // dialog shows meanwhile; the new game then takes the dialog's set.
    const auto tutorialShown = [this] {
        return OptionSet(option_bit::Tutorial, CurrentGame().Def.Options);
    };
    links.CurrentPictureSet = [this, tutorialShown] {
        return tutorialShown() ? QString() : strip_.Name();
    };
    links.ChoosePictureSet = [this, tutorialShown](const QString& name) {
        if (!tutorialShown())
            LoadPictureSet(name.toStdString());
    };
    links.ScenarioChosen = [this](const GameDef& def) {
        // The Teams menu offers what the chosen scenario allows.
        for (int k = 0; k < 5; ++k)
            menus_->Teams(k)->setEnabled(TeamsAllowedBy(def, k));
        session_->ScenarioSelected(def);
    };
    links.StartGuestGame = [this](const QString& path, const NewGameSetup& setup) {
        return commands_->StartNewGame(path, setup);
    };
    links.TeamsFromHost = [this](int mode) {
        CurrentGame().TakeTeamsFromHost(mode);
        return menus_->Teams(mode)->text();
    };
    setup_ =
        std::make_unique<GameSetupDialog>(programDir_, session_->Scenarios(), specs_, links, this);
    UseNetworkLinks(QtNetworkLinks());
    commands_ = new GameCommands(*session_, *setup_, *network_, programDir_, *this);
    commands_->Loaded = [this] {
        const Game& game = CurrentGame();
        setWindowTitle(tr("%1 - Player %2 - %3")
                           .arg(kProductName)
                           .arg(game.CurrentPlayer)
                           .arg(Latin1(game.ScenarioName)));
    };
}

void GameWindow::UseNetworkPort(int port) {
    UseNetworkLinks(QtNetworkLinks(port));
}

void GameWindow::UseNetworkLinks(NetworkPlay::Links links) {
    // The commands hold on to the one NetworkPlay: later links replace its connections.
    if (network_)
        network_->UseLinks(std::move(links));
    else
        network_ = std::make_unique<NetworkPlay>(
            *session_, std::move(links),
            net::OurIdentity(QHostInfo::localHostName().toStdString()));
    setup_->SetHostLobby(&network_->Host());
}

QAction* GameWindow::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

// ---- Options and pictures ------------------------------------------------------------------

void GameWindow::ChoosePictureSet(int index) {
    const QList<QAction*> items = menus_->PictureSetItems();
    // "(none)", the one item of a program folder without pictures, cannot be chosen.
    if (index < 0 || index >= items.size() || !items[index]->isCheckable())
        return;
    items[index]->setChecked(true);
    strip_.Load(programDir_, items[index]->text());
    boardPort_->RedrawPictures();
}

void GameWindow::LoadPictureSet(const std::string& name) {
    const QList<QAction*> items = menus_->PictureSetItems();
    for (int i = 0; i < items.size(); ++i) {
        if (items[i]->text() == QString::fromStdString(name)) {
            ChoosePictureSet(i);
            return;
        }
    }
}

void GameWindow::SetOption(int index, bool checked) {
    session_->SetViewOption(index, checked);
    ViewOptionsChanged();
}

// ---- Layout --------------------------------------------------------------------------------

void GameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayOut();
}

void GameWindow::LayOut() {
    QWidget* central = centralWidget();
    if (!central || !board_ || !side_)
        return;
    const int innerWidth = central->width();
    const int innerHeight = central->height();
    side_->setGeometry(0, 0, kLeftPanelWidth, innerHeight);
    const int areaWidth = std::max(1, innerWidth - kLeftPanelWidth);
    cover_->setGeometry(kLeftPanelWidth, 0, areaWidth, innerHeight);
    resumeButton_->adjustSize();
    resumeButton_->move((cover_->width() - resumeButton_->width()) / 2,
                        cover_->height() - resumeButton_->height() - 40);
    // The board takes the largest square cells that keep it wholly visible, centred in the area
    // right of the left panel.
    BoardGeometry fit = board_->Geometry();
    const int tpp = fit.Tpp();
    fit.FitTo(areaWidth * tpp, innerHeight * tpp);
    const int cell = static_cast<int>(std::min(fit.CellWidth(), fit.CellHeight()));
    board_->SetCellWidth(cell);
    board_->SetCellHeight(cell);
    board_->move(kLeftPanelWidth + std::max(0, (areaWidth - board_->width()) / 2),
                 std::max(0, (innerHeight - board_->height()) / 2));
    panels_[0]->raise();
}

// ---- Input -------------------------------------------------------------------------------------

void GameWindow::NextTurn() {
    if (!session_->HumanToMove())
        return;
    emit PlayerDid(PlayerDeed::EndedTurn);
    CurrentGame().NextPlayer();
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    animations_->Skip();
    const int key = event->key();
    if (session_->HandOverPending() &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        BeginHandedOverTurn();
        return;
    }
    if (!input_->KeyPressed(event))
        QMainWindow::keyPressEvent(event);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched == board_)
        animations_->Skip();
    // Moving over the window's background or a unit panel hides the floating panel.
    if (event->type() == QEvent::MouseMove && (watched == centralWidget() || watched == side_))
        input_->PointerLeftCells();
    // A panel docked beside the board narrows the area the board fits into.
    if (event->type() == QEvent::Resize && watched == centralWidget())
        LayOut();
    return QMainWindow::eventFilter(watched, event);
}

// ---- Leaving --------------------------------------------------------------------------------

void GameWindow::Exit() {
    if (exiting_)
        return;
    if (boardPort_->BoardVisible() && CurrentGame().GameOn) {
        if (QMessageBox::question(this, kProductName, tr("Are you sure you want to quit?"),
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    exiting_ = true;
    session_->StoreViewOptions();
    // A computer turn in progress sees the game end at its next check and returns.
    if (CurrentGame().GameOn)
        CurrentGame().GameOver();
    QApplication::quit();
}

void GameWindow::closeEvent(QCloseEvent* event) {
    // The close box asks like Game > Exit does.
    if (!exiting_) {
        event->ignore();
        Exit();
        return;
    }
    event->accept();
}

} // namespace marovane
