// Saving data files where the path is a link, a file with several names, no
// regular file at all, or a very long name; and saves that are killed.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "document/data_file.h"
#include "document/safe_save.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "support/tool_process.h"

namespace kp07 {
namespace {

using Bytes = std::vector<std::uint8_t>;

// What a save of an image of `fill` bytes with offset 0.0 puts on disk.
Bytes Content(std::uint8_t fill) {
    Bytes bytes(7807, fill);
    bytes.resize(7815, 0);
    return bytes;
}

bool Save(const std::string& path, std::uint8_t fill) {
    return WriteDataFile(path, test::FilledImage(fill), TrailerFromOffset(0.0));
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(dir)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class DataFileSave : public ::testing::Test {
  protected:
    void TearDown() override { SetSaveFaultsForTest({}); }
    test::TempDir folder;
    const std::string dir = folder.path();
    test::MessageRecorder messages;
};

TEST_F(DataFileSave, ThroughLinksTheLinkedFileIsWrittenAndTheLinkKept) {
    ASSERT_EQ(::mkdir((dir + "/sub").c_str(), 0700), 0);
    test::WriteFileBytes(dir + "/real.K07", Content(1));
    test::WriteFileBytes(dir + "/sub/other.K07", Content(1));
    struct Case {
        std::string link, to, file;
    };
    const Case cases[] = {
        {"abs.K07", dir + "/real.K07", "real.K07"},
        {"rel.K07", "sub/other.K07", "sub/other.K07"},
        {"sub/up.K07", "../real.K07", "real.K07"},       // relative to the link's folder
        {"chain.K07", "rel.K07", "sub/other.K07"},       // a link to a link
        {"dangling.K07", "sub/new.K07", "sub/new.K07"},  // made where the link points
    };
    std::uint8_t fill = 2;
    for (const Case& c : cases) {
        const std::string link = dir + "/" + c.link;
        ASSERT_EQ(::symlink(c.to.c_str(), link.c_str()), 0) << c.link;
        ASSERT_TRUE(Save(link, fill)) << c.link;
        struct stat st {};
        ASSERT_EQ(::lstat(link.c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode)) << c.link;
        EXPECT_EQ(test::ReadFileBytes(dir + "/" + c.file), Content(fill)) << c.link;
        ++fill;
    }
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"abs.K07", "chain.K07", "dangling.K07",
                                                    "real.K07", "rel.K07", "sub"}));
    EXPECT_EQ(Names(dir + "/sub"), (std::vector<std::string>{"new.K07", "other.K07", "up.K07"}));
}

TEST_F(DataFileSave, WhatIsNoRegularFileIsRefusedAndLeftAsItWas) {
    const std::string fifo = dir + "/pipe.K07", folderPath = dir + "/folder.K07";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkdir(folderPath.c_str(), 0700), 0);
    // A device node of our own where we may make one; a system one (that an
    // ordinary user cannot replace) otherwise.
    std::string device = dir + "/null.K07";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) device = "/dev/null";
    const std::string link = dir + "/to-pipe.K07";
    ASSERT_EQ(::symlink(fifo.c_str(), link.c_str()), 0);

    for (const std::string& path : {fifo, folderPath, device, link}) {
        struct stat before {
        }, after{};
        ASSERT_EQ(::lstat(path.c_str(), &before), 0);
        EXPECT_FALSE(Save(path, 7)) << path;
        EXPECT_EQ(messages.last(), "Problem opening file\r\n" + path);
        EXPECT_FALSE(CheckDataFileTarget(path)) << path;
        ASSERT_EQ(::lstat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode) << path;
        EXPECT_EQ(after.st_ino, before.st_ino) << path;
    }
    EXPECT_TRUE(Names(folderPath).empty());
}

TEST_F(DataFileSave, AFileWithSeveralNamesIsWrittenInPlace) {
    const std::string a = dir + "/a.K07", b = dir + "/b.K07";
    test::WriteFileBytes(a, Content(1));
    ASSERT_EQ(::link(a.c_str(), b.c_str()), 0);
    struct stat before {};
    ASSERT_EQ(::stat(a.c_str(), &before), 0);

    ASSERT_TRUE(Save(a, 2));
    EXPECT_EQ(test::ReadFileBytes(b), Content(2));
    struct stat after {};
    ASSERT_EQ(::stat(b.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);

    // A write that fails half-way puts the backup copy back.
    SetSaveFaultsForTest({1000});
    EXPECT_FALSE(Save(a, 3));
    EXPECT_EQ(messages.last(), "Problem writing to file");
    EXPECT_EQ(test::ReadFileBytes(a), Content(2));
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"a.K07", "b.K07"}));
}

