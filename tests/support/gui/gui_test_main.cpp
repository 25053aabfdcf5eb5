// main() of the widget test programs: a QApplication on the offscreen
// platform, so that the tests run without a display.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <string>

#include "support/tool_process.h"

namespace {

// Qt wants a private runtime folder; without one (or with one that others
// may read) it prints a warning into every test log.
std::string PrepareRuntimeDir() {
    const char* given = getenv("XDG_RUNTIME_DIR");
    if (given && *given) {
        struct stat st {};
        if (stat(given, &st) == 0 && st.st_uid == getuid() && (st.st_mode & 0777) != 0700)
            chmod(given, 0700);
        return {};
    }
    char pattern[] = "/tmp/kp07-gui-test-XXXXXX";
    if (!mkdtemp(pattern)) return {};
    chmod(pattern, 0700);
    setenv("XDG_RUNTIME_DIR", pattern, 1);
    return pattern;
}

// The offscreen platform reports every window it cannot size to its hints;
// that says nothing about the program.
void QuietMessages(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string ownRuntimeDir = PrepareRuntimeDir();
    kp07::test::KeepUserFoldersInBuild();
    ::testing::InitGoogleTest(&argc, argv);
    qInstallMessageHandler(QuietMessages);
    int result;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (!ownRuntimeDir.empty()) rmdir(ownRuntimeDir.c_str());
    return result;
}
