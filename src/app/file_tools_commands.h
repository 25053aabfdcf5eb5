// File > Export Channels..., Import Channels... and Compare with File...:
// the channel table to and from CSV files, and the document against a data
// file. The rules are the core's (channels/channel_csv.h, image_diff.h);
// these handlers ask for the file and show what came of it.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "channels/channel_csv.h"

namespace kp07 {

class CMainFrame;

class FileToolCommands : public QObject {
    Q_OBJECT

  public:
    explicit FileToolCommands(CMainFrame& frame);

    // The file for `command` ("" when the user cancels); on export the
    // layout the user chose goes into `layout`. Tests answer it themselves.
    std::function<QString(int command, CsvLayout* layout)> chooseFile;
    // Shows a page of text (refused cells, what was not carried, the
    // differences) under `title`.
    std::function<void(const QString& title, const QString& text)> showText;

    void ExportChannels();
    void ImportChannels();
    void CompareWithFile();

  private:
    QString AskFile(int command, CsvLayout* layout);
    void ShowText(const QString& title, const QString& text);

    CMainFrame& frame_;
};

// Registers the three commands with the frame (which owns the returned object).
FileToolCommands* InstallFileToolCommands(CMainFrame& frame);

}  // namespace kp07
