#include "report/report_printer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>

namespace kp07 {
namespace {

QFont ReportFont(double pixelSize) {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    return font;
}

}  // namespace

bool HasPrinter() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

ReportGeometry PrinterGeometry(QPrinter& printer, const Report& report) {
    // The device's own font, before the report font is chosen: a painter
    // starts with the application's font, scaled to the printer.
    const QFontMetricsF device(QFont(), &printer);
    const double dpi = printer.resolution();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    return FitReportGeometry(page.width(), page.height(), device.height() + device.leading(),
                             device.averageCharWidth(), kReportFontPhysicalPoints * dpi / 72.0,
                             report.MaxLines(), report.MaxColumns());
}

bool PaintReport(QPrinter& printer, const Report& report) {
    const ReportGeometry g = PrinterGeometry(printer, report);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QFont font = ReportFont(g.fontSize);
    painter.setFont(font);
    const double ascent = QFontMetricsF(font, &printer).ascent();

    const int count = int(report.pages.size());
    int first = 1;
    int last = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
    }
    bool started = false;
    for (int p = first; p <= last; ++p) {
        if (started && !printer.newPage()) break;
        started = true;
        const ReportPage& page = report.pages[std::size_t(p - 1)];
        for (std::size_t n = 0; n < page.size(); ++n) {
            if (page[n].find_first_not_of(' ') == std::string::npos) continue;
            painter.drawText(QPointF(g.left, g.LineTop(int(n)) + ascent),
                             QString::fromLatin1(page[n].data(), int(page[n].size())));
        }
    }
    return painter.end();
}

bool PrintReportWithDialog(QPrinter& printer, const Report& report, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setMinMax(1, int(report.pages.size()));
    if (dialog.exec() != QDialog::Accepted) return false;
    return PaintReport(printer, report);
}

void PreviewReport(QPrinter& printer, const Report& report, QWidget* parent) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&report](QPrinter* target) { PaintReport(*target, report); });
    dialog.exec();
}

}  // namespace kp07
