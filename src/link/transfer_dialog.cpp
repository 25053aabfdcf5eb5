#include "link/transfer_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include "blocks/image_ops.h"
#include "blocks/radio_identity.h"
#include "image/process_state.h"
#include "image/radio_image.h"
#include "resources/message.h"
#include "resources/strings.h"

namespace kp07 {
namespace {

// Dialog units of the layout converted at 2 pixels per unit across and
// about 1.6 down, which matches the common dialog font.
QRect Units(int x, int y, int w, int h) {
    return QRect(x * 3 / 2, y * 8 / 5, w * 3 / 2, h * 8 / 5);
}

QString TableText(unsigned id) {
    return QString::fromStdString(FormatMessage(int(id), std::string()));
}

// The laid-out size and the button's place in it.
const QRect kDialogRect = Units(0, 0, 221, 109);
const QRect kButtonRect = Units(78, 79, 60, 15);

// Keys that would press the focused button. A transfer stopped by an
// accidental Space leaves a radio half written; Cancel is a click (or, in
// production mode, Escape).
bool PressesButton(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
           key == Qt::Key_Select;
}

}  // namespace

CTransferDialog::CTransferDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Access Gauge"));
    setFixedSize(kDialogRect.size());
    status_ = new QLabel(this);
    status_->setObjectName("1190");
    status_->setGeometry(Units(10, 10, 175, 15));
    label_ = new QLabel(this);
    label_->setObjectName("1191");
    label_->setGeometry(Units(21, 30, 175, 15));
    label_->hide();
    button_ = new QPushButton(QStringLiteral("Cancel"), this);
    button_->setObjectName("1178");
    button_->setGeometry(kButtonRect);
    button_->setAutoDefault(false);
    button_->setDefault(false);
    button_->installEventFilter(this);
    // Cancel; in a production download it reads "Repeat(F5-8)" and starts
    // the next radio.
    connect(button_, &QPushButton::clicked, this, &CTransferDialog::Cancel);
}

CTransferDialog::~CTransferDialog() {
    // Never leave a job running behind a destroyed owner.
    if (worker_.running()) {
        cancels_.Post(WM_XFER_CANCEL);
        WaitForWorker();
    }
    worker_.Join();
}

bool CTransferDialog::closeAllowed() const {
    return productionMode && mode_ == kTransferDownload;
}

int CTransferDialog::RunModal() {
    // Only production downloads may be closed from the title bar.
    setWindowFlag(Qt::WindowCloseButtonHint, closeAllowed());
    repeatReady_ = escapeRequested_ = quitRequested_ = false;
    delete progress_;  // a new run creates its bar on its first range report
    progress_ = nullptr;
    status_->clear();
    label_->hide();
    button_->show();
    button_->setText(QStringLiteral("Cancel"));
    setWindowTitle(QStringLiteral("Access Gauge"));
    // Wide enough for either power-cycle prompt from the start, so that the
    // dialog does not change its width when one appears.
    minimumWidth_ = kDialogRect.width();
    for (const int id : {kMsgSwitchForUpload, kMsgSwitchForDownload}) {
        const int needed =
            2 * status_->x() + status_->fontMetrics().horizontalAdvance(TableText(unsigned(id)));
        minimumWidth_ = std::max(minimumWidth_, needed);
    }
    FitWidth();
    starting_ = true;
    return exec();
}

void CTransferDialog::FitWidth() {
    int width = minimumWidth_;
    for (const QLabel* line : {status_, label_}) {
        if (line->isHidden() || line->text().isEmpty()) continue;
        width =
            std::max(width, 2 * line->x() + line->fontMetrics().horizontalAdvance(line->text()));
    }
    if (width != this->width()) setFixedSize(width, kDialogRect.height());
    status_->resize(width - 2 * status_->x(), status_->height());
    label_->resize(width - 2 * label_->x(), label_->height());
    button_->move(kButtonRect.x() + (width - kDialogRect.width()) / 2, kButtonRect.y());
    if (progress_) progress_->setGeometry(QRect(QPoint(30, 80), QPoint(width - 31, 100)));
}

void CTransferDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (starting_) {
        starting_ = false;
        Initialise();
    }
}

void CTransferDialog::Initialise() {
    ++generation_;
    repeatReady_ = false;
    if (mode_ == kTransferDownload && productionMode) {
        QFont font = label_->font();
        font.setPixelSize(16);
        label_->setFont(font);
        label_->setText(QStringLiteral("Load File Name : %1")
                            .arg(FileNamePart(QString::fromStdString(currentFileName))));
        label_->show();
        button_->hide();
        button_->setText(QStringLiteral("Cancel"));
        escapeRequested_ = false;
        FitWidth();
    }
    if (mode_ < kTransferUpload || mode_ > kTransferDownloadChanges) return;
    // A production repeat: the previous job has posted its last report but
    // may still be showing "Download is completed", which needs this thread.
    WaitForWorker();
    if (cancelWhileWaiting_ && escapeRequested_) {
        EndCancelled();  // Escape or the close box while waiting
        return;
    }
    cancels_.Clear();  // a cancel meant for the previous job
    worker_.Start(mode_, *this);
}

