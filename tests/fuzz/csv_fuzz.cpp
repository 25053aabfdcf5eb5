// Channel lists of any text imported as the program imports a CSV file: an
// import that is refused leaves the image as it was, one that is accepted
// changes it only when it says so, and what the program then exports reads
// back without a change. The CSV text functions and the image comparison
// come along: a row written and read back is the same row, and the
// comparison sees what an import changed.
#include <string>
#include <vector>

#include "channels/channel_csv.h"
#include "channels/csv_text.h"
#include "channels/image_diff.h"
#include "fuzz_support.h"

namespace {

using namespace kp07;
using fuzz::Fail;

void RowRoundTrip(fuzz::FuzzInput& in) {
    CsvRow row(std::size_t(in.Int(1, 6)));
    for (std::string& field : row) field = in.Text(12);
    std::vector<CsvRow> rows;
    int errorLine = 0;
    if (!ParseCsv(CsvLine(row), &rows, &errorLine)) Fail("a written row does not read");
    // A row of one empty field is a blank line, which reading skips.
    if (row.size() == 1 && row[0].empty()) return;
    if (rows.size() != 1 || rows[0] != row) Fail("a written row reads back otherwise");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    static fuzz::SilentMessages messages;
    fuzz::ResetState(&messages);
    if (in.Byte() & 1) {
        RowRoundTrip(in);
        return 0;
    }
    const std::vector<std::uint8_t> bytes = in.Rest();
    const std::string text(bytes.begin(), bytes.end());

    RadioImage image = fuzz::DefaultImage();
    const RadioImage before = image;
    const CsvImportResult result = ImportChannelsCsv(image, text);
    if (int(result.refused.size()) > result.refusedCount ||
        result.refused.size() > std::size_t(kMaxListedRefusals))
        Fail("refusals miscounted");
    if (!result.accepted && result.refusedCount == 0) Fail("a refused import without a reason");
    if ((!result.accepted || !result.changed) && image != before)
        Fail("an import that changed nothing changed the image");
    CsvImportReport(result);

    if (result.accepted) {
        // What changed, as the comparison with a master file tells it.
        const ImageDiff diff = DiffImages(before, image);
        if (diff.equal != (before == image)) Fail("a difference the comparison does not see");
        ImageDiffText(diff);
        RadioImage again = image;
        const CsvImportResult back =
            ImportChannelsCsv(again, ExportChannelsCsv(image, CsvLayout::kGrid));
        if (!back.accepted || again != image)
            Fail("the exported channel list does not read back unchanged");
        std::vector<std::string> notCarried;
        ExportChannelsCsv(image, CsvLayout::kGeneric, &notCarried);
    }
    fuzz::ResetState(nullptr);
    return 0;
}
