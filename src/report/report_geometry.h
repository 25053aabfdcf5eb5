// Where the report's lines go on a page. Line n of a page is drawn at
// x = 5W, y = nP, where P (line pitch: height plus external leading) and W
// (average character width) are those of the font the device starts with,
// measured before the report font is selected.
#pragma once

#include <cstddef>

namespace kp07 {

// The report font: "Courier New" (or a font with its metrics) at 45.0
// points as the font is created on the 96-dpi screen scale, i.e. 60 units,
// which the printer takes as its own dots: at the usual 600 dpi the letters
// are 7.2 points tall. We keep that physical size on every device.
constexpr double kReportFontPoints = 45.0;
constexpr double kReportFontPhysicalPoints = kReportFontPoints * 96.0 / 72.0 * 72.0 / 600.0;
// Character advance of the report font per unit of its size.
constexpr double kReportFontAdvance = 0.6;

struct ReportGeometry {
    double left = 0;      // x of every line
    double pitch = 0;     // distance from one line to the next
    double fontSize = 0;  // size of the report font
    double LineTop(int line) const { return line * pitch; }
};

// The geometry on a page of `pageWidth` x `pageHeight` (device units, from
// the page's printable origin). `pitch` and `charWidth` are the device
// font's; `fontSize` the report font's size on the device. A page must hold
// the report's longest page and longest line: pitch and font size shrink as
// much as that needs (the signaling page of a 5-tone radio has 76 lines),
// and never otherwise.
ReportGeometry FitReportGeometry(double pageWidth, double pageHeight, double pitch,
                                 double charWidth, double fontSize, std::size_t maxLines,
                                 std::size_t maxColumns);

}  // namespace kp07
