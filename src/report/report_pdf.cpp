#include "report/report_pdf.h"

#include <cstdio>
#include <vector>

#include "document/safe_save.h"
#include "report/report_text.h"
#include "resources/message.h"

namespace kp07 {
namespace {

// Courier's ascent: the baseline lies this far below the top of a line.
constexpr double kAscent = 0.8;

// A line as a PDF string: the three characters with a meaning inside a
// string are escaped, anything that is not printable ASCII becomes "?".
std::string PdfString(const std::string& line) {
    std::string out = "(";
    for (unsigned char c : line) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 32 || c > 126) {
            out += '?';
        } else {
            out += char(c);
        }
    }
    out += ')';
    return out;
}

std::string PageContents(const ReportPage& page, const ReportGeometry& g) {
    std::string s = Line("BT\n/F1 %.2f Tf\n", g.fontSize);
    for (std::size_t n = 0; n < page.size(); ++n) {
        const std::string& line = page[n];
        if (line.find_first_not_of(' ') == std::string::npos) continue;
        const double baseline =
            PdfPage::kHeight - PdfPage::kMargin - g.LineTop(int(n)) - kAscent * g.fontSize;
        s += Line("1 0 0 1 %.2f %.2f Tm ", PdfPage::kMargin + g.left, baseline);
        s += PdfString(line);
        s += " Tj\n";
    }
    s += "ET\n";
    return s;
}

class PdfObjects {
  public:
    PdfObjects() { out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"; }
    void Add(int number, const std::string& body) {
        if (offsets_.size() < std::size_t(number)) offsets_.resize(std::size_t(number));
        offsets_[std::size_t(number - 1)] = out_.size();
        out_ += Line("%d 0 obj\n", number);
        out_ += body;
        out_ += "\nendobj\n";
    }
    std::string Finish(int root) {
        const std::size_t xref = out_.size();
        out_ += Line("xref\n0 %zu\n0000000000 65535 f \n", offsets_.size() + 1);
        for (std::size_t offset : offsets_) out_ += Line("%010zu 00000 n \n", offset);
        out_ += Line("trailer\n<< /Size %zu /Root %d 0 R >>\nstartxref\n%zu\n%%%%EOF\n",
                     offsets_.size() + 1, root, xref);
        return std::move(out_);
    }

  private:
    std::string out_;
    std::vector<std::size_t> offsets_;
};

}  // namespace

ReportGeometry PdfGeometry(const Report& report) {
    return FitReportGeometry(PdfPage::kWidth - 2 * PdfPage::kMargin,
                             PdfPage::kHeight - 2 * PdfPage::kMargin, PdfPage::kDevicePitch,
                             PdfPage::kDeviceCharWidth, PdfPage::kFontSize, report.MaxLines(),
                             report.MaxColumns());
}

std::string ReportPdf(const Report& report) {
    const ReportGeometry g = PdfGeometry(report);
    // 1 catalog, 2 page tree, 3 font, then a page and its contents per page.
    PdfObjects pdf;
    pdf.Add(1, "<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    const int pageCount = int(report.pages.size());
    for (int p = 0; p < pageCount; ++p) kids += Line("%s%d 0 R", p ? " " : "", 4 + 2 * p);
    pdf.Add(2, Line("<< /Type /Pages /Kids [%s] /Count %d >>", kids.c_str(), pageCount));
    pdf.Add(3, "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
    for (int p = 0; p < pageCount; ++p) {
        const int pageObject = 4 + 2 * p;
        pdf.Add(pageObject, Line("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %.0f %.0f] "
                                 "/Resources << /Font << /F1 3 0 R >> >> /Contents %d 0 R >>",
                                 PdfPage::kWidth, PdfPage::kHeight, pageObject + 1));
        const std::string contents = PageContents(report.pages[std::size_t(p)], g);
        pdf.Add(pageObject + 1,
                Line("<< /Length %zu >>\nstream\n", contents.size()) + contents + "endstream");
    }
    return pdf.Finish(1);
}

bool WriteReportPdf(const Report& report, const std::string& path) {
    const std::string bytes = ReportPdf(report);
    return SaveFileTellingUser(path, bytes.data(), bytes.size());
}

}  // namespace kp07
