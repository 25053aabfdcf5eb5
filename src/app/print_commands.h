// File > Print, Print Preview and Save as PDF: the report of the document's
// image on a printer, on screen or in a PDF file.
#pragma once

#include <QString>
#include <functional>

namespace kp07 {

class CMainFrame;

void InstallPrintCommands(CMainFrame& frame);

// The "Printer" line of the main window: the printer's name, or "PDF" when
// the machine has none and printing writes PDF files.
std::string PrinterLineText();

// Asks for the PDF file to write ("" when cancelled); tests answer it.
extern std::function<QString()> pdfPathChooser;

}  // namespace kp07
