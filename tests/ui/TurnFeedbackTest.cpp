#include "ui/WindowFixture.h"

#include "scenario/Options.h"
#include "ui/BoardAnimations.h"
#include "ui/BoardWidget.h"
#include "ui/GameSummaryDialog.h"
#include "ui/KeepDialog.h"
#include "ui/ModalAnswer.h"
#include "ui/UnitPanel.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace marovane {
namespace {

// What the window tells the player while he plays: the round and whose turn it is, the keep's
// offer, and the summary of a game won. One scripted game of two humans on an empty 12 x 12
// board with castles and keeps: player 1 buys a unit, then destroys player 2's last one. With
// MAROVANE_SHOTS set to a folder, the keep, the side panel, the Game menu and the summary are
// photographed there.
class TurnFeedbackTest : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        GameDef def = test::PlainDef(12, 12);
        def.Options =
            static_cast<int16_t>((1 << option_bit::Castle) | (1 << option_bit::LoseConquest) |
                                 (1 << option_bit::WinConquest));
        ASSERT_TRUE(Start(def, test::Humans(2)));
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 12; ++y)
                game->SetUnit(x, y, -1, 1);
        }
        game->PlaceUnit(5, 5, kInfantry, 1);
        game->PlaceUnit(6, 5, kInfantry, 2);
        game->Update();
    }

    QPoint Centre(int x, int y) const { return window->Board()->CellRect(x, y).center().toPoint(); }
    void Click(int x, int y) {
        QTest::mouseClick(window->Board(), Qt::LeftButton, {}, Centre(x, y));
    }
    // Ends the current turn with Next Turn; the keep visit is answered by keep.
    void EndTurn(const std::function<void(KeepDialog&)>& keep) {
        test::ModalAnswer modal([&](QWidget* widget) {
            if (auto* dialog = qobject_cast<KeepDialog*>(widget)) {
                keep(*dialog);
                dialog->CloseButton()->click();
            }
        });
        game->SetNextTurnEnabled(true);
        QTest::mouseClick(window->NextTurnButton(), Qt::LeftButton);
    }

    static void Shot(QWidget* widget, const char* name) {
        const QByteArray folder = qgetenv("MAROVANE_SHOTS");
        if (folder.isEmpty())
            return;
        QTest::qWait(100);
        widget->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(name));
    }

    static constexpr int kInfantry = 3;
};

TEST_F(TurnFeedbackTest, TheKeepListsEachUnitWithItsNumbersAndTheTreasuryFollowsAtOnce) {
    const int before = game->Money[1];
    QString moneyAfterBuying;
    bool shown = false;
    EndTurn([&](KeepDialog& keep) {
        shown = true;
        for (int t = 0; t < kUnitTypes; ++t) {
            if (!keep.UnitButton(t)->isVisible())
                continue;
            const int low = specs.UnitMinDamage[t], high = specs.UnitMaxDamage[t];
            EXPECT_EQ(keep.RowText(t),
                      (QStringList{
                          QString::fromLatin1(specs.UnitName[t]),
                          QString::fromLatin1(FormatMoney(specs.UnitCost[t])),
                          low == high ? QString::number(low) : QString("%1-%2").arg(low).arg(high),
                          QString::number(specs.HitPoints(t)), QString::number(specs.Moves(t)),
                          QString::number(specs.UnitRange[t])}))
                << "type " << t;
        }
        ASSERT_TRUE(keep.UnitButton(kInfantry)->isVisible());
        Shot(&keep, "keep.png");
        QTest::mouseClick(keep.UnitButton(kInfantry), Qt::LeftButton);
        moneyAfterBuying = window->MoneyLabel()->text();
    });
    ASSERT_TRUE(shown);
    EXPECT_EQ(moneyAfterBuying,
              QString::fromLatin1(FormatMoney(before - specs.UnitCost[kInfantry])))
        << "before the keep closed";
}

