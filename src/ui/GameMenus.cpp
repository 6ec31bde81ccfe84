#include "ui/GameMenus.h"

#include "session/Settings.h"
#include "ui/Language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace marovane {

namespace {

QAction* AddItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

void GameMenus::AddComforts(QMenu* game) {
    // Taking back a step, the game kept at the last human turn, and the files opened last.
    resume_ = AddItem(game, "mnuGResume", tr("Resume Last Game"));
    resume_->setEnabled(false);
    connect(resume_, &QAction::triggered, this, &GameMenus::ResumeChosen);
    recentMenu_ = game->addMenu(tr("&Recent"));
    recentMenu_->setObjectName("mnuGRecent");
    connect(recentMenu_, &QMenu::aboutToShow, this, &GameMenus::RecentWanted);
    game->addSeparator()->setObjectName("mnuGSepUndo");
    undo_ = AddItem(game, "mnuGUndo", tr("&Undo"));
    undo_->setShortcut(QKeySequence::Undo);
    undo_->setEnabled(false);
    connect(undo_, &QAction::triggered, this, &GameMenus::UndoChosen);
}

void GameMenus::AddLanguages() {
    // The system's language, English, then each translation under its own name.
    QMenu* menu = optionsMenu_->addMenu(tr("&Language"));
    menu->setObjectName("mnuOLanguage");
    auto* group = new QActionGroup(this);
    QStringList codes{"", "en"};
    codes << InstalledLanguages();
    for (const QString& code : codes) {
        const QString caption = code.isEmpty() ? tr("&System Language") : LanguageName(code);
        QAction* item =
            AddItem(menu, "mnuOLanguage" + (code.isEmpty() ? QString("System") : code), caption);
        item->setCheckable(true);
        item->setData(code);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { emit LanguageChosen(code); });
        languages_.append(item);
    }
}

void GameMenus::SetLanguageChoice(const QString& code) {
    for (QAction* item : languages_)
        item->setChecked(item->data().toString() == code);
}

void GameMenus::SetRecentFiles(const QStringList& paths) {
    recentMenu_->clear();
    if (paths.isEmpty()) {
        recentMenu_->addAction(tr("(none)"))->setEnabled(false);
        return;
    }
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        QAction* item = recentMenu_->addAction(
            QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace("&", "&&")));
        item->setObjectName("mnuGRecent" + QString::number(i));
        item->setData(path);
        item->setToolTip(path);
        connect(item, &QAction::triggered, this, [this, path] { emit RecentChosen(path); });
    }
}

