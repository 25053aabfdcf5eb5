// The printed report of any image (a damaged file or radio holds any bytes),
// with any file name, date text and file trailer: every page is built,
// fits the paper, and the PDF the report is saved as is whole (each object
// where the cross-reference table says it is).
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "document/data_file.h"
#include "fuzz_support.h"
#include "report/report_builder.h"
#include "report/report_pdf.h"

namespace {

using namespace kp07;
using fuzz::Fail;

// The objects of a PDF are where its cross-reference table says they are.
void CheckPdf(const std::string& pdf) {
    if (pdf.compare(0, 8, "%PDF-1.4") != 0) Fail("a PDF without its header");
    const std::size_t start = pdf.rfind("startxref\n");
    if (start == std::string::npos) Fail("a PDF without startxref");
    const std::size_t xref = std::strtoul(pdf.c_str() + start + 10, nullptr, 10);
    if (pdf.compare(xref, 5, "xref\n") != 0) Fail("startxref does not point at the table");
    std::size_t pos = pdf.find('\n', xref + 5) + 1;  // "0 N" line
    const std::size_t count = std::strtoul(pdf.c_str() + xref + 7, nullptr, 10);
    pos = pdf.find('\n', pos) + 1;  // the free entry 0
    for (std::size_t object = 1; object < count; ++object) {
        const std::size_t offset = std::strtoul(pdf.c_str() + pos, nullptr, 10);
        const std::string head = std::to_string(object) + " 0 obj\n";
        if (pdf.compare(offset, head.size(), head) != 0) Fail("a PDF object is not where it says");
        pos += 20;  // every entry is 20 bytes
    }
    if (pdf.size() < 6 || pdf.compare(pdf.size() - 6, 6, "%%EOF\n") != 0)
        Fail("a PDF without its end");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::uint8_t flags = in.Byte();
    const std::string path = in.Text(300);
    const std::string date = in.Text(40);
    // The offset comes from a data file's trailer, as the program takes it.
    FileTrailer trailer{};
    const std::vector<std::uint8_t> trailerBytes = in.Bytes(trailer.size());
    std::copy(trailerBytes.begin(), trailerBytes.end(), trailer.begin());
    const double split = TrailerOffsetMHz(trailer);
    RadioImage image = (flags & 1) ? fuzz::DefaultImage() : RadioImage{};
    const std::vector<std::uint8_t> bytes = in.Rest();
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());

    const Report report = BuildReport(image, path, date, split);
    if (report.pages.size() < 2) Fail("a report of fewer than two pages");
    // The longest page (the signaling page of a 5-tone radio) has 76 lines;
    // lines are at most 132 characters where the texts of the call are short.
    if (report.MaxLines() > 76) Fail("a page longer than the paper takes");
    if (path.size() <= 32 && date.size() <= 10 && report.MaxColumns() > 132)
        Fail("a line wider than the paper takes");
    const ReportGeometry g = PdfGeometry(report);
    if (!(g.pitch > 0 && g.fontSize > 0 && std::isfinite(g.pitch) && std::isfinite(g.fontSize)))
        Fail("a page geometry that draws nothing");
    const std::string text = ReportPlainText(report);
    if (std::count(text.begin(), text.end(), '\f') != long(report.pages.size()) - 1 &&
        date.find('\f') == std::string::npos && path.find('\f') == std::string::npos)
        Fail("plain text without a form feed between pages");
    CheckPdf(ReportPdf(report));
    return 0;
}
