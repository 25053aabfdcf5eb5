// Printing from the main window: Print Preview shows the report's pages,
// a machine without a printer writes PDF files, and a print request on the
// command line starts a new document.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

#include "app/app_instance.h"
#include "app/main_frame.h"
#include "app/print_commands.h"
#include "blocks/image_ops.h"
#include "report/report_builder.h"
#include "report/report_printer.h"
#include "resources/command_ids.h"
#include "support/gui/app_fixture.h"

namespace kp07 {
namespace {

class PrintTest : public test::RunningProgramTest {
  protected:
    void TearDown() override {
        pdfPathChooser = nullptr;
        RunningProgramTest::TearDown();
    }
    // Every program these tests start must start.
    void Start(const QStringList& arguments = {}) {
        ASSERT_TRUE(RunningProgramTest::Start(arguments));
    }
};

TEST_F(PrintTest, PreviewHoldsEveryPageOfThePlan) {
    Start();
    // The new image: four fixed pages and the CB group on two more.
    const std::size_t pages =
        BuildReport(*radioImage, currentFileName, "1/1/2025", 0.0).pages.size();
    ASSERT_EQ(pages, 6u);
    int shown = -1;
    QTimer::singleShot(0, [&shown] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        widget->updatePreview();
        shown = widget->pageCount();
        preview->reject();
    });
    app->frame()->Trigger(cmd::kPrintPreview);
    EXPECT_EQ(shown, int(pages));
}

TEST_F(PrintTest, WithoutAPrinterPrintingWritesAPdf) {
    if (HasPrinter()) GTEST_SKIP() << "this machine has a printer";
    Start();
    // The view's Printer line says where printing goes.
    bool pdfShown = false;
    for (QLabel* label : app->frame()->findChildren<QLabel*>()) pdfShown |= label->text() == "PDF";
    EXPECT_TRUE(pdfShown);

    for (int command : {cmd::kPrint, cmd::kSaveAsPdf}) {
        const QString path = dir.filePath(QString("report%1.pdf").arg(command));
        int asked = 0;
        pdfPathChooser = [&] {
            ++asked;
            return path;
        };
        app->frame()->Trigger(command);
        EXPECT_EQ(asked, 1) << command;
        QFile pdf(path);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << command;
        EXPECT_TRUE(pdf.read(5) == "%PDF-") << command;
    }
    // Cancelling the file dialog writes nothing.
    pdfPathChooser = [] { return QString(); };
    const int files = int(QDir(dir.path()).entryList({"*.pdf"}).size());
    app->frame()->Trigger(cmd::kSaveAsPdf);
    EXPECT_EQ(int(QDir(dir.path()).entryList({"*.pdf"}).size()), files);
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(PrintTest, QtPrinterPagesFitTheLongestPage) {
    CreateImageAndBlocks();
    FillDefaults(*radioImage);
    const Report report = BuildReport(*radioImage, "a.K07", "1/1/2025", 0.0);
    for (auto size : {QPageSize::A4, QPageSize::Letter}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(size));
        const ReportGeometry g = PrinterGeometry(printer, report);
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        EXPECT_LE(g.pitch * double(report.MaxLines()), page.height() + 0.5);
        EXPECT_LE(g.left + g.fontSize * kReportFontAdvance * double(report.MaxColumns()),
                  page.width() + 0.5);
        EXPECT_GT(g.fontSize, 0.0);
    }
}

TEST_F(PrintTest, CommandLinePrintRequestStartsANewDocument) {
    const struct {
        QStringList arguments;
        bool print;
        QString file;
    } cases[] = {
        {{"/p", "a.K07"}, true, ""}, {{"-PT", "a.K07", "lp0", "driver", "port"}, true, ""},
        {{"a.K07", "/p"}, true, ""}, {{"a.K07"}, false, "a.K07"},
        {{"/px"}, false, "/px"},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.printRequest, c.print) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.fileName, c.file) << c.arguments.join(' ').toStdString();
    }
    // The file named with the request is neither opened nor a reason to stop.
    Start({"/p", dir.filePath("missing.K07")});
    EXPECT_EQ(messages.count(), 0u);
    EXPECT_NE(radioImage, nullptr);
}

}  // namespace
}  // namespace kp07
