#include "ui/GameWindow.h"

#include "engine/Combat.h"
#include "engine/KeepVisit.h"
#include "engine/Options.h"
#include "savegame/SavedGame.h"
#include "scenario/DefFile.h"
#include "scenario/GameSetupDialog.h"
#include "ui/BoardWidget.h"
#include "ui/CoverPicture.h"
#include "ui/KeepDialog.h"
#include "ui/UnitPanel.h"
#include "util/Error.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <cmath>

namespace marovane {

namespace {

constexpr int kLeftPanelWidth = 190;
const char* const kSaveFilter = "Saved Marovane Game (*.mvg);;All Files (*.*)";
const char* const kProductName = "Marovane";

QColor ToColour(Rgb rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

} // namespace

const std::array<const char*, 3>& GameWindow::OptionKeys() {
    static const std::array<const char*, 3> keys = {"Show Computer &Thinking",
                                                    "&Hide Opponents Turn", "&Auto Next Turn"};
    return keys;
}

GameWindow::GameWindow(const QDir& programDir, const UnitSpecs& specs, uint64_t seed,
                       QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), specs_(specs), game_(specs, *this, seed) {
    setWindowTitle(kProductName);
    game_.SetComputerPlayer(&computer_);
    setWindowIcon(QIcon(":/icons/marovane.png"));
    auto* central = new QWidget(this);
    central->setMouseTracking(true);
    central->installEventFilter(this);
    setCentralWidget(central);

    cover_ = new CoverPicture(central);
    cover_->SetPicture(ProgramPicture("intro.jpg"), "intro.jpg");
    board_ = new BoardWidget(central);
    board_->SetBackColor(QColor(128, 96, 48));
    board_->SetCellSpacing(-1);
    board_->SetCellLines(1);
    board_->SetHiddenShade(QColor(0, 0, 0, 70));
    board_->SetSize(4, 4);
    board_->SetCellWidth(360);
    board_->SetCellHeight(360);
    board_->hide();
    boardVisible_ = false;
    connect(board_, &BoardWidget::CellClick, this, &GameWindow::OnCellClick);
    connect(board_, &BoardWidget::CellMouseDown, this, &GameWindow::OnCellMouseDown);
    connect(board_, &BoardWidget::CellMouseMove, this, &GameWindow::OnCellMouseMove);
    connect(board_, &BoardWidget::SurfaceMouseDown, this, [this](int button, int, double, double) {
        if (button & 2 && HumanToMove())
            game_.SelectNextUnit();
    });
    // The floating panel shows only while the pointer rests on a board cell.
    connect(board_, &BoardWidget::SurfaceMouseMove, this, [this](int, int, double, double) {
        board_->setCursor(Qt::ForbiddenCursor);
        HidePointerPanel();
    });
    connect(board_, &BoardWidget::PointerLeft, this, &GameWindow::HidePointerPanel);

    BuildPanels();
    BuildMenus();
    keep_ = std::make_unique<KeepDialog>(specs_, strip_, this);

    nextTurnTimer_.setSingleShot(true);
    nextTurnTimer_.setInterval(600);
    connect(&nextTurnTimer_, &QTimer::timeout, this, [this] {
        if (next_->isEnabled() || HumanToMove())
            NextTurn();
    });

    FillPictureSets();
    GameSetupDialog::WindowLinks links;
    links.OptionsMenu = menuBar()->findChild<QMenu*>("mnuOptions");
    links.TeamsMenu = menuBar()->findChild<QMenu*>("mnuTeams");
    links.CurrentPictureSet = [this] { return strip_.Name(); };
    links.ChoosePictureSet = [this](const QString& name) { LoadPictureSet(name.toStdString()); };
    links.ScenarioChosen = [this](const GameDef& def) {
        // The Teams menu offers what the chosen scenario allows.
        const int limits = static_cast<uint16_t>(def.PlayerLimits);
        for (int k = 0; k < 5; ++k)
            teams_[static_cast<size_t>(k)]->setEnabled(!((limits >> (k + 4)) & 1));
        if (!teams_[static_cast<size_t>(std::clamp<int>(game_.TeamsMode, 0, 4))]->isEnabled())
            game_.ChooseTeams(~limits);
    };
    setup_ = std::make_unique<GameSetupDialog>(programDir_, specs_, links, this);
    newGameTimer_.setSingleShot(true);
    newGameTimer_.setInterval(50);
    connect(&newGameTimer_, &QTimer::timeout, this, [this] {
        if (!game_.NewGame(pendingPath_.toStdString(), pendingSetup_))
            NewGameCommand();
    });
    RestoreOptions();
    game_.ChooseTeams(0);
    resize(1000, 760);
    // The window never gets so low that the player's number disappears (60 twips, 4 pixels,
    // below it).
    setMinimumSize(kLeftPanelWidth + 120,
                   menuBar()->sizeHint().height() + playerPanel_->sizeHint().height() + 4);
    LayOut();
}

GameWindow::~GameWindow() = default;

QPixmap GameWindow::ProgramPicture(const QString& file) const {
    return QPixmap(programDir_.filePath(file));
}

void GameWindow::BuildPanels() {
    leftPanel_ = new QFrame(centralWidget());
    leftPanel_->setFrameShape(QFrame::StyledPanel);
    leftPanel_->installEventFilter(this);
    auto* layout = new QVBoxLayout(leftPanel_);

    playerPanel_ = new QFrame(leftPanel_);
    playerPanel_->setAutoFillBackground(true);
    playerPanel_->setFrameShape(QFrame::Panel);
    auto* playerLayout = new QVBoxLayout(playerPanel_);
    playerNumber_ = new QLabel(playerPanel_);
    playerNumber_->setObjectName("lblPNum");
    QFont big = playerNumber_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    playerNumber_->setFont(big);
    playerLayout->addWidget(playerNumber_);
    auto* moneyCaption = new QLabel("Money", playerPanel_);
    moneyCaption->setObjectName("lblMoney");
    playerLayout->addWidget(moneyCaption);
    money_ = new QLabel(playerPanel_);
    money_->setObjectName("lblDispMoney");
    money_->setFont(big);
    playerLayout->addWidget(money_);
    layout->addWidget(playerPanel_);

    panels_[1] = new UnitPanel(false, leftPanel_);
    panels_[1]->hide();
    layout->addWidget(panels_[1]);

    next_ = new QPushButton("&Next Turn", leftPanel_);
    next_->setObjectName("cmdNext");
    next_->setFocusPolicy(Qt::NoFocus);
    next_->setEnabled(false);
    connect(next_, &QPushButton::clicked, this, &GameWindow::NextTurn);
    layout->addWidget(next_);

    noMoves_ = new QLabel("No moves left", leftPanel_);
    noMoves_->setObjectName("shpNoMoves");
    noMoves_->setAlignment(Qt::AlignCenter);
    noMoves_->setStyleSheet("QLabel { background: #b00000; color: white; padding: 4px; }");
    noMoves_->hide();
    layout->addWidget(noMoves_);
    layout->addStretch();
    playerPanel_->hide();
    next_->hide();

    // The floating panel shows the piece under the pointer above the board.
    panels_[0] = new UnitPanel(true, centralWidget());
    // It floats beside the pointer over the board: clicks go through it to the cells beneath.
    panels_[0]->setAttribute(Qt::WA_TransparentForMouseEvents);
    panels_[0]->hide();
}

void GameWindow::BuildMenus() {
    auto add = [this](QMenu* menu, const QString& name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    QMenu* gameMenu = menuBar()->addMenu("&Game");
    gameMenu->setObjectName("mnuGame");
    connect(add(gameMenu, "mnuGNew", "&New"), &QAction::triggered, this,
            &GameWindow::NewGameCommand);
    connect(add(gameMenu, "mnuGLoad", "&Load"), &QAction::triggered, this,
            &GameWindow::LoadCommand);
    QAction* save = add(gameMenu, "mnuGSave", "&Save");
    save->setEnabled(false);
    connect(save, &QAction::triggered, this, &GameWindow::SaveCommand);
    QAction* saveAs = add(gameMenu, "mnuGSaveAs", "Save &As...");
    saveAs->setEnabled(false);
    connect(saveAs, &QAction::triggered, this, &GameWindow::SaveAsCommand);
    gameMenu->addSeparator()->setObjectName("mnuGSep1");
    add(gameMenu, "mnuGConnect", "&Connect to Host...")->setEnabled(false);
    gameMenu->addSeparator()->setObjectName("mnuGSep2");
    connect(add(gameMenu, "mnuGExit", "E&xit"), &QAction::triggered, this, &GameWindow::Exit);

    QMenu* optionsMenu = menuBar()->addMenu("&Options");
    optionsMenu->setObjectName("mnuOptions");
    for (int i = 0; i < 3; ++i) {
        options_[static_cast<size_t>(i)] = add(optionsMenu, "mnuOCheck" + QString::number(i),
                                               OptionKeys()[static_cast<size_t>(i)]);
        options_[static_cast<size_t>(i)]->setCheckable(true);
        connect(options_[static_cast<size_t>(i)], &QAction::triggered, this,
                [this, i](bool checked) { SetOption(i, checked); });
    }
    options_[0]->setChecked(true);
    options_[2]->setChecked(true);
    pictureMenu_ = optionsMenu->addMenu("Unit &Pictures");
    pictureMenu_->setObjectName("mnuOPics");
    pictureGroup_ = new QActionGroup(this);

    QMenu* playerMenu = menuBar()->addMenu("&Player");
    playerMenu->setObjectName("mnuPlayer");
    QAction* computer = add(playerMenu, "mnuPComp", "&Computer");
    computer->setCheckable(true);
    connect(computer, &QAction::triggered, this, [this] {
        if (game_.GameOn)
            game_.SwitchComputer();
    });
    connect(add(playerMenu, "mnuPResign", "&Resign"), &QAction::triggered, this,
            [this] { game_.Resign(); });

    QMenu* teamsMenu = menuBar()->addMenu("&Teams");
    teamsMenu->setObjectName("mnuTeams");
    const char* teams[] = {"&Free for All", "&CPUs vs. Humans", "&Left vs. Right",
                           "&Top vs. Bottom", "&Diagonals"};
    for (int k = 0; k < 5; ++k) {
        teams_[static_cast<size_t>(k)] = add(teamsMenu, "mnuTCheck" + QString::number(k), teams[k]);
        teams_[static_cast<size_t>(k)]->setCheckable(true);
        connect(teams_[static_cast<size_t>(k)], &QAction::triggered, this,
                [this, k] { game_.ChooseTeams(k); });
    }

    QMenu* helpMenu = menuBar()->addMenu("&Help");
    helpMenu->setObjectName("mnuHelp");
    add(helpMenu, "mnuHContents", "&Contents")->setEnabled(false);
    add(helpMenu, "mnuHTutorial", "&Tutorial")->setEnabled(false);
    helpMenu->addSeparator()->setObjectName("mnuHSep2");
    add(helpMenu, "mnuHAbout", "&About")->setEnabled(false);
}

QAction* GameWindow::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

void GameWindow::FillPictureSets() {
    for (QAction* action : pictureGroup_->actions())
        delete action;
    const QStringList names = PictureStrip::SetNames(programDir_);
    if (names.isEmpty()) {
        QAction* none = pictureMenu_->addAction("(none)");
        none->setObjectName("mnuOPic0");
        pictureGroup_->addAction(none);
        return;
    }
    for (int i = 0; i < names.size(); ++i) {
        QAction* action = pictureMenu_->addAction(names[i]);
        action->setObjectName("mnuOPic" + QString::number(i));
        action->setCheckable(true);
        pictureGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { ChoosePictureSet(i); });
    }
    const int people = static_cast<int>(names.indexOf("People"));
    ChoosePictureSet(people >= 0 ? people : 0);
}

void GameWindow::ChoosePictureSet(int index) {
    const QList<QAction*> actions = pictureGroup_->actions();
    if (index < 0 || index >= actions.size() || actions[index]->text() == "(none)")
        return;
    actions[index]->setChecked(true);
    strip_.Load(programDir_, actions[index]->text());
    // Every cell gets its picture again from the new set.
    if (game_.BoardWidth > 0 && board_->BoardWidth() == game_.BoardWidth &&
        board_->BoardHeight() == game_.BoardHeight) {
        for (int x = 1; x <= game_.BoardWidth; ++x) {
            for (int y = 1; y <= game_.BoardHeight; ++y)
                CellPictureChanged(x, y, game_.PicNum(x, y));
        }
    }
}

void GameWindow::LoadPictureSet(const std::string& name) {
    const QList<QAction*> actions = pictureGroup_->actions();
    for (int i = 0; i < actions.size(); ++i) {
        if (actions[i]->text() == QString::fromStdString(name)) {
            ChoosePictureSet(i);
            return;
        }
    }
}

void GameWindow::SetOption(int index, bool checked) {
    options_[static_cast<size_t>(index)]->setChecked(checked);
    if (index == 0)
        game_.SetShowThinking(checked);
    else if (index == 1)
        game_.SetHideOpponents(checked);
}

void GameWindow::RestoreOptions() {
    QSettings settings(kProductName, kProductName);
    settings.beginGroup("Options");
    for (int i = 0; i < 3; ++i) {
        QAction* item = options_[static_cast<size_t>(i)];
        const QString stored =
            settings
                .value(OptionKeys()[static_cast<size_t>(i)], item->isChecked() ? "True" : "False")
                .toString();
        const bool wanted = stored.compare("True", Qt::CaseInsensitive) == 0;
        if (wanted != item->isChecked())
            SetOption(i, wanted); // as if the player had chosen the item
    }
    game_.SetShowThinking(options_[0]->isChecked());
}

void GameWindow::StoreOptions() {
    QSettings settings(kProductName, kProductName);
    settings.beginGroup("Options");
    for (int i = 0; i < 3; ++i)
        settings.setValue(OptionKeys()[static_cast<size_t>(i)],
                          options_[static_cast<size_t>(i)]->isChecked() ? "True" : "False");
}

bool GameWindow::StartNewGame(const QString& path, const NewGameSetup& setup) {
    return game_.NewGame(path.toStdString(), setup);
}

bool GameWindow::OpenFile(const QString& file, const NewGameSetup& setup) {
    // A saved game is loaded as Game > Load loads it, whatever the case of its extension.
    if (QFileInfo(file).suffix().compare("mvg", Qt::CaseInsensitive) == 0)
        return LoadFrom(file);
    QString scenario = file;
    // A scenario may also be named as it appears in the scenario list.
    if (!QFileInfo::exists(scenario)) {
        if (auto found = FindScenario(programDir_.path().toStdString(), file.toStdString()))
            scenario = QString::fromStdString(found->string());
    }
    return StartNewGame(scenario, setup);
}

bool GameWindow::HumanToMove() const {
    return game_.GameOn && game_.CurrentPlayer >= 1 && !game_.PlayerComp[game_.CurrentPlayer] &&
           !game_.PlayedRemotely(game_.CurrentPlayer);
}

// ---- Layout --------------------------------------------------------------------------------

void GameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayOut();
}

void GameWindow::LayOut() {
    QWidget* central = centralWidget();
    if (!central || !board_)
        return;
    const int innerWidth = central->width();
    const int innerHeight = central->height();
    leftPanel_->setGeometry(0, 0, kLeftPanelWidth, innerHeight);
    const int areaWidth = std::max(1, innerWidth - kLeftPanelWidth);
    cover_->setGeometry(kLeftPanelWidth, 0, areaWidth, innerHeight);
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

// ---- The port ------------------------------------------------------------------------------

void GameWindow::ShowMessage(const std::string& text) {
    QMessageBox::information(this, kProductName, Latin1(text));
}

void GameWindow::BoardResized(int width, int height) {
    board_->SetSize(height, width);
    board_->ShowAllCells();
    board_->SetCellVisible(1, 1, true);
    board_->ClearLines();
    board_->HighlightOff();
    board_->CircleOff();
    LayOut();
}

void GameWindow::CellPictureChanged(int x, int y, int picture) {
    if (picture < 0) {
        board_->SetCellPicture(x, y, QPixmap());
        board_->SetCellToolTip(x, y, QString());
        return;
    }
    board_->SetCellPicture(x, y, strip_.Picture(picture));
    const int type = picture % kUnitTypes;
    board_->SetCellToolTip(x, y,
                           QString::fromLatin1(specs_.UnitName[type]) + " (Player " +
                               QString::number(picture / kUnitTypes + 1) + ")");
}

void GameWindow::BoardRefreshed() {
    // Without fog every cell stays shown from the moment the board is made.
    if (!game_.FogOn || board_->BoardWidth() != game_.BoardWidth ||
        board_->BoardHeight() != game_.BoardHeight)
        return;
    for (int x = 1; x <= game_.BoardWidth; ++x) {
        for (int y = 1; y <= game_.BoardHeight; ++y)
            board_->SetCellVisible(x, y, game_.Visible(x, y));
    }
}

void GameWindow::SetBoardVisible(bool visible) {
    GamePort::SetBoardVisible(visible);
    board_->setVisible(visible);
    cover_->setVisible(!visible);
    if (!visible)
        panels_[0]->hide();
}

void GameWindow::DrawLine(double x1, double y1, double x2, double y2, Rgb colour) {
    board_->DrawLine(x1, y1, x2, y2, ToColour(colour));
}

void GameWindow::Highlight(int x, int y, Rgb colour) {
    board_->Highlight(x, y, ToColour(colour));
}

void GameWindow::HighlightOff() {
    board_->HighlightOff();
    board_->CircleOff();
}

void GameWindow::ShowReachCircle(int x, int y, double radius) {
    if (radius <= 0)
        board_->CircleOff();
    else
        board_->PutCircle(x, y, radius, ToColour(colour::Yellow));
}

void GameWindow::ShowUnitPanel(int panel, int x, int y) {
    UnitPanel* target = panels_[static_cast<size_t>(panel == 0 ? 0 : 1)];
    if (x < 1 || !game_.OnBoard(x, y) || game_.PicNum(x, y) < 0) {
        target->hide();
        return;
    }
    const int picture = game_.PicNum(x, y);
    const int type = picture % kUnitTypes;
    target->ShowPiece(QString::fromLatin1(specs_.UnitName[type]), strip_.Picture(picture),
                      game_.BoardUnit(x, y), specs_.UnitStrength[type] / 10);
    if (panel == 0) {
        // Float just below and right of the piece's cell, inside the window.
        const QPoint corner =
            board_->mapTo(centralWidget(), board_->CellRect(x, y).bottomRight().toPoint()) +
            QPoint(6, 6);
        target->adjustSize();
        int left =
            std::clamp(corner.x(), 0, std::max(0, centralWidget()->width() - target->width()));
        int top =
            std::clamp(corner.y(), 0, std::max(0, centralWidget()->height() - target->height()));
        target->move(left, top);
        target->raise();
    }
    target->show();
}

void GameWindow::NoMovesLeft() {
    noMoves_->show();
    board_->setCursor(Qt::ForbiddenCursor);
    if (options_[2]->isChecked())
        nextTurnTimer_.start();
}

void GameWindow::HideNoMovesMarker() {
    noMoves_->hide();
}

void GameWindow::DisarmNextTurnTimer() {
    nextTurnTimer_.stop();
}

void GameWindow::NextTurnEnabledChanged() {
    next_->setEnabled(game_.NextTurnEnabled);
}

void GameWindow::Beep() {
    QApplication::beep();
}

void GameWindow::Wait(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

void GameWindow::ProcessEvents() {
    // The rules let the window run many times a turn; a screen shows no more than about sixty
    // frames a second, so running it more often would only repaint the board for nothing.
    if (eventsRun_.isValid() && eventsRun_.elapsed() < 15)
        return;
    QCoreApplication::processEvents();
    eventsRun_.restart();
}

void GameWindow::ViewOptionsChanged() {
    options_[0]->setChecked(!game_.NoThinking);
    options_[0]->setEnabled(!game_.HideOpponents);
    options_[1]->setChecked(game_.HideOpponents);
}

void GameWindow::TeamsChanged() {
    for (int k = 0; k < 5; ++k)
        teams_[static_cast<size_t>(k)]->setChecked(k == game_.TeamsMode);
}

void GameWindow::ShowBackgroundPictures() {
    board_->SetPicture(ProgramPicture("grass.jpg"));
    cover_->SetPicture(ProgramPicture("hide.jpg"), "hide.jpg");
    playerPanel_->show();
    next_->show();
    LayOut();
}

void GameWindow::GameStarted() {
    for (int k = 0; k < 5; ++k)
        teams_[static_cast<size_t>(k)]->setEnabled(game_.TeamsAllowed(k));
}

void GameWindow::TurnStarted() {
    const int p = game_.CurrentPlayer;
    if (p < 1)
        return;
    const bool human = !game_.PlayerComp[p];
    const bool elsewhere = game_.PlayedRemotely(p);
    menuBar()->findChild<QMenu*>("mnuPlayer")->setEnabled(!elsewhere);
    menuBar()->findChild<QMenu*>("mnuTeams")->setEnabled(game_.NetMode != 1);
    QAction* computer = Action("mnuPComp");
    computer->setChecked(game_.PlayerComp[p]);
    const int kinds = static_cast<uint16_t>(game_.Def.PlayerKinds);
    computer->setEnabled(((kinds >> (p - 1)) & 1) && ((kinds >> (p + 3)) & 1));
    Action("mnuPResign")->setEnabled(human);
    EnableSaving();
    QPalette palette = playerPanel_->palette();
    palette.setColor(QPalette::Window, ToColour(game_.PlayerColor[p]));
    palette.setColor(QPalette::WindowText, Qt::black);
    playerPanel_->setPalette(palette);
    playerNumber_->setText("Player " + QString::number(p));
    setWindowTitle(Latin1(game_.ScenarioName) + " - " + kProductName + " - Player " +
                   QString::number(p));
    MoneyChanged();
    next_->setEnabled(game_.NextTurnEnabled);
    board_->setCursor(Qt::ArrowCursor);
}

void GameWindow::MoneyChanged() {
    const int p = game_.CurrentPlayer;
    if (p >= 1)
        money_->setText(Latin1(FormatMoney(game_.Money[p])));
}

void GameWindow::EnableSaving() {
    const bool human =
        game_.GameOn && game_.CurrentPlayer >= 1 && !game_.PlayerComp[game_.CurrentPlayer];
    Action("mnuGSave")->setEnabled(human);
    Action("mnuGSaveAs")->setEnabled(human);
}

void GameWindow::GameEnded() {
    nextTurnTimer_.stop();
    EnableSaving();
    board_->hide();
    board_->SetSize(1, 1);
    boardVisible_ = false;
    playerPanel_->hide();
    panels_[0]->hide();
    panels_[1]->hide();
    next_->hide();
    noMoves_->hide();
    setWindowTitle(kProductName);
    cover_->SetPicture(ProgramPicture("intro.jpg"), "intro.jpg");
    cover_->show();
}

void GameWindow::ShowKeep(KeepVisit& visit) {
    if (!exiting_)
        keep_->Visit(visit);
}

// ---- Human input ----------------------------------------------------------------------------

void GameWindow::OnCellMouseDown(int button, int, int, int) {
    if (!HumanToMove())
        return;
    rightButtonDown_ = (button & 2) != 0;
    if (rightButtonDown_)
        game_.SelectNextUnit();
}

void GameWindow::OnCellClick(int x, int y) {
    if (!HumanToMove() || rightButtonDown_)
        return;
    game_.CellClick(x, y);
    // The floating panel follows: it gives way when the clicked unit became the selection.
    if (HumanToMove() && game_.HighX == x && game_.HighY == y)
        game_.DispStats(x, y, 0);
    board_->setCursor(Qt::ArrowCursor);
}

void GameWindow::OnCellMouseMove(int button, int, int x, int y) {
    if (!HumanToMove())
        return;
    if (button != 0) {
        board_->setCursor(Qt::ForbiddenCursor);
        return;
    }
    if (x != lastMouseX_ || y != lastMouseY_) {
        game_.DispStats(x, y, 0);
        lastMouseX_ = x;
        lastMouseY_ = y;
    }
    double chance = 0;
    const ClickAction action = game_.ClickPreview(x, y, &chance);
    board_->setCursor(pointers_.For(action));
    QString label;
    switch (action) {
    case ClickAction::Attack:
    case ClickAction::Arrow:
    case ClickAction::Rock:
    case ClickAction::Oil:
    case ClickAction::Heal:
        label = QString::number(std::lround(chance * 100)) + "%";
        if (label == "100%")
            label.clear();
        break;
    default:
        break;
    }
    panels_[0]->SetHitChance(label);
}

void GameWindow::NextTurn() {
    if (HumanToMove())
        game_.NextPlayer();
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && HumanToMove() && game_.HighX >= 1) {
        game_.UnselectPiece();
        return;
    }
    if (event->key() == Qt::Key_Space && HumanToMove()) {
        game_.SelectNextUnit();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    // Moving over the window's background or a unit panel hides the floating panel.
    if (event->type() == QEvent::MouseMove && (watched == centralWidget() || watched == leftPanel_))
        HidePointerPanel();
    return QMainWindow::eventFilter(watched, event);
}

void GameWindow::HidePointerPanel() {
    panels_[0]->hide();
    // Coming back to the same cell shows its piece again.
    lastMouseX_ = lastMouseY_ = 0;
}

// ---- New, load and save ----------------------------------------------------------------------

void GameWindow::NewGameCommand() {
    while (true) {
        game_.SaveFile.clear();
        const QString path = setup_->Choose();
        if (path.isEmpty())
            return;
        const NewGameSetup setup = setup_->Setup(game_.TeamsMode);
        if (game_.GameOn) {
            // The running game may be in the middle of a computer turn: stop it, and start the
            // new one once that work has noticed and returned.
            // The board stays enabled: with the game off it ignores clicks anyway, and the
            // new game that the timer starts must take them at once.
            game_.GameOn = false;
            pendingPath_ = path;
            pendingSetup_ = setup;
            newGameTimer_.start();
            return;
        }
        if (game_.NewGame(path.toStdString(), setup))
            return;
    }
}

bool GameWindow::SaveTo(const QString& path) {
    try {
        SaveGame(game_, path.toStdString());
    } catch (const Error& error) {
        QMessageBox::warning(this, kProductName, Latin1(error.what()));
        return false;
    }
    game_.SaveFile = path.toStdString();
    return true;
}

bool GameWindow::SaveCommand() {
    if (!game_.GameOn)
        return false;
    QString path = QString::fromStdString(game_.SaveFile);
    if (path.isEmpty()) {
        path = QFileDialog::getSaveFileName(this, "Save Game", programDir_.path(), kSaveFilter);
        if (path.isEmpty())
            return false;
        if (QFileInfo(path).suffix().isEmpty())
            path += ".mvg";
    }
    return SaveTo(path);
}

void GameWindow::SaveAsCommand() {
    const std::string previous = game_.SaveFile;
    game_.SaveFile.clear();
    if (!SaveCommand() && game_.SaveFile.empty())
        game_.SaveFile = previous;
}

void GameWindow::LoadCommand() {
    const QString start =
        game_.SaveFile.empty() ? programDir_.path() : QString::fromStdString(game_.SaveFile);
    const QString path = QFileDialog::getOpenFileName(this, "Load Game", start, kSaveFilter);
    if (!path.isEmpty())
        LoadFrom(path);
}

bool GameWindow::LoadFrom(const QString& path) {
    SavedGame saved;
    try {
        saved = ReadSavedGame(QFile::encodeName(path).toStdString(), specs_);
    } catch (const Error&) {
        // The running game is left exactly as it was.
        QMessageBox::information(this, kProductName, kInvalidSaveFile);
        return false;
    }
    if (game_.GameOn)
        game_.GameOver();
    // A tutorial game is played with the letter pictures.
    if (saved.Def.Options & (1 << option_bit::Tutorial))
        LoadPictureSet("Alphabet");
    RestoreSavedGame(saved, game_);
    game_.SaveFile = path.toStdString();
    ShowLoadedGame();
    return true;
}

void GameWindow::ShowLoadedGame() {
    BoardResized(game_.BoardWidth, game_.BoardHeight);
    for (int x = 1; x <= game_.BoardWidth; ++x) {
        for (int y = 1; y <= game_.BoardHeight; ++y)
            CellPictureChanged(x, y, game_.PicNum(x, y));
    }
    if (game_.HighOn) {
        game_.HighOn = false;
        if (game_.OnBoard(game_.HighX, game_.HighY) && game_.PicNum(game_.HighX, game_.HighY) >= 0)
            game_.SelectPiece(game_.HighX, game_.HighY);
    }
    // The two view settings take effect through their menu commands.
    const bool hide = game_.HideOpponents;
    const bool noThinking = game_.NoThinking;
    SetOption(1, hide);
    if (!hide)
        SetOption(0, !noThinking);
    for (int k = 0; k < 5; ++k)
        teams_[static_cast<size_t>(k)]->setEnabled(game_.TeamsAllowed(k));
    game_.ChooseTeams(game_.TeamsMode);
    for (int p = 1; p <= game_.NumPlayers; ++p)
        game_.DrawCastle(p);
    ShowBackgroundPictures();
    SetBoardVisible(true);
    GameStarted();
    game_.Update();
    TurnStarted();
    setWindowTitle(QString(kProductName) + " - Player " + QString::number(game_.CurrentPlayer) +
                   " - " + Latin1(game_.ScenarioName));
    if (game_.GameOn)
        game_.CheckMoves();
}

// ---- Leaving --------------------------------------------------------------------------------

void GameWindow::Exit() {
    if (exiting_)
        return;
    if (boardVisible_ && game_.GameOn) {
        if (QMessageBox::question(this, kProductName, "Are you sure you want to quit?",
                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return;
    }
    exiting_ = true;
    StoreOptions();
    // A computer turn in progress sees the game end at its next check and returns.
    if (game_.GameOn)
        game_.GameOver();
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
