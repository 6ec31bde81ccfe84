#include "shell/HelpBook.h"
#include "shell/HelpWindow.h"
#include "shell/ShellFixture.h"
#include "ui/KeepDialog.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

TEST(HelpPages, TheUnitPageGivesTheNumbersOfTheShippedUnitTable) {
    const UnitSpecs specs = LoadSpecs(std::filesystem::path(MAROVANE_PROGRAM_DIR) / "specs.txt");
    const QString page = Read(kHelp.filePath("units.html"));
    ASSERT_FALSE(page.contains("<!-- unit table -->"));
    const QRegularExpression row(
        "<tr><td>([^<]*)</td><td>(\\d+)</td><td>(\\d+)</td><td>([^<]*)</td>");
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

} // namespace
} // namespace marovane
