#pragma once

#include "shell/ShellFixture.h"
#include "ui/BoardWidget.h"
#include "ui/Shoot.h"
#include "ui/dialogs/GameSetupDialog.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

// What the tests of the scenario editors share: a window over a program folder of their own, and
// clicks as an author gives them.

namespace marovane::test {

// Every file of a folder with its bytes, to show that a refusal left the folder as it was.
inline std::map<std::string, std::string> FolderContents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[std::filesystem::relative(entry.path(), folder).string()] = bytes.str();
    }
    return files;
}

// Right-clicks a cell of a board and picks the entry with this caption from the unit pop-up that
// opens.
inline void PickFromPopup(BoardWidget* board, int x, int y, const QString& caption) {
    bool picked = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == caption && action->isVisible()) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                picked = true;
                return;
            }
        }
        menu->close();
    });
    QTest::mouseClick(board, Qt::RightButton, {}, board->CellRect(x, y).center().toPoint());
    EXPECT_TRUE(picked) << caption.toStdString();
}

class EditorFixture : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeWindow();
    }
    GameSetupDialog* Setup() const { return window->SetupDialog(); }
    static void Click(QAbstractButton* button) {
        ASSERT_TRUE(button->isVisible() && button->isEnabled()) << button->text().toStdString();
        // A check box takes clicks on its box and caption only.
        const QPoint at = qobject_cast<QCheckBox*>(button)
                              ? QPoint(8, button->height() / 2)
                              : QPoint(button->width() / 2, button->height() / 2);
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
};

// Moves the pointer over a widget with no button held, as the offscreen platform does not move
// its pointer for QTest.
inline void MoveOver(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Clicks a spin box's up or down arrow where the style draws it.
inline void ClickArrow(QAbstractSpinBox* box, bool up) {
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.subControls = QStyle::SC_All;
    option.buttonSymbols = box->buttonSymbols();
    option.frame = box->hasFrame();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect arrow = box->style()->subControlRect(
        QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, arrow.center());
}

} // namespace marovane::test
