// The file data viewer through its grid and byte editor.
#include "alignment/file_data_dialog.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "blocks/hardware_params.h"
#include "blocks/new_image_fixture.h"
#include "image/accessors.h"
#include "image/process_state.h"
#include "support/gui/gui_helpers.h"
#include "widgets/cell_edit.h"
#include "widgets/flex_grid.h"

namespace kp07::test {
namespace {

class FileDataDialogTest : public NewImageTest {
  protected:
    void SetUp() override {
        NewImageTest::SetUp();
        autoTxOffsetMHz = 1.5;  // the trailer: 1.5 as a little-endian double
    }
    // Types `keys` over the byte at (row, col) and leaves the editor.
    static void TypeByte(CFileDataDlg& viewer, int row, int col, const char* keys) {
        FlexGrid* grid = viewer.grid();
        grid->setFocus();
        grid->SetCurrentCell(row, col);
        QTest::keyClicks(grid, QString::fromLatin1(keys).left(1));
        ASSERT_TRUE(viewer.editing());
        QTest::keyClicks(viewer.editor(), QString::fromLatin1(keys).mid(1));
        grid->setFocus();  // the editor loses the focus: the byte is taken
    }
};

TEST_F(FileDataDialogTest, LastRowShowsTheTrailer) {
    CFileDataDlg viewer;
    FlexGrid* grid = viewer.grid();
    EXPECT_EQ(grid->rows(), 490);
    EXPECT_EQ(grid->cols(), 17);
    EXPECT_EQ(grid->textMatrix(0, 11), "0a");
    EXPECT_EQ(grid->textMatrix(489, 0), "01e80h");
    const char* const trailer[] = {"00", "00", "00", "00", "00", "00", "f8", "3f"};
    for (int col = 1; col <= 16; ++col) {
        EXPECT_EQ(grid->textMatrix(489, col), col <= 8 ? trailer[col - 1] : "") << col;
    }
    EXPECT_FALSE(viewer.StartEdit(489, 1));  // the trailer is not edited here
    EXPECT_FALSE(viewer.StartEdit(0, 3));
}

TEST_F(FileDataDialogTest, TypedBytesAndHowTheViewerCloses) {
    const struct {
        const char* keys;
        int byte;
        bool ok;
    } cases[] = {
        {"7", 0x07, false},
        {"ff", 0xFF, false},
        {"FF", 0xFF, true},
    };
    // Microphone sensitivity, byte 7711: row 482, column 16.
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        const RadioImage before = *radioImage;
        imageModified = 0;
        imageBytesEdited = 0;
        CFileDataDlg viewer;
        ASSERT_TRUE(ShowActive(&viewer));
        TypeByte(viewer, 482, 16, c.keys);
        EXPECT_FALSE(viewer.editing());
        EXPECT_EQ(viewer.workingCopy()[7711], c.byte);
        EXPECT_EQ(viewer.grid()->textMatrix(482, 16), QString::asprintf("%02x", c.byte));
        EXPECT_EQ(imageModified, 1);
        EXPECT_EQ(imageBytesEdited, 1);
        // Enter in the table edits a byte instead of closing the viewer.
        QTest::keyClick(viewer.grid(), Qt::Key_Return);
        EXPECT_TRUE(viewer.isVisible());
        QTest::keyClick(viewer.editor(), Qt::Key_Escape);

        if (c.ok) {
            viewer.okButton()->setFocus();
            QTest::keyClick(viewer.okButton(), Qt::Key_Return);
            EXPECT_EQ((*radioImage)[7711], c.byte);
            EXPECT_EQ(hardware->alignment.micSensitivity, c.byte);
            EXPECT_EQ(GetImageChecksum(*radioImage), ComputeImageChecksum(*radioImage));
        } else {
            viewer.reject();
            EXPECT_EQ(*radioImage, before);  // the bytes are gone, the flags stay
        }
        EXPECT_FALSE(viewer.isVisible());
        EXPECT_EQ(imageModified, 1);
        EXPECT_EQ(imageBytesEdited, 1);
    }
}

}  // namespace
}  // namespace kp07::test
