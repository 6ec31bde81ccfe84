#include "engine/KeepVisit.h"
#include "scenario/Options.h"
#include "session/Settings.h"
#include "shell/AboutBox.h"
#include "shell/ShellFixture.h"
#include "ui/GameSummaryDialog.h"
#include "ui/KeepDialog.h"
#include "ui/Language.h"
#include "ui/Shoot.h"
#include "ui/dialogs/GameSetupDialog.h"
#include "ui/dialogs/PlacementDialog.h"
#include "ui/dialogs/ScenarioEditor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTimer>

namespace marovane {
namespace {

// A widget's caption without its accelerator marks, as it is drawn.
QString Drawn(QString text) {
    return text.replace("&&", "\x01").remove('&').replace("\x01", "&");
}

// What a button needs to show its caption and icon whole, without the minimum width some
// styles give push buttons.
int ButtonNeeds(const QAbstractButton* button) {
    if (qobject_cast<const QPushButton*>(button) == nullptr)
        return button->sizeHint().width();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QSize content(button->fontMetrics().horizontalAdvance(Drawn(button->text())),
                  button->fontMetrics().height());
    if (!button->icon().isNull())
        content.rwidth() += button->iconSize().width() + 4;
    return button->style()
        ->sizeFromContents(QStyle::CT_PushButton, &option, content, button)
        .width();
}

// Every caption of a window that is drawn cut off: a label, button, check box, group box or
// combo box narrower than its text, or a menu bar too narrow for its menus.
std::vector<std::string> CutTexts(QWidget* root) {
    std::vector<std::string> cut;
    auto report = [&](const QWidget* widget, const QString& text, int needs, bool tall = false) {
        cut.push_back(widget->metaObject()->className() + std::string(" \"") + text.toStdString() +
                      "\" needs " + std::to_string(needs) + " of " +
                      std::to_string(tall ? widget->height() : widget->width()) +
                      (tall ? " pixels in height" : " pixels"));
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || widget->width() <= 0)
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            if (label->wordWrap()) {
                if (label->heightForWidth(label->width()) > label->height())
                    report(label, label->text(), label->heightForWidth(label->width()), true);
            } else if (label->minimumSizeHint().width() > label->width()) {
                report(label, label->text(), label->minimumSizeHint().width());
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!button->text().isEmpty() && ButtonNeeds(button) > button->width())
                report(button, button->text(), ButtonNeeds(button));
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            const int needs = group->fontMetrics().horizontalAdvance(Drawn(group->title())) + 16;
            if (needs > group->width())
                report(group, group->title(), needs);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QSize text(combo->fontMetrics().horizontalAdvance(combo->currentText()),
                             combo->fontMetrics().height());
            const int needs =
                combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, combo).width();
            if (needs > combo->width())
                report(combo, combo->currentText(), needs);
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            if (bar->sizeHint().width() > bar->width())
                report(bar, "menus", bar->sizeHint().width());
        }
    }
    return cut;
}

// Each window and dialog of the game at its default size, in English and in each translation:
// no caption may be cut off, since German words run longer than English ones.
class LanguageLayoutTest : public test::ShellFixture,
                           public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        ASSERT_EQ(InstallLanguage(GetParam()), GetParam());
        MakeWindow();
    }
    void TearDown() override {
        ShellFixture::TearDown();
        InstallLanguage("en");
    }
    void ExpectWhole(QWidget* widget, const char* name) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget)) << name;
        QApplication::processEvents();
        for (const std::string& text : CutTexts(widget))
            ADD_FAILURE() << name << ": " << text;
        test::Shoot(widget, (std::string(GetParam()) + "-" + name).c_str());
    }
    void StartCastleGame() {
        GameDef def = test::PlainDef(12, 12);
        def.Options =
            static_cast<int16_t>((1 << option_bit::Castle) | (1 << option_bit::LoseConquest) |
                                 (1 << option_bit::WinConquest));
        ASSERT_TRUE(window->StartNewGame(
            QString::fromStdString(folder.Write("Layout", def).string()), test::Humans(2)));
    }
};

TEST_P(LanguageLayoutTest, TheMainWindowAndItsSmallDialogsShowEveryCaptionWhole) {
    StartCastleGame();
    Game& game = window->CurrentGame();
    ExpectWhole(window.get(), "window");

    // The keep of player 1, emptied so that every unit is for sale.
    int keepX = 1, keepY = 1;
    game.ToPlayerSide(keepX, keepY, 1);
    game.SetUnit(keepX, keepY, -1, 1);
    KeepDialog keep(specs, window->Pictures(), window.get());
    KeepVisit visit(game, 1);
    QTimer::singleShot(0, &keep, [&] {
        ExpectWhole(&keep, "keep");
        keep.CloseButton()->click();
    });
    keep.Visit(visit);

    window->Summary()->ShowFor(game, window->Session().Record());
    ExpectWhole(window->Summary(), "summary");
    window->Summary()->close();

    AboutBox about(window->Session().Settings(), window.get());
    about.show();
    ExpectWhole(&about, "about");

    shell->ShowWindowHelp();
    ExpectWhole(shell->Help(), "help");
}

TEST_P(LanguageLayoutTest, TheNewGameDialogAndTheEditorsShowEveryCaptionWhole) {
    GameSetupDialog* setup = window->SetupDialog();
    setup->Open();
    ASSERT_FALSE(window->Session().Scenarios().List().empty());
    ASSERT_TRUE(setup->SelectScenario(
        QString::fromStdString(window->Session().Scenarios().List().front())));
    ExpectWhole(setup, "new-game");

    setup->NewScenario();
    ScenarioEditor* editor = setup->Editor();
    ExpectWhole(editor, "editor");
    editor->DoAdvanced();
    ExpectWhole(editor->Placement(), "placement");
    editor->Placement()->reject();
    editor->close();
    setup->reject();
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageLayoutTest, ::testing::Values("en", "de"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace
} // namespace marovane
