#include "shell/ShellFixture.h"

#include "ui/BoardWidget.h"
#include "ui/ModalAnswer.h"
#include "ui/dialogs/GameSetupDialog.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

namespace marovane {
namespace {

class ShortcutsTest : public test::ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeWindow();
    }
    // Two humans on an 8 x 8 board; player 1 has a peasant on (1, 1) and an infantryman on
    // (2, 1). The game has a file, so Save writes without asking where.
    void Start() {
        ASSERT_TRUE(window->StartNewGame(
            QString::fromStdString(folder.Write("Keys", test::PlainDef(8, 8)).string()),
            test::Humans(2)));
        ASSERT_TRUE(window->SaveTo(SavePath()));
        std::filesystem::remove(SavePath().toStdString());
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QString SavePath() const { return InFolder("keys.mvg"); }
    QPoint Centre(int x, int y) const { return window->Board()->CellRect(x, y).center().toPoint(); }
};

TEST_F(ShortcutsTest, EveryKeyDoesItsCommandAndTheMenusShowIt) {
    struct Key {
        const char* name;
        QKeySequence key;
        const char* action; // the menu item that shows the key, if any
        std::function<void()> before;
        std::function<bool()> done;
    };
    const auto selected = [this] { return window->CurrentGame().HighX != 0; };
    const Key keys[] = {
        {"Ctrl+N",
         QKeySequence("Ctrl+N"),
         "mnuGNew",
         {},
         [this] { return window->SetupDialog()->isVisible(); }},
        {"Ctrl+O", QKeySequence("Ctrl+O"), "mnuGLoad", {}, {}}, // the file dialog, below
        {"Ctrl+S",
         QKeySequence("Ctrl+S"),
         "mnuGSave",
         {},
         [this] { return std::filesystem::exists(SavePath().toStdString()); }},
        {"Ctrl+Z", QKeySequence("Ctrl+Z"), "mnuGUndo",
         [this] {
             QTest::mouseClick(window->Board(), Qt::LeftButton, {}, Centre(2, 1));
             QTest::mouseClick(window->Board(), Qt::LeftButton, {}, Centre(3, 2));
             ASSERT_GE(window->CurrentGame().PicNum(3, 2), 0);
         },
         [this] { return window->CurrentGame().PicNum(2, 1) >= 0; }},
        {"F1",
         QKeySequence(Qt::Key_F1),
         "mnuHWindow",
         {},
         [this] { return shell->Help() && shell->Help()->isVisible(); }},
        {"Space", QKeySequence(Qt::Key_Space), nullptr, {}, selected},
        {"Escape", QKeySequence(Qt::Key_Escape), nullptr,
         [this] { QTest::mouseClick(window->Board(), Qt::LeftButton, {}, Centre(2, 1)); },
         [this] { return window->CurrentGame().HighX == 0; }},
    };
    for (const Key& k : keys) {
        SCOPED_TRACE(k.name);
        Start();
        if (k.before)
            k.before();
        bool fileDialog = false;
        test::ModalAnswer modal([&](QWidget* widget) {
            if (auto* dialog = qobject_cast<QFileDialog*>(widget)) {
                fileDialog = true;
                dialog->reject();
            }
        });
        modal.QuestionAnswer = QMessageBox::Discard;
        QTest::keySequence(window.get(), k.key);
        QTest::qWait(20);
        EXPECT_TRUE(k.done ? k.done() : fileDialog);
        if (k.action) {
            EXPECT_EQ(window->Action(k.action)->shortcut(), k.key) << "shown in the menu";
        }
        window->SetupDialog()->reject();
        if (shell->Help())
            shell->Help()->close();
    }
    // The right mouse button offers the next unit, as Space does.
    Start();
    QTest::mouseClick(window->Board(), Qt::RightButton, {}, Centre(5, 5));
    EXPECT_TRUE(selected());
}

TEST_F(ShortcutsTest, PlayerAndTeamsActOnARunningGameOnly) {
    const auto offered = [this] {
        return std::make_pair(window->findChild<QMenu*>("mnuPlayer")->menuAction()->isEnabled(),
                              window->findChild<QMenu*>("mnuTeams")->menuAction()->isEnabled());
    };
    EXPECT_EQ(offered(), std::make_pair(false, false));
    Start();
    EXPECT_EQ(offered(), std::make_pair(true, true));
    test::ModalAnswer answer;
    window->CurrentGame().GameOver();
    EXPECT_EQ(offered(), std::make_pair(false, false));
}

} // namespace
} // namespace marovane