QString CTransferDialog::FileNamePart(const QString& path) {
    const int cut =
        std::max({path.lastIndexOf('\\'), path.lastIndexOf('/'), path.lastIndexOf(':')});
    return path.mid(cut + 1);
}

// ---------------------------------------------------------------- reports

void CTransferDialog::PostReport(unsigned message, unsigned value) {
    const unsigned generation = generation_;
    QMetaObject::invokeMethod(
        this, [this, generation, message, value] { HandleReport(generation, message, value); },
        Qt::QueuedConnection);
}

void CTransferDialog::HandleReport(unsigned generation, unsigned message, unsigned value) {
    if (generation != generation_ || !isVisible()) return;
    switch (message) {
        case WM_XFER_RANGE:
            if (!progress_) {
                progress_ = new QProgressBar(this);
                progress_->setObjectName("100");
                progress_->setGeometry(QRect(QPoint(30, 80), QPoint(300, 100)));
                progress_->setTextVisible(false);
                progress_->installEventFilter(this);
                progress_->show();
                FitWidth();
            }
            progress_->setRange(0, int(value & 0xFFFF));
            progress_->setValue(0);
            break;
        case WM_XFER_POS:
            if (progress_) progress_->setValue(int(value));
            break;
        case WM_XFER_STATUS:
            status_->setText(TableText(value));
            FitWidth();
            break;
        case WM_XFER_CAPTION:
            setWindowTitle(TableText(value));
            break;
        case WM_XFER_DONE:
            // The bar stays as the job left it until the next run.
            WaitForWorker();
            accept();
            break;
        case WM_XFER_REPEAT_READY: {
            const std::string serial = identity ? identity->serialNumber : std::string();
            label_->setText(QString::asprintf("Ser  %-8s", serial.c_str()));
            label_->show();
            button_->setText(QStringLiteral("Repeat(F5-8)"));
            button_->show();
            FitWidth();
            repeatReady_ = true;
            break;
        }
        default:
            break;
    }
}

bool CTransferDialog::TakeCancel() {
    return cancels_.Take(WM_XFER_CANCEL);
}

MsgResult CTransferDialog::Ask(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1) {
    if (QThread::currentThread() == thread()) return ShowMessage(id, buttons, icon, arg1);
    // The job's messages are shown on the user-interface thread; the job
    // waits for the answer.
    MsgResult result = MsgResult::kCancel;
    QMetaObject::invokeMethod(
        this, [&] { result = ShowMessage(id, buttons, icon, arg1); }, Qt::BlockingQueuedConnection);
    return result;
}

// ----------------------------------------------------------------- cancel

void CTransferDialog::WaitForWorker() {
    const bool outermost = !waiting_;
    if (outermost) {
        waiting_ = true;
        cancelWhileWaiting_ = false;
    }
    // Keep answering reports and the job's questions while it finishes.
    while (worker_.running()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    if (outermost) waiting_ = false;
    worker_.Join();
}

void CTransferDialog::Cancel() {
    cancels_.Post(WM_XFER_CANCEL);
    if (waiting_) {
        // The job is ending already; the wait in progress decides what
        // comes next, by the flags as they are when it ends.
        cancelWhileWaiting_ = true;
        return;
    }
    WaitForWorker();
    if (productionMode && mode_ == kTransferDownload && !escapeRequested_) {
        // The next radio: this job is stopped, a new one starts.
        repeatReady_ = false;
        Initialise();
        return;
    }
    EndCancelled();
}

void CTransferDialog::EndCancelled() {
    ++generation_;  // reports still queued belong to the finished job
    if (productionMode && mode_ == kTransferDownload && quitRequested_) {
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    QDialog::reject();
}

void CTransferDialog::reject() {
    // Escape and the window's close request arrive here; they are handled by
    // the key and close rules below, never by the base dialog.
}

bool CTransferDialog::eventFilter(QObject* watched, QEvent* event) {
    // The controls never see the keys that would press the button.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        PressesButton(static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CTransferDialog::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (PressesButton(key)) return;
    if (key == Qt::Key_Escape) {
        if (productionMode) {
            escapeRequested_ = true;
            Cancel();
        }
        return;
    }
    if (key >= Qt::Key_F5 && key <= Qt::Key_F8 && productionMode && mode_ == kTransferDownload) {
        QApplication::beep();
        if (repeatReady_ && !waiting_) {
            repeatReady_ = false;
            Initialise();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void CTransferDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!closeAllowed()) return;
    escapeRequested_ = true;
    quitRequested_ = true;
    Cancel();
}

}  // namespace kp07
