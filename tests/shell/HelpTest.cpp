#include "shell/HelpBook.h"
#include "shell/HelpWindow.h"
#include "shell/ShellFixture.h"
#include "ui/KeepDialog.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTextBlock>
#include <QTextBrowser>

namespace marovane {
namespace {

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const QDir kHelp(QString(MAROVANE_PROGRAM_DIR) + "/help");

TEST(HelpPages, EveryContextNumberHasAPageOfItsOwn) {
    const HelpBook book{QDir(MAROVANE_PROGRAM_DIR)};
    EXPECT_TRUE(QFileInfo::exists(book.ContentsPage()));
    EXPECT_TRUE(QFileInfo::exists(book.TutorialPage()));
    ASSERT_TRUE(HelpBook::Contexts().contains(help_context::MainWindow));
    ASSERT_TRUE(HelpBook::Contexts().contains(help_context::Keep));
    for (const int context : HelpBook::Contexts()) {
        EXPECT_TRUE(QFileInfo::exists(book.ContextPage(context))) << context;
        EXPECT_NE(book.ContextPage(context), book.ContentsPage()) << context;
    }
    EXPECT_EQ(book.ContextPage(999), book.ContentsPage());
}

TEST(HelpPages, EveryLinkLeadsToAPageAndEveryPageIsInTheContents) {
    const QStringList pages = kHelp.entryList({"*.html"}, QDir::Files);
    ASSERT_GE(pages.size(), 10);
    const QRegularExpression link("href=\"([^\"]*)\"");
    QStringList linked;
    for (const QString& page : pages) {
        const QString text = Read(kHelp.filePath(page));
        for (const auto& match : link.globalMatch(text)) {
            const QString target = match.captured(1).section('#', 0, 0);
            if (target.startsWith("http"))
                continue;
            EXPECT_TRUE(QFileInfo::exists(kHelp.filePath(target)))
                << page.toStdString() << " links to " << target.toStdString();
            if (page == "index.html")
                linked << target;
        }
    }
    for (const QString& page : pages) {
        if (page != "index.html") {
            EXPECT_TRUE(linked.contains(page)) << page.toStdString() << " is not in the contents";
        }
    }
}

TEST(HelpPages, EveryPageIsShownWithTheStyleSheet) {
    QTextBrowser browser;
    for (const QString& page : kHelp.entryList({"*.html"}, QDir::Files)) {
        browser.setSource(QUrl::fromLocalFile(kHelp.filePath(page)));
        // The heading that repeats the page's title is in the style sheet's brown.
        const QTextCursor heading = browser.document()->find(
            browser.document()->metaInformation(QTextDocument::DocumentTitle));
        ASSERT_FALSE(heading.isNull()) << page.toStdString() << " has no heading like its title";
        EXPECT_EQ(heading.charFormat().foreground().color(), QColor("#5a3b12"))
            << page.toStdString() << " is shown without help.css";
    }
}

TEST(HelpPages, TheUnitPageGivesTheNumbersOfTheShippedUnitTable) {
    const UnitSpecs specs = LoadSpecs(std::filesystem::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    const QString page = Read(kHelp.filePath("units.html"));
    ASSERT_FALSE(page.contains("<!-- unit table -->"));
    const QRegularExpression row(
        "<tr><td>([^<]*)</td><td class=\"n\">(\\d+)</td><td class=\"n\">(\\d+)</td>"
        "<td class=\"n\">([^<]*)</td>");
    QStringList names;
    for (const auto& match : row.globalMatch(page)) {
        const int t = static_cast<int>(names.size());
        ASSERT_LT(t, kUnitTypes);
        names << match.captured(1);
        EXPECT_EQ(match.captured(1).toStdString(), specs.UnitName[t]);
        EXPECT_EQ(match.captured(2).toInt(), specs.HitPoints(t)) << specs.UnitName[t];
        EXPECT_EQ(match.captured(3).toInt(), specs.Moves(t)) << specs.UnitName[t];
        if (specs.UnitCost[t] >= 1)
            EXPECT_EQ(match.captured(4).toInt(), specs.UnitCost[t]) << specs.UnitName[t];
        else
            EXPECT_EQ(match.captured(4), "not for sale");
    }
    EXPECT_EQ(names.size(), kUnitTypes);
}

class HelpWindowTest : public test::ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        MakeWindow();
    }
    QString Shown() const {
        return shell->Help() && shell->Help()->isVisible()
                   ? QFileInfo(shell->Help()->CurrentPage()).fileName()
                   : QString();
    }
};

TEST_F(HelpWindowTest, F1AndTheHelpMenuOpenTheirPages) {
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(Shown(), "window.html");
    window->Action("mnuHContents")->trigger();
    EXPECT_EQ(Shown(), "index.html");
    window->Keep()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->Keep()));
    window->Keep()->activateWindow();
    QTest::keyClick(window->Keep(), Qt::Key_F1);
    EXPECT_EQ(Shown(), "keep.html");
    window->Keep()->hide();
}