// Another user's file is saved over only where this user may write it, and
// it stays that user's. Making files of another user needs root.
TEST_F(DataFileSave, AnotherUsersFileIsSavedOnlyWhereItMayBeWrittenAndStaysTheirs) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give files to another user";
    constexpr uid_t kOther = 65534;
    ASSERT_EQ(::chmod(dir.c_str(), 0777), 0);  // anyone may make files here
    // Runs `what` as the other user; its answer.
    const auto asOther = [](const std::function<bool()>& what) {
        const pid_t child = ::fork();
        if (child == 0) {
            const bool dropped = ::setgid(kOther) == 0 && ::setuid(kOther) == 0;
            ::_exit(dropped && what() ? 0 : 1);
        }
        int status = 0;
        return ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    };
    if (!asOther([&] { return ::access(dir.c_str(), W_OK | X_OK) == 0; })) {
        GTEST_SKIP() << "the other user cannot reach " << dir;
    }
    const auto saveAsOther = [&](const std::string& path, std::uint8_t fill) {
        return asOther([&] { return Save(path, fill); });
    };
    const struct {
        unsigned mode;    // root's file
        bool otherSaves;  // the other user's save works
    } cases[] = {{0644, false}, {0666, true}};
    for (const auto& c : cases) {
        const std::string path = dir + "/root.K07";
        test::WriteFileBytes(path, Content(1));
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        EXPECT_EQ(saveAsOther(path, 2), c.otherSaves) << c.mode;
        EXPECT_EQ(test::ReadFileBytes(path), Content(c.otherSaves ? 2 : 1)) << c.mode;
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 0u) << c.mode;  // written in place: still root's
        EXPECT_EQ(st.st_mode & 07777, c.mode) << c.mode;
    }
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"root.K07"}));

    // root saving the other user's file: replaced, with its owner and group.
    const std::string theirs = dir + "/theirs.K07";
    test::WriteFileBytes(theirs, Content(1));
    ASSERT_EQ(::chown(theirs.c_str(), kOther, kOther), 0);
    ASSERT_EQ(::chmod(theirs.c_str(), 0640), 0);
    ASSERT_TRUE(Save(theirs, 3));
    EXPECT_EQ(test::ReadFileBytes(theirs), Content(3));
    struct stat st {};
    ASSERT_EQ(::stat(theirs.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kOther);
    EXPECT_EQ(st.st_gid, gid_t(kOther));
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A save killed half-way leaves the old file; its temporary file vanishes
// with it, or (on file systems that need named ones) the next save into the
// folder removes it, but never one that a running save holds.
TEST_F(DataFileSave, AKilledSaveLeavesNoTemporaryFileBehind) {
    const std::string target = dir + "/radio.K07";
    for (const bool named : {false, true}) {
        SCOPED_TRACE(named ? "named temporary file" : "unnamed temporary file");
        test::WriteFileBytes(target, Content(1));
        const pid_t child = ::fork();
        if (child == 0) {
            SetSaveFaultsForTest({1000, true, named});
            Save(target, 2);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        EXPECT_EQ(test::ReadFileBytes(target), Content(1));
        EXPECT_EQ(Names(dir).size(), named ? 2u : 1u);

        const std::string live = dir + "/" + kSaveTempPrefix + "live01";
        test::WriteFileBytes(live, {});
        const int held = ::open(live.c_str(), O_RDONLY);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);
        ASSERT_TRUE(Save(target, 3));
        EXPECT_EQ(test::ReadFileBytes(target), Content(3));
        EXPECT_EQ(Names(dir), (std::vector<std::string>{".kp07save.live01", "radio.K07"}));
        ::close(held);
        ::unlink(live.c_str());
    }
}

TEST_F(DataFileSave, LongNamesSaveAndTooLongOnesAreRefusedBeforehand) {
    const std::string longest = dir + "/" + std::string(251, 'a') + ".K07";  // 255 characters
    ASSERT_TRUE(Save(longest, 4));
    EXPECT_EQ(test::ReadFileBytes(longest), Content(4));
    EXPECT_EQ(Names(dir).size(), 1u);

    const std::string tooLong = dir + "/" + std::string(252, 'b') + ".K07";
    EXPECT_FALSE(CheckDataFileTarget(tooLong));
    EXPECT_EQ(messages.last(), "Problem opening file\r\n" + tooLong);
    EXPECT_FALSE(Save(tooLong, 4));

    // kp07 finds out before it calls the radio: the device is never opened.
    const std::string out = dir + "/" + std::string(296, 'c') + ".K07";
    const test::ToolResult r =
        test::RunKp07({"upload", "--device", dir + "/no-such-line", "--out", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.errors.find("Problem opening file"), std::string::npos) << r.errors;
    EXPECT_EQ(r.errors.find("COM"), std::string::npos) << r.errors;
}

}  // namespace
}  // namespace kp07
