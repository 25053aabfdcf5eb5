// The report on a printer, in the print preview, or on Qt's own PDF printer:
// the core builder's lines drawn with QPainter, line n of a page at
// (5W, nP) with P and W from the device's own font.
#pragma once

#include <QString>

#include "report/report_builder.h"
#include "report/report_geometry.h"

class QPrinter;
class QWidget;

namespace kp07 {

// Where the lines go on `printer` (device pixels, from the printable origin).
ReportGeometry PrinterGeometry(QPrinter& printer, const Report& report);

// Draws the report's pages (the printer's page range, or all of them).
// False when the printer cannot be opened.
bool PaintReport(QPrinter& printer, const Report& report);

// The print dialog for `printer`, then the pages. False when the user
// cancelled or the printer failed.
bool PrintReportWithDialog(QPrinter& printer, const Report& report, QWidget* parent);

// Print Preview: the same pages on screen, with the preview's own print
// button. Modal; returns when the user closes it.
void PreviewReport(QPrinter& printer, const Report& report, QWidget* parent);

// Whether the machine has a printer (CUPS queue) to print on.
bool HasPrinter();

}  // namespace kp07
