#include "app/file_tools_commands.h"

#include <QFileDialog>

#include "app/main_frame.h"
#include "app/text_dialog.h"
#include "blocks/image_ops.h"
#include "channels/channel_file_tools.h"
#include "channels/image_diff.h"
#include "image/radio_image.h"
#include "resources/command_ids.h"
#include "resources/message.h"
#include "resources/strings.h"

namespace kp07 {
namespace {

constexpr int kTitleExport = 6160;
constexpr int kTitleImport = 6161;
constexpr int kTitleCompare = 6162;
constexpr int kFilterGrid = 6163;
constexpr int kFilterGeneric = 6164;
constexpr int kFilterCsv = 6165;
constexpr int kCompareHeading = 6166;
constexpr int kFilterDataFiles = 6167;

QString Text(int id) {
    return QString::fromStdString(LoadString(id));
}

QString Lines(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) text += QString::fromStdString(line) + "\n";
    return text;
}

}  // namespace

FileToolCommands::FileToolCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {}

QString FileToolCommands::AskFile(int command, CsvLayout* layout) {
    if (chooseFile) return chooseFile(command, layout);
    if (command == cmd::kExportChannels) {
        QFileDialog dialog(&frame_, Text(kTitleExport));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({Text(kFilterGrid), Text(kFilterGeneric)});
        dialog.setDefaultSuffix("csv");
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        if (layout)
            *layout = dialog.selectedNameFilter() == Text(kFilterGeneric) ? CsvLayout::kGeneric
                                                                          : CsvLayout::kGrid;
        return dialog.selectedFiles().first();
    }
    if (command == cmd::kImportChannels)
        return QFileDialog::getOpenFileName(&frame_, Text(kTitleImport), QString(),
                                            Text(kFilterCsv));
    return QFileDialog::getOpenFileName(&frame_, Text(kTitleCompare), QString(),
                                        Text(kFilterDataFiles));
}

void FileToolCommands::ShowText(const QString& title, const QString& text) {
    if (showText) {
        showText(title, text);
        return;
    }
    CTextDialog dialog(title, text, &frame_);
    dialog.exec();
}

void FileToolCommands::ExportChannels() {
    CsvLayout layout = CsvLayout::kGrid;
    const QString path = AskFile(cmd::kExportChannels, &layout);
    if (path.isEmpty()) return;
    // The grid's edits reach the image with the rebuild, as before a save.
    frame_.RunDialogCommand(
        [&] {
            std::vector<std::string> notCarried;
            const std::string csv = ExportChannelsCsv(*radioImage, layout, &notCarried);
            if (WriteTextFile(path.toStdString(), csv) && !notCarried.empty())
                ShowText(Text(kTitleExport), Lines(notCarried));
            return int(kRefreshNothing);
        },
        false);
}

void FileToolCommands::ImportChannels() {
    const QString path = AskFile(cmd::kImportChannels, nullptr);
    if (path.isEmpty()) return;
    std::string text;
    if (!ReadTextFile(path.toStdString(), kMaxCsvBytes, &text)) return;
    frame_.RunDialogCommand(
        [&] {
            const CsvImportResult result = ImportChannelsCsv(*radioImage, text);
            const QString report = QString::fromStdString(CsvImportReport(result));
            if (!result.accepted) {
                ShowText(Text(kTitleImport), report);
                return int(kRefreshNothing);
            }
            imageModified = 1;
            if (!result.notCarried.empty()) ShowText(Text(kTitleImport), report);
            return int(kRefreshAll);
        },
        true);
}

void FileToolCommands::CompareWithFile() {
    const QString path = AskFile(cmd::kCompareWithFile, nullptr);
    if (path.isEmpty()) return;
    RadioImage other{};
    if (!LoadDataFile(path.toStdString(), &other, nullptr)) return;
    QString text;
    frame_.RunDialogCommand(
        [&] {
            const ImageDiff diff = DiffImages(*radioImage, other);
            text = QString::fromStdString(
                FormatMessage(kCompareHeading, currentFileName, path.toStdString()) + "\n\n" +
                ImageDiffText(diff));
            return int(kRefreshNothing);
        },
        false);
    ShowText(Text(kTitleCompare), text);
}

FileToolCommands* InstallFileToolCommands(CMainFrame& frame) {
    auto* commands = new FileToolCommands(frame);
    frame.SetCommandHandler(cmd::kExportChannels, [commands] { commands->ExportChannels(); });
    frame.SetCommandHandler(cmd::kImportChannels, [commands] { commands->ImportChannels(); });
    frame.SetCommandHandler(cmd::kCompareWithFile, [commands] { commands->CompareWithFile(); });
    return commands;
}

}  // namespace kp07
