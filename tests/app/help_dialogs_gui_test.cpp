// The Help menu: the About box and the text window with Get Started and
// Common Problems.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include "app/about_dialog.h"
#include "app/help_commands.h"
#include "app/help_text_dialog.h"
#include "app/main_frame.h"
#include "resources/command_ids.h"
#include "support/gui/app_fixture.h"

namespace kp07 {
namespace {

TEST(HelpDialogsTest, AboutShowsTheVersionInCourierNew) {
    CAboutDlg about;
    EXPECT_EQ(about.versionLabel()->text(), "KP07XT Ver.3.00");
    EXPECT_EQ(about.versionLabel()->font().family(), "Courier New");
    EXPECT_EQ(about.versionLabel()->font().pointSize(), 24);
    EXPECT_EQ(about.productLabel()->font().pointSize(), 10);
}

class HelpCommandsTest : public test::MainFrameTest {
  protected:
    void InstallCommands() override { InstallHelpCommands(*frame); }
};

TEST_F(HelpCommandsTest, GetStartedThenCommonProblemsInTheSameWindow) {
    const struct {
        int command;
        const char* caption;
        const char* heading;
    } cases[] = {
        {cmd::kGetStarted, "Get Started", "   GET STARTED"},
        {cmd::kCommonProblems, "Common Problems", "   PROGRAMMING PROBLEMS"},
    };
    QStringList texts;
    for (const auto& c : cases) {
        EXPECT_TRUE(frame->Action(c.command)->isEnabled());
        QString caption;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<CHelpTextDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            caption = window->windowTitle();
            texts << window->textField()->toPlainText();
            window->accept();
        });
        frame->Trigger(c.command);
        EXPECT_EQ(caption, c.caption);
        ASSERT_FALSE(texts.isEmpty());
        const QString text = texts.last();
        EXPECT_TRUE(text.startsWith(QLatin1String(c.heading))) << text.toStdString();
        EXPECT_FALSE(text.contains('\r'));
    }
    EXPECT_NE(texts.value(0), texts.value(1));
}

}  // namespace
}  // namespace kp07
