#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <limits>

#include <vector>

#include "blocks/channel_table.h"
#include "blocks/image_ops.h"
#include "document/data_file.h"
#include "document/document.h"
#include "document/safe_save.h"
#include "image/accessors.h"
#include "support/message_recorder.h"
#include "support/test_support.h"
#include "support/tool_process.h"

namespace kp07 {
namespace {

using Bytes = std::vector<std::uint8_t>;

class FakeHost : public DocumentHost {
  public:
    void SetTitle(const std::string& title) override { this->title = title; }
    void RefreshViews() override { ++refreshes; }
    void SignalingFamilyChanged(bool five) override { fiveTone = five; }
    std::string AskOpenPath() override { return openPath; }
    std::string AskSavePath() override { return savePath; }

    std::string title;
    int refreshes = 0;
    bool fiveTone = false;
    std::string openPath;
    std::string savePath;
};

// A data file of `firmware` whose image is otherwise a new default image.
Bytes DataFile(unsigned firmware, double offset = 0.0) {
    RadioImage im{};
    FillDefaults(im);
    RebuildImage(im);
    SetFirmwareVersion(im, firmware);
    Bytes bytes(im.begin(), im.begin() + kImageSize);
    const FileTrailer t = TrailerFromOffset(offset);
    bytes.insert(bytes.end(), t.begin(), t.end());
    return bytes;
}

class DocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        ASSERT_FALSE(exeFolder.path().empty());
        ASSERT_FALSE(workFolder.path().empty());
        SetExecutableDirectoryForTest(exeDir);
        char cwd[4096];
        oldCwd = ::getcwd(cwd, sizeof cwd) ? cwd : "/";
        ASSERT_EQ(::chdir(workDir.c_str()), 0);
    }
    void TearDown() override {
        SetSaveFaultsForTest({});
        SetExecutableDirectoryForTest("");
        [[maybe_unused]] int rc = ::chdir(oldCwd.c_str());
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }

    test::TempDir exeFolder, workFolder;
    const std::string exeDir = exeFolder.path(), workDir = workFolder.path();
    std::string oldCwd;
    FakeHost host;
    CKP05Doc doc{&host};
    test::MessageRecorder messages;
};

