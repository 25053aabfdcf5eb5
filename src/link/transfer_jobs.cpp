#include "link/transfer_jobs.h"

#include <memory>

#include "image/process_state.h"
#include "image/radio_image.h"
#include "link/clone_protocol.h"
#include "link/link_state.h"
#include "link/serial_port.h"

namespace kp07 {
namespace {

// Opens the port the caller prepared (a fresh one, or one already open,
// which keeps its speed).
bool OpenForJob(TransferOwner& owner) {
    SerialPort& port = CurrentPort();
    if (port.OpenPort(9600)) return true;
    std::string arg;
    const int id = PortOpenFailureMessage(port, &arg);
    owner.Ask(id, MsgButtons::kOk, MsgIcon::kStop, arg);
    owner.PostReport(WM_XFER_DONE, 0);
    return false;
}

// What every job does first: it needs the document image and an open port,
// then reports its caption and progress range. False (with WM_XFER_DONE
// posted) when the job cannot start.
bool StartJob(TransferOwner& owner, int caption, unsigned range, ProgressCounter& progress) {
    if (!radioImage) {
        owner.PostReport(WM_XFER_DONE, 0);
        return false;
    }
    if (!OpenForJob(owner)) return false;
    owner.PostReport(WM_XFER_CAPTION, unsigned(caption));
    progress.SetRange(owner, range);
    return true;
}

bool Upload(TransferOwner& owner, bool intoReference) {
    ProgressCounter progress;
    if (!StartJob(owner, kMsgUploadCaption, kUploadRange, progress)) return false;

    std::unique_ptr<RadioImage> ownScratch;
    RadioImage* scratch = nullptr;
    if (intoReference) {
        if (!referenceImage) referenceImage = std::make_unique<RadioImage>();
        *referenceImage = *radioImage;
        scratch = referenceImage.get();
    } else {
        ownScratch = std::make_unique<RadioImage>(*radioImage);
        scratch = ownScratch.get();
    }

    bool done = ReadRadioImage(owner, *scratch, progress, kPromptUpload);
    if (done && imageModified &&
        owner.Ask(kMsgOverwrite, MsgButtons::kYesNo, MsgIcon::kQuestion) != MsgResult::kYes) {
        done = false;  // the user keeps the unsaved document
    } else if (done) {
        imageModified = 0;
        *radioImage = *scratch;
        currentFileName = kNoFileName;
        uploadSucceeded = 1;
        owner.Ask(kMsgUploadCompleted, MsgButtons::kOk, MsgIcon::kInformation);
    }
    owner.PostReport(WM_XFER_DONE, 0);
    return done;
}

}  // namespace

bool UploadJob(TransferOwner& owner) {
    return Upload(owner, false);
}

bool UploadReferenceJob(TransferOwner& owner) {
    return Upload(owner, true);
}

bool DownloadJob(TransferOwner& owner) {
    ProgressCounter progress;
    const bool verify = verifyAfterDownload != 0;
    if (!StartJob(owner, kMsgDownloadCaption, verify ? kDownloadVerifyRange : kDownloadRange,
                  progress)) {
        return false;
    }
    auto scratch = std::make_unique<RadioImage>(*radioImage);
    bool done = PrepareDownload(owner, *scratch, progress);
    if (done && verify) done = VerifyRadioImage(owner, *radioImage, progress);
    if (done) {
        if (productionMode) owner.PostReport(WM_XFER_REPEAT_READY, 0);
        owner.Ask(kMsgDownloadCompleted, MsgButtons::kOk, MsgIcon::kInformation);
    }
    // In production mode the dialog stays open for the next radio.
    if (!productionMode) owner.PostReport(WM_XFER_DONE, 0);
    return done;
}

bool DownloadChangesJob(TransferOwner& owner) {
    ProgressCounter progress;
    if (!StartJob(owner, kMsgDownloadCaption, kDownloadChangesRange, progress)) return false;
    const bool done = WriteRadioImage(owner, *radioImage, progress, referenceImage.get());
    if (done) owner.Ask(kMsgDownloadCompleted, MsgButtons::kOk, MsgIcon::kInformation);
    owner.PostReport(WM_XFER_DONE, 0);
    return done;
}

bool RunTransferJob(int mode, TransferOwner& owner) {
    switch (mode) {
        case kTransferUpload:
            return UploadJob(owner);
        case kTransferDownload:
            return DownloadJob(owner);
        case kTransferUploadReference:
            return UploadReferenceJob(owner);
        case kTransferDownloadChanges:
            return DownloadChangesJob(owner);
        default:
            return false;
    }
}

TransferWorker::~TransferWorker() {
    Join();
}

bool TransferWorker::Start(int mode, TransferOwner& owner) {
    if (running_) return false;
    Join();
    running_ = true;
    succeeded_ = false;
    thread_ = std::thread([this, mode, &owner] {
        succeeded_ = RunTransferJob(mode, owner);
        running_ = false;
    });
    return true;
}

void TransferWorker::Join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace kp07
