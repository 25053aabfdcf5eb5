// The built-in help: every topic the program can ask for opens a page that is
// there, at an anchor that is there; every link of every page leads to a page
// and anchor that are there; every page can be reached from the contents.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <map>

#include "app/help_window.h"
#include "channels/channel_columns.h"
#include "resources/help_contexts.h"
#include "resources/menu_table.h"

namespace kp07 {
namespace {

QString PageText(const std::string& page) {
    if (!HelpWindow::PageExists(page)) return {};
    QFile file(":/help/" + QString::fromStdString(page));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

bool HasAnchor(const QString& text, const std::string& anchor) {
    return anchor.empty() || text.contains("name=\"" + QString::fromStdString(anchor) + "\"");
}

// The topic opens a page with a title and a body, at an anchor of that page.
::testing::AssertionResult OpensAPage(int context, int dialogTemplate) {
    const HelpPlace place = HelpPlaceFor(context, dialogTemplate);
    if (!place.found) return ::testing::AssertionFailure() << "no place";
    const QString text = PageText(place.page);
    if (!text.contains("<h1>") || !text.contains("<title>") || text.size() < 400)
        return ::testing::AssertionFailure() << place.page << " is missing or empty";
    if (!HasAnchor(text, place.anchor))
        return ::testing::AssertionFailure() << place.page << " has no anchor " << place.anchor;
    return ::testing::AssertionSuccess();
}

TEST(HelpPages, EveryTopicOfTheTableOpensAPageAtItsAnchor) {
    std::size_t count = 0;
    const HelpTopicRange* table = HelpTopicTable(&count);
    ASSERT_GT(count, 100u);
    int topics = 0;
    for (std::size_t i = 0; i < count; ++i) {
        ASSERT_LE(table[i].first, table[i].last) << i;
        for (int context = table[i].first; context <= table[i].last; ++context, ++topics) {
            EXPECT_TRUE(OpensAPage(context, table[i].dialogTemplate)) << "topic " << context;
        }
    }
    EXPECT_GT(topics, 400);

    // The topics the channel view reports for its columns and group controls.
    for (int col = 0; col < 24; ++col) {
        const int context = ChannelColumnAt(col).helpContext;
        EXPECT_TRUE(OpensAPage(context, 0)) << "column " << col;
        EXPECT_EQ(HelpPlaceFor(context).page, "channels.html");
    }
    EXPECT_TRUE(OpensAPage(kGroupSelectorHelp, 0));
    EXPECT_TRUE(OpensAPage(kGroupTagHelp, 0));

    // Every menu and toolbar command, asked for the way F1 on its entry does.
    std::vector<int> commands(ToolbarCommands());
    for (const Menu& menu : MainMenus()) {
        for (const MenuItem& item : menu.items) {
            if (item.kind == MenuItem::kCommand || item.kind == MenuItem::kRecentFiles)
                commands.push_back(item.id);
        }
    }
    for (int id : commands) {
        if (id == 0) continue;
        EXPECT_TRUE(OpensAPage(HelpContextFor(kCommandHelpBase + id, 0, 0), 0)) << "command " << id;
    }
}

TEST(HelpPages, TopicsLandOnTheirDialogsPages) {
    const struct {
        int context;
        int dialogTemplate;
        const char* page;
        const char* anchor;
    } cases[] = {
        {kGeneralHelpContext, 0, "main_window.html", ""},
        {kHelpContentsContext, 0, "index.html", ""},
        {2101, 158, "scanning.html", "c2101"},
        {306, 0, "channels.html", "c306"},
        {3009, 149, "ani_speed_dial.html", "c3005"},  // every speed dial field: the first's
        {4627, 206, "paging_code.html", "c4620"},
        {4205, 192, "five_tone_systems.html", "c4205"},
        {4202, 192, "five_tone_systems.html", ""},
        {2872, 0, "alignment.html", "c2872"},
        // One control id in two dialogs: the asking dialog decides.
        {4542, 174, "configuration.html", "c4542"},
        {4542, 202, "five_tone_user_tone.html", "tones"},
        {4541, 209, "alignment.html", "readback"},
        {4541, 202, "five_tone_user_tone.html", "tones"},
        // A topic nobody wrote a page for shows the contents.
        {99999, 0, "index.html", ""},
    };
    for (const auto& c : cases) {
        const HelpPlace place = HelpPlaceFor(c.context, c.dialogTemplate);
        EXPECT_EQ(place.page, c.page) << c.context;
        EXPECT_EQ(place.anchor, c.anchor) << c.context;
        EXPECT_EQ(place.found, c.context != 99999) << c.context;
    }
}

TEST(HelpPages, ContextRequestsFollowTheHelpIdTable) {
    // {help id, topic}: the main window (131200) asks for what the view
    // reports (305), the dialogs 131403 to 131268 for what the dialog
    // reports (4203), and 2-Tone Systems (98321) for its own grid's topic.
    const std::pair<int, int> cases[] = {
        {131200, 305},    {131403, 4203},   {131407, 4203},   {131264, 4203},   {131267, 4203},
        {131268, 4203},   {387099, 387099}, {387102, 387102}, {123203, 123203}, {98378, 98378},
        {123200, 123200}, {98369, 1000},    {98370, 1001},    {98336, 98364},   {98354, 98364},
        {98331, 4620},    {98329, 4532},    {98366, 335},     {98308, 98308},   {131402, 131402},
        {98321, 4502},
    };
    for (const auto& [d, expected] : cases) EXPECT_EQ(HelpContextFor(d, 305, 4203), expected) << d;
    EXPECT_EQ(HelpContextFor(kMainWindowHelpId, 0, 0), 0);
}

TEST(HelpPages, EveryLinkLeadsToAPageAndAnchorAndEveryPageIsReached) {
    const QStringList pages = QDir(":/help").entryList({"*.html"}, QDir::Files);
    ASSERT_GE(pages.size(), 30);
    const QRegularExpression href("href=\"([^\"]*)\"");
    std::map<QString, QStringList> links;
    for (const QString& page : pages) {
        const QString text = PageText(page.toStdString());
        EXPECT_TRUE(text.contains("<h1>")) << page.toStdString();
        for (auto it = href.globalMatch(text); it.hasNext();) {
            const QString link = it.next().captured(1);
            const int hash = link.indexOf('#');
            const QString target = hash < 0 ? link : hash == 0 ? page : link.left(hash);
            const QString anchor = hash < 0 ? QString() : link.mid(hash + 1);
            EXPECT_TRUE(HelpWindow::PageExists(target.toStdString()))
                << page.toStdString() << " -> " << link.toStdString();
            if (target.endsWith(".html")) {
                EXPECT_TRUE(HasAnchor(PageText(target.toStdString()), anchor.toStdString()))
                    << page.toStdString() << " -> " << link.toStdString();
                links[page] << target;
            }
        }
    }
    QSet<QString> reached{"index.html"};
    QStringList queue{"index.html"};
    while (!queue.isEmpty()) {
        for (const QString& next : links[queue.takeFirst()]) {
            if (!reached.contains(next)) {
                reached.insert(next);
                queue << next;
            }
        }
    }
    for (const QString& page : pages)
        EXPECT_TRUE(reached.contains(page)) << page.toStdString() << " cannot be reached";
}

}  // namespace
}  // namespace kp07