TEST_F(DocumentTest, FirstStartWritesTheDefaultFileIntoTheCurrentFolder) {
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(host.title, "<none>");
    EXPECT_EQ(currentFileName, "<none>");
    EXPECT_EQ(defaultFileLoaded, 0);
    EXPECT_TRUE(host.fiveTone);
    const Bytes written = test::ReadFileBytes(workDir + "/defaultu.k07");
    ASSERT_EQ(written.size(), 7815u);
    // Firmware 3.00, as in every new image.
    EXPECT_EQ(Bytes(written.begin(), written.begin() + 2), (Bytes{0x03, 0x00}));
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(DocumentTest, DefaultFileNextToTheProgramIsLoadedAndSavingItAsks) {
    // Firmware 3.00 (a default image), which Open refuses: still loaded.
    Bytes file = DataFile(300, 1.5);
    file[281] = 70;  // a CB group of 70 channels marks the file's content
    test::WriteFileBytes(exeDir + "/defaultu.k07", file);
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(currentFileName, exeDir + "/defaultu.k07");
    EXPECT_EQ(host.title, currentFileName);
    EXPECT_EQ(defaultFileLoaded, 1);
    EXPECT_EQ(channels->groupSizes()[0], 70u);
    EXPECT_EQ(autoTxOffsetMHz, 1.5);

    messages.Answer(MsgResult::kNo);
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(messages.last(), "Do  you want to write default file?");
    EXPECT_EQ(test::ReadFileBytes(exeDir + "/defaultu.k07"), file);
}

TEST_F(DocumentTest, OpenRefusesFilesOfTheWrongSizeOrOldFirmware) {
    doc.OnNewDocument();
    (*radioImage)[300] = 0x5A;
    const RadioImage before = *radioImage;
    const std::string bad =
        "The File cannot be Opened.\r\nThe File's format is invalid or not Supported";
    for (std::size_t size : {std::size_t(7814), std::size_t(7816), std::size_t(0)}) {
        test::WriteFileBytes(workDir + "/x.K07", Bytes(size, 4));
        EXPECT_FALSE(doc.OpenFile(workDir + "/x.K07")) << size;
        EXPECT_EQ(messages.last(), bad) << size;
    }
    EXPECT_FALSE(doc.OpenFile(workDir + "/missing.K07"));
    EXPECT_EQ(messages.last(), "Problem opening file\r\nFile Name = " + workDir + "/missing.K07");

    test::WriteFileBytes(workDir + "/old.K07", DataFile(399));
    EXPECT_FALSE(doc.OpenFile(workDir + "/old.K07"));
    EXPECT_EQ(messages.last(), "Update the firmware Ver.4.00 or later.");
    // A default image (firmware 3.00) is refused by Open as well.
    test::WriteFileBytes(workDir + "/new.K07", DataFile(300));
    EXPECT_FALSE(doc.OpenFile(workDir + "/new.K07"));
    EXPECT_EQ(*radioImage, before);

    test::WriteFileBytes(workDir + "/good.K07", DataFile(400));
    EXPECT_TRUE(doc.OpenFile(workDir + "/good.K07"));
    EXPECT_EQ(currentFileName, workDir + "/good.K07");
    EXPECT_EQ(GetFirmwareVersion(*radioImage), 400u);
    EXPECT_GE(host.refreshes, 1);
}

// A file whose image does not add up to its checksum is opened only when
// the user says so; No keeps the document that was open.
TEST_F(DocumentTest, AFileWithAWrongChecksumOpensOnlyWhenTheUserSaysSo) {
    doc.OnNewDocument();
    const std::string good = workDir + "/good.K07", damaged = workDir + "/damaged.K07";
    Bytes bytes = DataFile(400);
    test::WriteFileBytes(good, bytes);
    bytes[3000] ^= 0x10;
    test::WriteFileBytes(damaged, bytes);

    EXPECT_TRUE(doc.OpenFile(good));
    EXPECT_EQ(messages.count(), 0u);
    const RadioImage before = *radioImage;
    messages.Answer(MsgResult::kNo);
    EXPECT_FALSE(doc.OpenFile(damaged));
    EXPECT_EQ(messages.last(),
              "The file's checksum does not match; it may be damaged. Open it anyway?");
    EXPECT_EQ(messages.shown().back().buttons, MsgButtons::kYesNo);
    EXPECT_EQ(currentFileName, good);
    EXPECT_EQ(*radioImage, before);

    messages.Answer(MsgResult::kYes);
    EXPECT_TRUE(doc.OpenFile(damaged));
    EXPECT_EQ(currentFileName, damaged);
    EXPECT_EQ((*radioImage)[3000], bytes[3000]);
}

TEST_F(DocumentTest, AShortDefaultFileLeavesTheDefaults) {
    test::WriteFileBytes(exeDir + "/defaultu.k07", Bytes(100, 0xEE));
    doc.OnNewDocument();
    EXPECT_EQ(defaultFileLoaded, 0);
    EXPECT_EQ(messages.last(),
              "Problem reading from file\r\nFile Name = " + exeDir + "/defaultu.k07");
    RadioImage fresh{};
    FillDefaults(fresh);
    EXPECT_EQ((*radioImage)[200], fresh[200]);
    EXPECT_EQ(GetGroupChannelCount(*radioImage, 0), 77u);
}

TEST_F(DocumentTest, SavingKeepsTheOldFileWhenTheWriteFails) {
    doc.OnNewDocument();
    host.savePath = workDir + "/radio.K07";
    autoTxOffsetMHz = -2.5;
    ASSERT_TRUE(doc.OnFileSaveAs());
    const Bytes first = test::ReadFileBytes(host.savePath);
    ASSERT_EQ(first.size(), 7815u);
    // The trailer is the offset as a little-endian double: -2.5 is C0 04 00 ... 00.
    EXPECT_EQ(Bytes(first.begin() + 7807, first.end()), (Bytes{0, 0, 0, 0, 0, 0, 0x04, 0xC0}));

    SetGroupChannelCount(*radioImage, 0, 5);
    channels->Load(*radioImage);
    imageModified = 1;
    SetSaveFaultsForTest({1000});
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(messages.last(), "Problem writing to file");
    EXPECT_EQ(test::ReadFileBytes(host.savePath), first);
    EXPECT_EQ(imageModified, 1);
    SetSaveFaultsForTest({});
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_EQ(imageModified, 0);
    EXPECT_EQ(test::ReadFileBytes(host.savePath)[281], 5);
}

TEST(TrailerOffset, AnyTrailerGivesAFewMegahertz) {
    // What every reader of a data file takes as the automatic offset (the
    // document, the report, the channel import): a damaged trailer must not
    // become a split of 10^270 MHz.
    const struct {
        double stored, taken;
    } cases[] = {
        {0.0, 0.0},
        {-2.5, -2.5},
        {99.9, 99.9},
        {1e270, 99.9},
        {-1e270, -99.9},
        {std::numeric_limits<double>::infinity(), 0.0},
        {std::numeric_limits<double>::quiet_NaN(), 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrailerOffsetMHz(TrailerFromOffset(c.stored)), c.taken) << c.stored;
    }
}

TEST_F(DocumentTest, ReadOnlyFilesAreNotWritten) {
    doc.OnNewDocument();
    const std::string path = workDir + "/locked.K07";
    test::WriteFileBytes(path, DataFile(400));
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    currentFileName = path;
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(messages.last(), "The File's attribute is Read_Only.\r\nFile Name = " + path);
    EXPECT_EQ(test::ReadFileBytes(path), DataFile(400));
}

TEST_F(DocumentTest, TheSaveQuestion) {
    doc.OnNewDocument();
    imageModified = 1;
    messages.Answer(MsgResult::kCancel);
    EXPECT_FALSE(doc.ConfirmDiscard());
    EXPECT_EQ(imageModified, 1);
    EXPECT_EQ(messages.last(), "Save changes to <none>?");

    // Yes, but the file dialog is cancelled: the changes are kept.
    messages.Answer(MsgResult::kYes);
    EXPECT_FALSE(doc.ConfirmDiscard());
    EXPECT_EQ(imageModified, 1);

    messages.Answer(MsgResult::kNo);
    EXPECT_TRUE(doc.ConfirmDiscard());
    EXPECT_EQ(imageModified, 0);

    imageModified = 1;
    host.savePath = workDir + "/kept.K07";
    messages.Answer(MsgResult::kYes);
    EXPECT_TRUE(doc.ConfirmDiscard());
    EXPECT_EQ(test::ReadFileBytes(host.savePath).size(), 7815u);
}

TEST_F(DocumentTest, OverlongSavePathsAreRefused) {
    doc.OnNewDocument();
    host.savePath = workDir + "/" + std::string(300, 'a') + ".K07";
    EXPECT_FALSE(doc.OnFileSaveAs());
    EXPECT_EQ(currentFileName, "<none>");
    EXPECT_NE(messages.last().find("too long"), std::string::npos);
}

}  // namespace
}  // namespace kp07