TEST_F(TurnFeedbackTest, AWonGameIsSummedUpFromWhatHappened) {
    EXPECT_EQ(window->RoundLabel()->text(), "Round 1 - Player 1's turn");
    EndTurn([](KeepDialog& keep) { keep.UnitButton(kInfantry)->click(); });
    EXPECT_EQ(window->RoundLabel()->text(), "Round 1 - Player 2's turn");
    // Player 2 strikes; the floating panel shows his target, and goes when the turn changes
    // (with nothing to do in his keep, no window comes between).
    Click(6, 5);
    Click(5, 5);
    ASSERT_TRUE(window->PointerPanel()->isVisible());
    game->Money[2] = 0;
    EndTurn([](KeepDialog&) { ADD_FAILURE() << "nothing to do in the keep"; });
    EXPECT_FALSE(window->PointerPanel()->isVisible());
    EXPECT_EQ(window->RoundLabel()->text(), "Round 2 - Player 1's turn");
    Click(5, 5);
    Shot(window.get(), "side-panel.png");
    if (!qgetenv("MAROVANE_SHOTS").isEmpty()) {
        QMenu* menu = window->findChild<QMenu*>("mnuGame");
        menu->popup(window->mapToGlobal(QPoint(0, 0)));
        Shot(menu, "game-menu.png");
        menu->hide();
    }

    // Player 2's last unit, nearly dead, with nothing left to buy another.
    game->BoardUnit(6, 5) = 11;
    test::ModalAnswer answer;
    Click(6, 5);
    ASSERT_FALSE(game->GameOn);
    GameSummaryDialog* summary = window->Summary();
    ASSERT_TRUE(summary->isVisible());
    Shot(summary, "summary.png");
    EXPECT_EQ(summary->WinnerText(), "Player 1 wins by conquest.");
    EXPECT_EQ(summary->RoundsText(), "Rounds played: 2");
    EXPECT_EQ(summary->Row(1),
              (QStringList{"Player 1", "0", "1",
                           QString::fromLatin1(FormatMoney(specs.UnitCost[kInfantry]))}));
    EXPECT_EQ(summary->Row(2),
              (QStringList{"Player 2", "1", "0", QString::fromLatin1(FormatMoney(0))}));
    summary->CloseButton()->click();
    EXPECT_FALSE(summary->isVisible());
}

TEST_F(TurnFeedbackTest, StepsSlideAndBattlesShowTheirDamageUntilSkippedOrSwitchedOff) {
    BoardAnimations& animations = *window->Animations();
    Click(5, 5);
    Click(5, 4);
    ASSERT_EQ(game->PieceAt(5, 4).Owner, 1);
    EXPECT_TRUE(animations.Running()) << "the step slides";
    if (const QByteArray folder = qgetenv("MAROVANE_SHOTS"); !folder.isEmpty()) {
        QTest::qWait(BoardAnimations::kSlideMs / 2);
        window->Board()->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath("sliding.png"));
    }
    QTest::keyClick(window.get(), Qt::Key_Shift);
    EXPECT_FALSE(animations.Running()) << "a key skips it";

    // Player 1's infantry, back beside player 2's, attacks it.
    game->SetUnit(5, 4, -1, 1);
    game->PlaceUnit(5, 5, kInfantry, 1);
    game->Update();
    const int before = game->PieceAt(6, 5).HitPoints;
    Click(5, 5);
    Click(6, 5);
    ASSERT_FALSE(game->PieceAt(6, 5).Empty());
    const int lost = before - game->PieceAt(6, 5).HitPoints;
    if (const QByteArray folder = qgetenv("MAROVANE_SHOTS"); !folder.isEmpty()) {
        QTest::qWait(BoardAnimations::kDamageMs / 4);
        window->Board()->grab().save(QDir(QString::fromLocal8Bit(folder)).filePath("damage.png"));
    }
    ASSERT_FALSE(animations.DamageTexts().isEmpty());
    EXPECT_EQ(animations.DamageTexts().front(),
              lost > 0 ? QString("-%1").arg(lost) : QString("miss"));
    QTest::mouseClick(window->Board(), Qt::LeftButton, {}, Centre(1, 12));
    EXPECT_FALSE(animations.Running()) << "a click skips it";

    window->Action("mnuOCheck3")->trigger(); // Options > Animations off
    game->PlaceUnit(8, 8, kInfantry, 1);
    game->Update();
    Click(8, 8);
    Click(8, 7);
    ASSERT_EQ(game->PieceAt(8, 7).Owner, 1);
    EXPECT_FALSE(animations.Running());
}

} // namespace
} // namespace marovane
