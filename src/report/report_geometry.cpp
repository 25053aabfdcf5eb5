#include "report/report_geometry.h"

#include <algorithm>

namespace kp07 {

ReportGeometry FitReportGeometry(double pageWidth, double pageHeight, double pitch,
                                 double charWidth, double fontSize, std::size_t maxLines,
                                 std::size_t maxColumns) {
    ReportGeometry g;
    g.left = 5 * charWidth;
    g.pitch = pitch;
    if (maxLines > 0 && pageHeight > 0) g.pitch = std::min(pitch, pageHeight / double(maxLines));
    g.fontSize = std::min(fontSize, g.pitch);
    if (maxColumns > 0 && pageWidth > g.left) {
        g.fontSize =
            std::min(g.fontSize, (pageWidth - g.left) / (double(maxColumns) * kReportFontAdvance));
    }
    return g;
}

}  // namespace kp07
