// The single document: the life cycle of the memory image. It builds the
// image with defaults, loads it from the default file or a chosen data file,
// refuses files made for older radio firmware and saves it. The image and
// its program-wide blocks are process-wide (image/image_ops.h); the document
// creates and destroys them but keeps no copy of its own.
#pragma once

#include <string>

#include "document/data_file.h"
#include "image/radio_image.h"

namespace kp07 {

// What the document needs from the windows around it.
class DocumentHost {
  public:
    virtual ~DocumentHost() = default;
    // The document title; it always shows currentFileName.
    virtual void SetTitle(const std::string& title) = 0;
    // Redraw every view from the image (after New, Open, Save).
    virtual void RefreshViews() = 0;
    // The image now holds a 5-tone (true) or 2-tone (false) radio.
    virtual void SignalingFamilyChanged(bool fiveTone) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual std::string AskOpenPath() = 0;
    virtual std::string AskSavePath() = 0;
};

class CKP05Doc {
  public:
    explicit CKP05Doc(DocumentHost* host = nullptr);
    void SetHost(DocumentHost* host) { host_ = host; }

    // New document at start-up: the default file if there is one next to the
    // program, else the defaults (also written as the default file).
    bool OnNewDocument();
    // (Re)creates the image and the program-wide blocks for currentFileName.
    void BuildImage();
    // Opens a chosen data file; refuses firmware older than 4.00, and asks
    // before it opens a file whose image checksum does not match its bytes.
    bool OnOpenDocument(const std::string& path);
    // The commands of the File menu.
    void OnFileNew();
    // Open with a path already chosen (the command line, or after the dialog).
    bool OpenFile(const std::string& path);
    bool OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();

    // The save-changes question. False when the user cancels, or when the
    // save that the user asked for did not happen.
    bool ConfirmDiscard();
    void ResetToFile(const std::string& path);
    bool LocateDefaultFile(int index);
    bool WriteDefaultFile(const std::string& name);
    // After a band change: the default file of band index `band` takes the
    // place of the image, offset included; when it is missing or does not
    // read, the image is written as a fresh default file instead and the
    // document has no name. A file of that name that holds a unit of the
    // other band is neither taken nor overwritten.
    void TakeBandDefaultFile(int band);
    // How the default file of band index `band` (0 lower, 1 upper) was
    // found. Only kTaken replaces `image` and `trailer`; a found file leaves
    // its path in currentFileName, and defaultFileLoaded tells whether it
    // was taken.
    enum class BandFile { kTaken, kMissing, kUnreadable, kOtherBand };
    BandFile ReadBandDefaultFile(int band, RadioImage& image, FileTrailer& trailer);

    static bool IsDefaultFileName(const std::string& path);
    // The default file of a band index: 0 "defaultu.k07", 1 "defaultv.k07".
    static std::string DefaultFileName(int index);
    // Paths longer than this are refused by Save As.
    static constexpr std::size_t kMaxSavePathLength = 238;

  private:
    void SetTitle();
    DocumentHost* host_;
};

// The folder of the running program (where the default file and the profile
// live). Tests may point it elsewhere.
std::string ExecutableDirectory();
void SetExecutableDirectoryForTest(const std::string& folder);

}  // namespace kp07
