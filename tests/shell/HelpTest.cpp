#include "shell/HelpBook.h"
#include "shell/HelpWindow.h"
#include "shell/ShellFixture.h"
#include "ui/KeepDialog.h"
#include "ui/Language.h"

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
// The English pages and every translation's, each folder a complete book of its own.
const QDir kBooks[] = {kHelp, QDir(kHelp.filePath("de"))};

TEST(HelpPages, EveryContextNumberHasAPageOfItsOwn) {
    for (const QString language : {"en", "de"}) {
        const HelpBook book{QDir(MAROVANE_PROGRAM_DIR), language};
        EXPECT_EQ(QFileInfo(book.ContentsPage()).dir().dirName(),
                  language == "en" ? "help" : language);
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
}

// The page's links to other pages (and its style sheet), without their anchors.
QStringList Links(const QDir& book, const QString& page) {
    static const QRegularExpression link("href=\"([^\"]*)\"");
    QStringList links;
    for (const auto& match : link.globalMatch(Read(book.filePath(page)))) {
        const QString target = match.captured(1).section('#', 0, 0);
        if (!target.startsWith("http"))
            links << target;
    }
    return links;
}

TEST(HelpPages, EveryLinkLeadsToAPageAndEveryPageIsInTheContents) {
    const QStringList english = kHelp.entryList({"*.html"}, QDir::Files);
    ASSERT_GE(english.size(), 10);
    for (const QDir& book : kBooks) {
        const QStringList pages = book.entryList({"*.html"}, QDir::Files);
        EXPECT_EQ(pages, english) << "a translation has every page, under the same name";
        for (const QString& page : pages) {
            for (const QString& target : Links(book, page)) {
                EXPECT_TRUE(QFileInfo::exists(book.filePath(target)))
                    << book.path().toStdString() << "/" << page.toStdString() << " links to "
                    << target.toStdString();
            }
            QStringList pagesLinked = Links(book, page).filter(".html");
            QStringList englishLinked = Links(kHelp, page).filter(".html");
            pagesLinked.sort();
            englishLinked.sort();
            EXPECT_EQ(pagesLinked, englishLinked)
                << page.toStdString() << " in " << book.path().toStdString();
        }
        const QStringList linked = Links(book, "index.html");
        for (const QString& page : pages) {
            if (page != "index.html") {
                EXPECT_TRUE(linked.contains(page))
                    << page.toStdString() << " is not in the contents";
            }
        }
    }
}

TEST(HelpPages, EveryPageIsShownWithTheStyleSheet) {
    QTextBrowser browser;
    for (const QDir& book : kBooks) {
        for (const QString& page : book.entryList({"*.html"}, QDir::Files)) {
            browser.setSource(QUrl::fromLocalFile(book.filePath(page)));
            const std::string where = book.path().toStdString() + "/" + page.toStdString();
            // The heading that repeats the page's title is in the style sheet's brown.
            const QTextCursor heading = browser.document()->find(
                browser.document()->metaInformation(QTextDocument::DocumentTitle));
            ASSERT_FALSE(heading.isNull()) << where << " has no heading like its title";
            EXPECT_EQ(heading.charFormat().foreground().color(), QColor("#5a3b12"))
                << where << " is shown without help.css";
        }
    }
}

TEST(HelpPages, TheUnitPagesGiveTheNumbersOfTheShippedUnitTable) {
    const UnitSpecs specs = LoadSpecs(std::filesystem::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    const QRegularExpression row(
        "<tr><td>([^<]*)</td><td class=\"n\">(\\d+)</td><td class=\"n\">(\\d+)</td>"
        "<td class=\"n\">([^<]*)</td>");
    const struct {
        QDir book;
        QString notForSale;
    } languages[] = {{kBooks[0], "not for sale"}, {kBooks[1], "unverkäuflich"}};
    for (const auto& [book, notForSale] : languages) {
        const QString page = Read(book.filePath("units.html"));
        ASSERT_FALSE(page.contains("<!-- unit table -->"));
        QStringList names;
        for (const auto& match : row.globalMatch(page)) {
            const int t = static_cast<int>(names.size());
            ASSERT_LT(t, kUnitTypes);
            names << match.captured(1);
            EXPECT_EQ(match.captured(2).toInt(), specs.HitPoints(t)) << specs.UnitName[t];
            EXPECT_EQ(match.captured(3).toInt(), specs.Moves(t)) << specs.UnitName[t];
            if (specs.UnitCost[t] >= 1)
                EXPECT_EQ(match.captured(4).toInt(), specs.UnitCost[t]) << specs.UnitName[t];
            else
                EXPECT_EQ(match.captured(4), notForSale);
        }
        ASSERT_EQ(names.size(), kUnitTypes) << book.path().toStdString();
        if (book == kHelp) {
            for (int t = 0; t < kUnitTypes; ++t)
                EXPECT_EQ(names[t].toStdString(), specs.UnitName[t]);
        } else {
            // The shipped names in German, written as the page's own UTF-8.
            EXPECT_EQ(names[0], "Bauer");
            EXPECT_EQ(names[unit_type::King], "König");
            EXPECT_EQ(names[kUnitTypes - 1], "Mauer");
        }
    }
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

// A window in German opens the German pages, and their links stay among them.
TEST_F(HelpWindowTest, TheGermanWindowShowsTheGermanPages) {
    InstallLanguage("de");
    MakeWindow();
    QTest::keyClick(window.get(), Qt::Key_F1);
    const QString page = shell->Help() ? shell->Help()->CurrentPage() : QString();
    InstallLanguage("en");
    EXPECT_EQ(QFileInfo(page).dir().dirName(), "de");
    EXPECT_EQ(QFileInfo(page).fileName(), "window.html");
    ASSERT_TRUE(shell->Help());
    QTextBrowser* browser = shell->Help()->Browser();
    EXPECT_TRUE(browser->toPlainText().contains("Das Spielfenster"));
    browser->setSource(browser->source().resolved(QUrl("units.html")));
    EXPECT_TRUE(browser->toPlainText().contains("Schwere Reiterei"));
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
