#include "support/gui/app_fixture.h"

#include <QDir>

#include "blocks/image_ops.h"
#include "support/gui/gui_helpers.h"
#include "support/test_support.h"

namespace kp07::test {

void ProgramFolderTest::SetUp() {
    ResetProcessStateForTest();
    ASSERT_TRUE(dir.isValid());
    SetExecutableDirectoryForTest(dir.path().toStdString());
    oldCwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
}

void ProgramFolderTest::TearDown() {
    QDir::setCurrent(oldCwd);
    SetExecutableDirectoryForTest("");
    DestroyImageAndBlocks();
    ResetProcessStateForTest();
}

void RunningProgramTest::TearDown() {
    app.reset();
    ProgramFolderTest::TearDown();
}

bool RunningProgramTest::Start(const QStringList& arguments) {
    app = std::make_unique<Application>();
    app->profilePath = ProfilePath();
    app->singleInstance = false;
    Prepare(*app);
    return app->InitInstance(arguments);
}

void RunningProgramTest::StartShown() {
    ASSERT_TRUE(Start());
    frame = app->frame();
    ASSERT_TRUE(ShowActive(frame));
}

void MainFrameTest::SetUp() {
    ASSERT_NO_FATAL_FAILURE(ProgramFolderTest::SetUp());
    profile = std::make_unique<AppProfile>(ProfilePath());
    profile->ReadConfiguration();
    frame = std::make_unique<CMainFrame>(doc, *profile);
    doc.SetHost(frame.get());
    InstallCommands();
    doc.OnNewDocument();
}

void MainFrameTest::TearDown() {
    frame.reset();
    profile.reset();
    ProgramFolderTest::TearDown();
}

}  // namespace kp07::test