TEST_F(HelpWindowTest, LinksAreFollowedAndAMissingPageSaysSo) {
    shell->ShowContents();
    QTextBrowser* browser = shell->Help()->Browser();
    // A link as the contents page gives it, relative to the page.
    browser->setSource(browser->source().resolved(QUrl("units.html")));
    EXPECT_EQ(Shown(), "units.html");
    EXPECT_TRUE(browser->toPlainText().contains("Heavy Cavalry"));
    browser->backward();
    EXPECT_EQ(Shown(), "index.html");

    std::filesystem::remove(folder.Path() / "help/keep.html");
    shell->ShowHelp(help_context::Keep);
    EXPECT_TRUE(browser->toPlainText().contains("is missing")) << "no blank window";
}

// Where a link of the shown page is, in the browser's viewport.
QPoint LinkPosition(QTextBrowser& browser, const QString& target) {
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != target)
                continue;
            QTextCursor cursor(browser.document());
            cursor.setPosition(fragment.position() + 1);
            return browser.cursorRect(cursor).center();
        }
    }
    ADD_FAILURE() << "no link to " << target.toStdString();
    return {};
}

// A click as the window system delivers it, which a modal dialog may hold back from its window.
void Click(QWidget& widget, const QPoint& at) {
    QWidget& window = *widget.window();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, widget.mapTo(&window, at));
}

// The keep is modal, as on every visit: its help must still answer the mouse beside it.
TEST_F(HelpWindowTest, TheKeepsHelpIsUsableBesideTheModalKeep) {
    KeepDialog& keep = *window->Keep();
    keep.setWindowModality(Qt::ApplicationModal);
    keep.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&keep));
    ASSERT_EQ(QApplication::activeModalWidget(), &keep);
    QTest::keyClick(&keep, Qt::Key_F1);
    ASSERT_EQ(Shown(), "keep.html");
    HelpWindow& help = *shell->Help();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));

    QTextBrowser& browser = *help.Browser();
    Click(*browser.viewport(), LinkPosition(browser, "castles.html"));
    EXPECT_EQ(Shown().toStdString(), "castles.html") << "the link was followed";
    auto* back = help.findChild<QPushButton*>("back");
    ASSERT_TRUE(back);
    Click(*back, back->rect().center());
    EXPECT_EQ(Shown().toStdString(), "keep.html") << "Back was pressed";
    QScrollBar& scroll = *browser.verticalScrollBar();
    help.resize(help.width(), 200);
    QTest::qWait(20);
    ASSERT_GT(scroll.maximum(), 0);
    QStyleOptionSlider arrow;
    arrow.initFrom(&scroll);
    arrow.orientation = Qt::Vertical;
    arrow.minimum = scroll.minimum();
    arrow.maximum = scroll.maximum();
    arrow.sliderPosition = scroll.sliderPosition();
    const QRect down = scroll.style()->subControlRect(QStyle::CC_ScrollBar, &arrow,
                                                      QStyle::SC_ScrollBarAddLine, &scroll);
    Click(scroll, down.center());
    EXPECT_GT(scroll.value(), 0) << "the page scrolled";

    keep.hide();
    EXPECT_TRUE(help.isVisible()) << "the help stays when the keep closes";
}

} // namespace
} // namespace marovane
