// How a transfer job talks to whoever runs it: the transfer dialog, the
// command-line tool or a test. The job posts reports (progress, status line,
// caption, done), polls for a cancel between its steps, and asks its
// questions and shows its messages through the owner, which shows them where
// its user can see them.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>

#include "resources/message.h"

namespace kp07 {

// Report numbers (the transfer dialog's message numbers).
constexpr unsigned WM_XFER_RANGE = 0x2400;         // value: progress maximum
constexpr unsigned WM_XFER_POS = 0x2401;           // value: progress position
constexpr unsigned WM_XFER_CANCEL = 0x2402;        // to the job, not from it
constexpr unsigned WM_XFER_DONE = 0x2403;          // the job has ended
constexpr unsigned WM_XFER_STATUS = 0x2404;        // value: string id of the status line
constexpr unsigned WM_XFER_CAPTION = 0x2405;       // value: string id of the caption
constexpr unsigned WM_XFER_REPEAT_READY = 0x2407;  // production mode: ready for the next radio

// Message texts of the link (string-table ids).
constexpr int kMsgPortProblem = 80;         // "Problem with COM port"
constexpr int kMsgCheckLead = 81;           // "Check that lead is connected to COM %1"
constexpr int kMsgUploadError = 82;         // "Upload Error!"
constexpr int kMsgUploadCompleted = 83;     // "Upload is completed"
constexpr int kMsgDownloadError = 84;       // "Download Error!"
constexpr int kMsgHardwareMismatch = 87;    // "Hardware configuration mismatched!"
constexpr int kMsgDownloadCompleted = 89;   // "Download is completed"
constexpr int kMsgUploadCaption = 90;       // "Upload Function"
constexpr int kMsgDownloadCaption = 91;     // "Download Function"
constexpr int kMsgPleaseWait = 95;          // "Please wait"
constexpr int kMsgOverwrite = 100;          // "Overwrite original data"
constexpr int kMsgSwitchForUpload = 122;    // "Switch radio OFF, back ON to start uploading"
constexpr int kMsgSwitchForDownload = 123;  // "Switch radio OFF, back ON to start downloading"
constexpr int kMsgFirmwareTooOld = 5000;    // "Update the firmware Ver.4.00 or later."
constexpr int kMsgPortPermission = 5100;    // the account may not open the device %1
constexpr int kMsgPortProblemWhy = 5101;    // "Problem with COM port" and a line "%1"
constexpr int kMsgCheckLeadDevice = 5102;   // "Check that lead is connected to %1" (a device)

class TransferOwner {
  public:
    virtual ~TransferOwner() = default;
    // A report from the job (called on the job's thread).
    virtual void PostReport(unsigned message, unsigned value) = 0;
    // True once for each cancel the user asked for (remove-on-peek).
    virtual bool TakeCancel() = 0;
    // Shows string `id` (with %1 replaced by `arg1`) and returns the answer.
    // The job waits for it; an owner on another thread shows it on its own.
    virtual MsgResult Ask(int id, MsgButtons buttons, MsgIcon icon,
                          const std::string& arg1 = {}) = 0;
};

// The job's mailbox for cancels: the owner posts, the job takes.
class CancelQueue {
  public:
    void Post(unsigned message);
    // Removes the first `message` waiting; false when there is none.
    bool Take(unsigned message);
    void Clear();

  private:
    std::mutex mutex_;
    std::deque<unsigned> messages_;
};

// The job's running progress counter and the range it reported. Positions
// posted never pass the range.
struct ProgressCounter {
    unsigned value = 0;
    unsigned range = 0;

    void SetRange(TransferOwner& owner, unsigned newRange);
    void Add(TransferOwner& owner, unsigned amount);
};

}  // namespace kp07