GameMenus::GameMenus(QMenuBar& bar, QObject* parent) : QObject(parent) {
    QMenu* game = bar.addMenu(tr("&Game"));
    game->setObjectName("mnuGame");
    // The standard keys of every desktop program, shown beside the items.
    QAction* newGame = AddItem(game, "mnuGNew", tr("&New"));
    newGame->setShortcut(QKeySequence::New);
    connect(newGame, &QAction::triggered, this, &GameMenus::NewGame);
    QAction* load = AddItem(game, "mnuGLoad", tr("&Load"));
    load->setShortcut(QKeySequence::Open);
    connect(load, &QAction::triggered, this, &GameMenus::Load);
    save_ = AddItem(game, "mnuGSave", tr("&Save"));
    save_->setShortcut(QKeySequence::Save);
    save_->setEnabled(false);
    connect(save_, &QAction::triggered, this, &GameMenus::SaveGame);
    saveAs_ = AddItem(game, "mnuGSaveAs", tr("Save &As..."));
    saveAs_->setEnabled(false);
    connect(saveAs_, &QAction::triggered, this, &GameMenus::SaveGameAs);
    AddComforts(game);
    game->addSeparator()->setObjectName("mnuGSep1");
    connect(AddItem(game, "mnuGConnect", tr("&Connect to Host...")), &QAction::triggered, this,
            &GameMenus::ConnectToHost);
    leave_ = AddItem(game, "mnuGLeave", tr("&Leave Network Game"));
    leave_->setEnabled(false);
    connect(leave_, &QAction::triggered, this, &GameMenus::LeaveNetworkGame);
    game->addSeparator()->setObjectName("mnuGSep2");
    connect(AddItem(game, "mnuGExit", tr("E&xit")), &QAction::triggered, this, &GameMenus::Exit);

    optionsMenu_ = bar.addMenu(tr("&Options"));
    optionsMenu_->setObjectName("mnuOptions");
    for (int i = 0; i < view_option::Count; ++i) {
        QAction* item = AddItem(
            optionsMenu_, "mnuOCheck" + QString::number(i),
            // The captions double as the settings' keys, so they stay English
            // in the table and are translated only here.
            QCoreApplication::translate("GameMenus", ViewOptionCaptions()[static_cast<size_t>(i)]));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this,
                [this, i](bool checked) { emit OptionChosen(i, checked); });
        options_[static_cast<size_t>(i)] = item;
    }
    for (int i = 0; i < view_option::Count; ++i)
        options_[static_cast<size_t>(i)]->setChecked(PlayerSettings::DefaultViewOption(i));
    QMenu* strength = optionsMenu_->addMenu(tr("Computer &Strength"));
    strength->setObjectName("mnuOStrength");
    auto* strengthGroup = new QActionGroup(this);
    const std::array<std::pair<ComputerLevel, const char*>, 2> levels{
        {{ComputerLevel::Standard, QT_TR_NOOP("&Standard")},
         {ComputerLevel::Hard, QT_TR_NOOP("&Hard")}}};
    for (const auto& [level, caption] : levels) {
        QAction* item =
            AddItem(strength, "mnuOStrength" + QString(ComputerLevelName(level)), tr(caption));
        item->setCheckable(true);
        strengthGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, level] { emit StrengthChosen(level); });
        strengths_[static_cast<size_t>(level)] = item;
    }
    strengths_[static_cast<size_t>(ComputerLevel::Standard)]->setChecked(true);
    pictureMenu_ = optionsMenu_->addMenu(tr("Unit &Pictures"));
    pictureMenu_->setObjectName("mnuOPics");
    pictureGroup_ = new QActionGroup(this);
    AddLanguages();

    playerMenu_ = bar.addMenu(tr("&Player"));
    playerMenu_->setObjectName("mnuPlayer");
    computer_ = AddItem(playerMenu_, "mnuPComp", tr("&Computer"));
    computer_->setCheckable(true);
    connect(computer_, &QAction::triggered, this, &GameMenus::ComputerChosen);
    resign_ = AddItem(playerMenu_, "mnuPResign", tr("&Resign"));
    connect(resign_, &QAction::triggered, this, &GameMenus::ResignChosen);

    teamsMenu_ = bar.addMenu(tr("&Teams"));
    teamsMenu_->setObjectName("mnuTeams");
    const char* captions[] = {QT_TR_NOOP("&Free for All"), QT_TR_NOOP("&CPUs vs. Humans"),
                              QT_TR_NOOP("&Left vs. Right"), QT_TR_NOOP("&Top vs. Bottom"),
                              QT_TR_NOOP("&Diagonals")};
    for (int k = 0; k < 5; ++k) {
        QAction* item = AddItem(teamsMenu_, "mnuTCheck" + QString::number(k), tr(captions[k]));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, k] { emit TeamsChosen(k); });
        teams_[static_cast<size_t>(k)] = item;
    }
    // Both act on a running game only.
    SetGameMenusEnabled(false, false);

    QMenu* help = bar.addMenu(tr("&Help"));
    help->setObjectName("mnuHelp");
    AddItem(help, "mnuHContents", tr("&Contents"))->setEnabled(false);
    QAction* windowHelp = AddItem(help, "mnuHWindow", tr("&Help on This Window"));
    windowHelp->setShortcut(QKeySequence::HelpContents);
    windowHelp->setEnabled(false);
    AddItem(help, "mnuHTutorial", tr("&Tutorial"))->setEnabled(false);
    help->addSeparator()->setObjectName("mnuHSep2");
    AddItem(help, "mnuHAbout", tr("&About"))->setEnabled(false);
}

void GameMenus::SetPictureSets(const QStringList& names) {
    for (QAction* action : pictureGroup_->actions())
        delete action;
    if (names.isEmpty()) {
        QAction* none = pictureMenu_->addAction(tr("(none)"));
        none->setObjectName("mnuOPic0");
        pictureGroup_->addAction(none);
        return;
    }
    for (int i = 0; i < names.size(); ++i) {
        QAction* action = pictureMenu_->addAction(names[i]);
        action->setObjectName("mnuOPic" + QString::number(i));
        action->setCheckable(true);
        pictureGroup_->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { emit PictureSetChosen(i); });
    }
}

QList<QAction*> GameMenus::PictureSetItems() const {
    return pictureGroup_->actions();
}

void GameMenus::SetGameMenusEnabled(bool player, bool teams) {
    // The menu bar's entries only: the new-game dialog opens the Teams menu itself, before any
    // game runs.
    playerMenu_->menuAction()->setEnabled(player);
    teamsMenu_->menuAction()->setEnabled(teams);
}

} // namespace marovane
