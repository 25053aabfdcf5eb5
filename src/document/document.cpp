#include "document/document.h"

#include <strings.h>
#include <unistd.h>

#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "blocks/signaling_type.h"
#include "document/data_file.h"
#include "image/accessors.h"
#include "image/frequency_codec.h"
#include "resources/message.h"

namespace kp07 {
namespace {

constexpr int kMsgOpenForRead = 32;
constexpr int kMsgReadFailed = 34;
constexpr int kMsgWriteDefault = 36;
constexpr int kMsgBadFormat = 37;
constexpr int kMsgOldFirmware = 5000;
constexpr int kMsgSaveChanges = 5001;
constexpr int kMsgPathTooLong = 5002;
constexpr int kMsgChecksumMismatch = 5003;

std::string executableDirectoryOverride;
std::string defaultFileDirectory;

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string ExecutableDirectory() {
    if (!executableDirectoryOverride.empty()) return executableDirectoryOverride;
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    const std::string path(buffer, std::size_t(n));
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

void SetExecutableDirectoryForTest(const std::string& folder) {
    executableDirectoryOverride = folder;
}

std::string DefaultFileDirectory() {
    return defaultFileDirectory.empty() ? ExecutableDirectory() : defaultFileDirectory;
}

void SetDefaultFileDirectory(const std::string& folder) {
    defaultFileDirectory = folder;
}

CKP05Doc::CKP05Doc(DocumentHost* host) : host_(host) {}

std::string CKP05Doc::DefaultFileName(int index) {
    return index == 1 ? "defaultv.k07" : "defaultu.k07";
}

bool CKP05Doc::IsDefaultFileName(const std::string& path) {
    const std::string name = BaseName(path);
    return ::strcasecmp(name.c_str(), DefaultFileName(0).c_str()) == 0 ||
           ::strcasecmp(name.c_str(), DefaultFileName(1).c_str()) == 0;
}

void CKP05Doc::SetTitle() {
    if (host_) host_->SetTitle(currentFileName);
}

bool CKP05Doc::LocateDefaultFile(int index) {
    const std::string path = DefaultFileDirectory() + "/" + DefaultFileName(index);
    if (FileHasContent(path) != 0) {
        defaultFileLoaded = 0;
        return false;
    }
    defaultFileLoaded = 1;
    currentFileName = path;
    return true;
}

bool CKP05Doc::WriteDefaultFile(const std::string& name) {
    RebuildImage(*radioImage);
    if (name.empty()) {
        ShowMessage(kMsgOpenForRead, MsgButtons::kOk, MsgIcon::kStop, currentFileName);
        currentFileName = kNoFileName;
        return false;
    }
    if (!WriteDataFile(name, *radioImage, TrailerFromOffset(autoTxOffsetMHz))) return false;
    currentFileName = kNoFileName;
    SetTitle();
    return true;
}

CKP05Doc::BandFile CKP05Doc::ReadBandDefaultFile(int band, RadioImage& image,
                                                 FileTrailer& trailer) {
    if (!LocateDefaultFile(band)) return BandFile::kMissing;
    defaultFileLoaded = 0;
    RadioImage scratch{};
    FileTrailer scratchTrailer{};
    if (!ReadDataFile(currentFileName, scratch, scratchTrailer)) return BandFile::kUnreadable;
    // The first start writes the defaults, an upper-band unit, under the
    // lower band's name: a unit of the other band is no default of this one.
    if (IsUpperBandStepCode(GetStepCode(scratch)) != (band == 1)) return BandFile::kOtherBand;
    image = scratch;
    trailer = scratchTrailer;
    defaultFileLoaded = 1;
    return BandFile::kTaken;
}

void CKP05Doc::TakeBandDefaultFile(int band) {
    currentFileName = kNoFileName;
    FileTrailer trailer{};
    switch (ReadBandDefaultFile(band, *radioImage, trailer)) {
        case BandFile::kTaken:
            autoTxOffsetMHz = TrailerOffsetMHz(trailer);
            LoadPersistentBlocks(*radioImage);
            break;
        case BandFile::kUnreadable:
            // A default file that does not read is put right with a fresh one.
            WriteDefaultFile(currentFileName);
            currentFileName = kNoFileName;
            break;
        case BandFile::kOtherBand:
            currentFileName = kNoFileName;
            break;
        case BandFile::kMissing:
            WriteDefaultFile(DefaultFileName(band));
            currentFileName = kNoFileName;
            break;
    }
    SetTitle();
    // The band's file may be of the other signaling family.
    if (host_) host_->SignalingFamilyChanged(IsFiveTone(*radioImage));
}

void CKP05Doc::BuildImage() {
    CreateImageAndBlocks();
    FillDefaults(*radioImage);
    defaultFileLoaded = 0;
    bool load = false;
    if (currentFileName != kNoFileName) {
        load = FileHasContent(currentFileName) == 0;
        if (load) defaultFileLoaded = 1;
    } else {
        load = LocateDefaultFile(0) || LocateDefaultFile(1);
        if (!load) WriteDefaultFile(DefaultFileName(0));
    }
    if (load) {
        FileTrailer trailer{};
        if (ReadDataFile(currentFileName, *radioImage, trailer)) {
            autoTxOffsetMHz = TrailerOffsetMHz(trailer);
            LoadPersistentBlocks(*radioImage);
            defaultFileLoaded = 1;
        } else {
            defaultFileLoaded = 0;
        }
    }
    SetTitle();
    if (host_) host_->SignalingFamilyChanged(IsFiveTone(*radioImage));
}

bool CKP05Doc::OnNewDocument() {
    imageModified = 0;
    currentFileName = kNoFileName;
    BuildImage();
    return true;
}

void CKP05Doc::ResetToFile(const std::string& path) {
    DestroyImageAndBlocks();
    imageModified = 0;
    currentFileName = path;
    BuildImage();
    if (host_) host_->RefreshViews();
}

bool CKP05Doc::OnOpenDocument(const std::string& path) {
    RadioImage scratch{};
    FileTrailer trailer{};
    if (!ReadDataFile(path, scratch, trailer)) return false;
    RadioIdentity fileIdentity;
    fileIdentity.Load(scratch);
    if (fileIdentity.firmwareVersion < kMinimumFirmwareVersion) {
        ShowMessage(kMsgOldFirmware, MsgButtons::kOk, MsgIcon::kStop);
        return false;
    }
    // Images saved by this program or read from a radio carry the sum of
    // their bytes; one that does not is likely damaged.
    if (GetImageChecksum(scratch) != ComputeImageChecksum(scratch) &&
        ShowMessage(kMsgChecksumMismatch, MsgButtons::kYesNo, MsgIcon::kExclamation) !=
            MsgResult::kYes) {
        return false;
    }
    ResetToFile(path);
    return true;
}

bool CKP05Doc::OpenFile(const std::string& path) {
    switch (CheckDataFile(path, kDataFileSize)) {
        case 1:
            ShowMessage(kMsgOpenForRead, MsgButtons::kOk, MsgIcon::kStop, path);
            return false;
        case 2:
            ShowMessage(kMsgReadFailed, MsgButtons::kOk, MsgIcon::kStop, path);
            return false;
        case 3:
            ShowMessage(kMsgBadFormat, MsgButtons::kOk, MsgIcon::kStop, path);
            return false;
        default:
            break;
    }
    if (!ConfirmDiscard()) return false;
    if (path == currentFileName) {
        if (!ConfirmDiscard()) return false;
        ResetToFile(path);
        return true;
    }
    return OnOpenDocument(path);
}

bool CKP05Doc::OnFileOpen() {
    const std::string path = host_ ? host_->AskOpenPath() : std::string();
    return !path.empty() && OpenFile(path);
}

void CKP05Doc::OnFileNew() {
    if (ConfirmDiscard()) ResetToFile(kNoFileName);
}

bool CKP05Doc::ConfirmDiscard() {
    if (!imageModified) return true;
    const MsgResult answer = ShowMessage(kMsgSaveChanges, MsgButtons::kYesNoCancel,
                                         MsgIcon::kExclamation, currentFileName);
    if (answer == MsgResult::kCancel) return false;
    // Changes the user asked to keep are not thrown away when the save did
    // not happen (file dialog cancelled, write failed).
    if (answer == MsgResult::kYes && !OnFileSaveAs()) return false;
    imageModified = 0;
    return true;
}

bool CKP05Doc::OnFileSaveAs() {
    const std::string path = host_ ? host_->AskSavePath() : std::string();
    if (path.empty()) return false;
    if (path.size() > kMaxSavePathLength) {
        ShowMessage(kMsgPathTooLong, MsgButtons::kOk, MsgIcon::kStop, path);
        return false;
    }
    currentFileName = path;
    return OnFileSave();
}

bool CKP05Doc::OnFileSave() {
    if (!CheckWritable(currentFileName)) return false;
    if (IsDefaultFileName(currentFileName) &&
        ShowMessage(kMsgWriteDefault, MsgButtons::kYesNo, MsgIcon::kQuestion) != MsgResult::kYes) {
        return false;
    }
    RebuildImage(*radioImage);
    if (currentFileName != kNoFileName && !currentFileName.empty()) {
        if (!WriteDataFile(currentFileName, *radioImage, TrailerFromOffset(autoTxOffsetMHz))) {
            return false;
        }
        SetTitle();
        if (host_) host_->RefreshViews();
        return true;
    }
    ShowMessage(kMsgOpenForRead, MsgButtons::kOk, MsgIcon::kStop, currentFileName);
    return false;
}

}  // namespace kp07
