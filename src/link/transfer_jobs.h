// The four transfer jobs and the worker thread that runs one. Each job is the
// whole body of a transfer: it opens the port, reports its caption and
// progress range, runs the clone protocol, shows its own messages, and posts
// WM_XFER_DONE when the owner may close (a successful production-mode
// download posts WM_XFER_REPEAT_READY instead).
#pragma once

#include <atomic>
#include <thread>

#include "link/transfer_owner.h"

namespace kp07 {

// Transfer modes.
constexpr int kTransferUpload = 0;           // radio -> document
constexpr int kTransferDownload = 1;         // document -> radio, with check and merge
constexpr int kTransferUploadReference = 2;  // radio -> reference image and document (alignment)
constexpr int kTransferDownloadChanges = 3;  // blocks that differ from the reference image

// Progress ranges of the jobs.
constexpr unsigned kUploadRange = 7809;
constexpr unsigned kDownloadRange = 15623;
constexpr unsigned kDownloadChangesRange = 7812;
// A download that reads the radio back afterwards: one more whole read.
constexpr unsigned kDownloadVerifyRange = kDownloadRange + kUploadRange + 1;

// Each returns true when the transfer completed (the owner may ignore it).
bool UploadJob(TransferOwner& owner);
bool UploadReferenceJob(TransferOwner& owner);
bool DownloadJob(TransferOwner& owner);
bool DownloadChangesJob(TransferOwner& owner);
// The job of `mode`; an unknown mode runs nothing and gives false.
bool RunTransferJob(int mode, TransferOwner& owner);

// One job on its own thread. The owner is called from that thread.
class TransferWorker {
  public:
    TransferWorker() = default;
    ~TransferWorker();  // waits for the job
    TransferWorker(const TransferWorker&) = delete;
    TransferWorker& operator=(const TransferWorker&) = delete;

    // Starts the job of `mode`. False when a job is still running.
    bool Start(int mode, TransferOwner& owner);
    // True while the job thread has not finished.
    bool running() const { return running_; }
    // Waits for the job thread (after it finished, at once).
    void Join();
    // What the last job returned.
    bool succeeded() const { return succeeded_; }

  private:
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<bool> succeeded_{false};
};

}  // namespace kp07
