// The transfer dialog: every transfer between PC and radio runs behind it.
// It starts the job of its transfer mode on a worker thread, shows the job's
// caption, status line and progress, lets the user cancel, and closes when
// the job is done. In production mode a download dialog stays open after a
// success and repeats the download for the next radio on F5..F8.
#pragma once

#include <QDialog>
#include <atomic>

#include "link/transfer_jobs.h"
#include "link/transfer_owner.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace kp07 {

class CTransferDialog : public QDialog, public TransferOwner {
    Q_OBJECT

  public:
    explicit CTransferDialog(QWidget* parent = nullptr);
    ~CTransferDialog() override;

    void SetMode(int mode) { mode_ = mode; }
    int mode() const { return mode_; }
    // Runs the dialog modally: Accepted when the job ended by itself
    // (whatever its outcome; the job showed its own messages), Rejected when
    // the user cancelled.
    int RunModal();

    // The job's side (called on the worker thread).
    void PostReport(unsigned message, unsigned value) override;
    bool TakeCancel() override;
    MsgResult Ask(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1) override;

    // Production mode: the window was closed and the program is to end.
    bool quitRequested() const { return quitRequested_; }
    bool repeatReady() const { return repeatReady_; }
    bool closeAllowed() const;
    QProgressBar* progressBar() const { return progress_; }
    QLabel* statusLine() const { return status_; }
    QLabel* fileLabel() const { return label_; }
    QPushButton* button() const { return button_; }

    // The file name part of a path (after the last '\', '/' or ':').
    static QString FileNamePart(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void Initialise();
    void Cancel();
    // Ends the dialog with Cancel (production mode: after a close, the
    // program with it).
    void EndCancelled();
    void HandleReport(unsigned generation, unsigned message, unsigned value);
    // Waits for the job to end while handling events, so that the job's
    // reports and questions, which need this thread, keep being answered.
    // A Cancel meanwhile is left to the waiting caller (cancelWhileWaiting_).
    void WaitForWorker();
    // Widens the dialog to its longest text.
    void FitWidth();

    int mode_ = kTransferUpload;
    TransferWorker worker_;
    CancelQueue cancels_;
    // Reports of a job that the dialog no longer waits for are dropped.
    std::atomic<unsigned> generation_{0};
    bool starting_ = false;
    bool waiting_ = false;
    bool cancelWhileWaiting_ = false;
    int minimumWidth_ = 0;
    bool repeatReady_ = false;
    bool escapeRequested_ = false;
    bool quitRequested_ = false;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* label_ = nullptr;
    QPushButton* button_ = nullptr;
};

}  // namespace kp07
