// Radio backups: their names, where they go, and that each radio keeps only
// its newest ones without anything else in the folder being touched; where
// the user's folders are.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <ctime>
#include <vector>

#include "document/radio_backups.h"
#include "document/user_folders.h"
#include "image/accessors.h"
#include "support/test_support.h"
#include "support/tool_process.h"

namespace kp07 {
namespace {

TEST(RadioBackups, NamesCarryTheSerialNumberDateAndTime) {
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 2;  // March
    t.tm_mday = 7;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 3;
    const struct {
        const char* serial;
        const char* name;
    } cases[] = {
        {"1C010001", "1C010001-20240307-090503.K07"},
        {"2D1*#456", "2D1__456-20240307-090503.K07"},  // DTMF '*' and '#' in a serial
        {"../etc/x", "___etc_x-20240307-090503.K07"},  // never a path
        {"", "unknown-20240307-090503.K07"},
        {"*#*#", "unknown-20240307-090503.K07"},
    };
    for (const auto& c : cases) EXPECT_EQ(BackupFileName(c.serial, t), c.name) << c.serial;
}

TEST(RadioBackups, EachRadioKeepsItsNewestAndNothingElseIsTouched) {
    test::TempDir dir;
    const std::string folder = dir.File("data/kp07xt/backups");  // made on the first backup
    RadioImage radioA = test::FilledImage(0x11);
    SetSerialNumber(radioA, "1C010001");
    RadioImage radioB = test::FilledImage(0x22);
    SetSerialNumber(radioB, "3D123456");
    const std::time_t t0 = 1700000000;

    // Radio A five times (twice in one second), radio B once, keeping three.
    const std::time_t times[] = {t0, t0 + 60, t0 + 120, t0 + 120, t0 + 180};
    const char* const others[] = {"1C010001-2023.K07", "1C010001-20231114-221320.k07", "notes.txt",
                                  "1C010001-20231114-221320-x.K07"};
    std::vector<std::string> keptA;
    for (std::time_t t : times) {
        radioA[100] = std::uint8_t(keptA.size());  // tells the backups apart
        const BackupResult r = KeepRadioBackup(folder, radioA, TrailerFromOffset(5.0), t, 3);
        ASSERT_TRUE(r.kept) << r.error;
        keptA.push_back(r.path);
        if (keptA.size() == 1) {
            // Another radio's backups, and files that only look similar.
            ASSERT_TRUE(KeepRadioBackup(folder, radioB, TrailerFromOffset(0.0), t0, 3).kept);
            for (const char* other : others) {
                ASSERT_TRUE(test::WriteFileBytes(folder + "/" + other, {1, 2, 3}));
            }
        }
    }
    EXPECT_EQ(keptA[3], keptA[2].substr(0, keptA[2].size() - 4) + "-2.K07");

    // The newest three of A, oldest first (the second in one second after the first).
    const std::vector<std::string> left = RadioBackups(folder, "1C010001");
    EXPECT_EQ(left, (std::vector<std::string>{keptA[2], keptA[3], keptA[4]}));
    EXPECT_EQ(RadioBackups(folder, "3D123456").size(), 1u);
    for (const char* other : others) {
        EXPECT_EQ(test::ReadFileBytes(folder + "/" + other).size(), 3u) << other;
    }
    // A backup is a data file of what the radio held.
    std::vector<std::uint8_t> file(radioA.begin(), radioA.begin() + kImageSize);
    file.insert(file.end(), {0, 0, 0, 0, 0, 0, 0x14, 0x40});  // offset 5.0 MHz, little-endian
    EXPECT_EQ(test::ReadFileBytes(keptA[4]), file);
    struct stat st {};
    ASSERT_EQ(::stat(dir.File("data").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);  // the user's own folders

    // Where no folder can be made, the reason comes back and nothing is kept.
    ASSERT_TRUE(test::WriteFileBytes(dir.File("plain"), {0}));
    const BackupResult refused =
        KeepRadioBackup(dir.File("plain/backups"), radioA, TrailerFromOffset(0.0), t0);
    EXPECT_FALSE(refused.kept);
    EXPECT_NE(refused.error.find("plain/backups"), std::string::npos) << refused.error;
}

TEST(UserFolders, FollowTheBaseDirectoryVariablesElseTheHomeFolder) {
    const std::string oldHome = getenv("HOME") ? getenv("HOME") : "";
    const std::string oldData = getenv("XDG_DATA_HOME") ? getenv("XDG_DATA_HOME") : "";
    const std::string oldConfig = getenv("XDG_CONFIG_HOME") ? getenv("XDG_CONFIG_HOME") : "";
    const struct {
        const char* data;    // XDG_DATA_HOME (nullptr: unset)
        const char* config;  // XDG_CONFIG_HOME
        const char* dataFolder;
        const char* configFolder;
        const char* backups;
    } cases[] = {
        {nullptr, nullptr, "/home/u/.local/share/kp07xt", "/home/u/.config/kp07xt",
         "/home/u/.local/share/kp07xt/backups"},
        {"/srv/d", "/srv/c", "/srv/d/kp07xt", "/srv/c/kp07xt", "/srv/d/kp07xt/backups"},
        // Relative or empty values do not count.
        {"rel/d", "", "/home/u/.local/share/kp07xt", "/home/u/.config/kp07xt",
         "/home/u/.local/share/kp07xt/backups"},
    };
    setenv("HOME", "/home/u", 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dataFolder);
        c.data ? setenv("XDG_DATA_HOME", c.data, 1) : unsetenv("XDG_DATA_HOME");
        c.config ? setenv("XDG_CONFIG_HOME", c.config, 1) : unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(UserDataFolder(), c.dataFolder);
        EXPECT_EQ(UserConfigFolder(), c.configFolder);
        EXPECT_EQ(RadioBackupFolder(), c.backups);
    }
    setenv("HOME", oldHome.c_str(), 1);
    setenv("XDG_DATA_HOME", oldData.c_str(), 1);
    setenv("XDG_CONFIG_HOME", oldConfig.c_str(), 1);
}

}  // namespace
}  // namespace kp07
