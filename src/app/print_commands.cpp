#include "app/print_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>

#include "app/app_instance.h"
#include "app/main_frame.h"
#include "blocks/image_ops.h"
#include "image/radio_image.h"
#include "report/report_builder.h"
#include "report/report_pdf.h"
#include "report/report_printer.h"
#include "report/report_text.h"
#include "resources/command_ids.h"

namespace kp07 {
namespace {

// The report of the document as it stands: the blocks are written into the
// image first, as before every dialog; the date is taken once, now.
Report DocumentReport() {
    RebuildImage(*radioImage);
    return BuildReport(*radioImage, currentFileName, TodayReportDate(), autoTxOffsetMHz);
}

QString AskPdfPath(QWidget* parent) {
    QString suggestion = "report.pdf";
    if (currentFileName != kNoFileName) {
        const QFileInfo file(QString::fromStdString(currentFileName));
        suggestion = file.dir().filePath(file.completeBaseName() + ".pdf");
    }
    QString path = QFileDialog::getSaveFileName(parent, "Save as PDF", suggestion,
                                                "PDF files (*.pdf);;All files (*)");
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += ".pdf";
    return path;
}

void SaveAsPdf(CMainFrame& frame) {
    const QString path = pdfPathChooser ? pdfPathChooser() : AskPdfPath(&frame);
    if (path.isEmpty()) return;
    WriteReportPdf(DocumentReport(), path.toStdString());
}

// The printer the program prints on: the one chosen last, at first the
// machine's default.
void PreparePrinter(QPrinter& printer) {
    if (!printerName.isEmpty()) printer.setPrinterName(printerName);
}

void Print(CMainFrame& frame) {
    // A machine without a printer writes the report as a PDF file instead.
    if (!HasPrinter()) {
        SaveAsPdf(frame);
        return;
    }
    const Report report = DocumentReport();
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer);
    if (!PrintReportWithDialog(printer, report, &frame)) return;
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName() != printerName) {
        printerName = printer.printerName();
        frame.ApplyRefresh(kRefreshFacts);
    }
}

void Preview(CMainFrame& frame) {
    const Report report = DocumentReport();
    QPrinter printer(QPrinter::HighResolution);
    if (HasPrinter()) {
        PreparePrinter(printer);
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    PreviewReport(printer, report, &frame);
}

}  // namespace

std::function<QString()> pdfPathChooser;

std::string PrinterLineText() {
    return printerName.isEmpty() ? std::string("PDF") : printerName.toStdString();
}

void InstallPrintCommands(CMainFrame& frame) {
    frame.SetCommandHandler(cmd::kPrint, [&frame] { Print(frame); });
    frame.SetCommandHandler(cmd::kPrintPreview, [&frame] { Preview(frame); });
    frame.SetCommandHandler(cmd::kSaveAsPdf, [&frame] { SaveAsPdf(frame); });
}

}  // namespace kp07
