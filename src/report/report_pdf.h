// The report as a PDF file, written without any graphics library: every
// line is one run of text in the standard Courier font, so any PDF reader
// shows it and text tools read the columns back (each character advances 6
// points: `pdftotext -layout -fixed 6` gives the report's lines).
//
// The page is A3 with the report laid out as on the printer, enlarged from
// A4 (10-point letters where the printer's are 7.2): a reader's "fit to
// page" prints it on A4 as the printer would.
#pragma once

#include <string>

#include "report/report_builder.h"
#include "report/report_geometry.h"

namespace kp07 {

struct PdfPage {
    static constexpr double kWidth = 842;  // A3, points
    static constexpr double kHeight = 1191;
    static constexpr double kMargin = 36;  // the printable origin
    // The device font a PDF page starts with: Courier at 12 points (six
    // lines and ten characters to the inch).
    static constexpr double kDevicePitch = 12;
    static constexpr double kDeviceCharWidth = 7.2;
    static constexpr double kFontSize = 10;
};

// Where the lines of `report` go on a PDF page.
ReportGeometry PdfGeometry(const Report& report);

// The bytes of the PDF file.
std::string ReportPdf(const Report& report);

// Writes the PDF to `path`: into a new file beside it that is renamed over
// it when complete, so a failed write never leaves a partial PDF. False
// after message 35 (cannot be created) or 33 (write failed).
bool WriteReportPdf(const Report& report, const std::string& path);

}  // namespace kp07
