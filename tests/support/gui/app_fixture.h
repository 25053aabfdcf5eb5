// Fixtures for the tests that run the program's main window: a scratch
// folder that is both the program's own folder and the current one, and on
// top of it either the whole program or the main window over a document.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/app_instance.h"
#include "app/app_profile.h"
#include "app/main_frame.h"
#include "document/document.h"
#include "support/message_recorder.h"

namespace kp07::test {

// The program writes its default files next to itself and opens relative
// names in the current folder; both point at a fresh folder for each test,
// and the process-wide state is reset around it.
class ProgramFolderTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    QString ProfilePath() const { return dir.filePath("kp07xt.ini"); }

    QTemporaryDir dir;
    QString oldCwd;
    MessageRecorder messages;
};

// The whole program as a user starts it, with its profile in the folder.
class RunningProgramTest : public ProgramFolderTest {
  protected:
    void TearDown() override;
    // Starts a new program with `arguments`; returns whether it started.
    // Tests start many copies in one process, so a copy never looks for
    // another one already running.
    bool Start(const QStringList& arguments = {});
    // Starts one without arguments and makes its main window the active one.
    void StartShown();
    // Called on each new program before it starts.
    virtual void Prepare(Application&) {}

    std::unique_ptr<Application> app;
    CMainFrame* frame = nullptr;  // set by StartShown
};

// The main window alone over a new document, without the rest of the program.
class MainFrameTest : public ProgramFolderTest {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Called once the window serves the document and before the document's
    // first image is made: where a test installs the commands it needs.
    virtual void InstallCommands() {}

    CKP05Doc doc;
    std::unique_ptr<AppProfile> profile;
    std::unique_ptr<CMainFrame> frame;
};

}  // namespace kp07::test
