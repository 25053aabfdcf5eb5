// A job on its own thread, cancelled through the owner's queue.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "link/transfer_jobs.h"
#include "link_fixture.h"
#include "support/test_support.h"

namespace kp07::test {
namespace {

class QueueOwner : public RecordingOwner {
  public:
    bool TakeCancel() override { return queue.Take(WM_XFER_CANCEL); }
    CancelQueue queue;
};

using TransferWorkerTest = LinkTest;

TEST_F(TransferWorkerTest, CancelPostedToTheQueueEndsTheJobOnItsThread) {
    Cable(memory, 0);  // the radio is never switched off and on
    *radioImage = FilledImage(0x44);
    QueueOwner o;
    std::atomic<bool> prompted{false};
    o.onReport = [&](unsigned message, unsigned value) {
        if (message == WM_XFER_STATUS && value == 122) prompted = true;
    };
    TransferWorker worker;
    ASSERT_TRUE(worker.Start(kTransferUpload, o));
    EXPECT_FALSE(worker.Start(kTransferUpload, o));  // one job at a time
    while (!prompted) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    o.queue.Post(0x1234);  // other messages stay where they are
    o.queue.Post(WM_XFER_CANCEL);
    worker.Join();
    EXPECT_FALSE(worker.running());
    EXPECT_FALSE(worker.succeeded());
    EXPECT_EQ(o.reports.back().message, WM_XFER_DONE);
    EXPECT_EQ(*radioImage, FilledImage(0x44));
    EXPECT_TRUE(o.queue.Take(0x1234));
    EXPECT_FALSE(o.queue.Take(WM_XFER_CANCEL));  // taken by the job

    // The next job on the same worker; an unknown mode runs nothing.
    cable().radio().StartInCloneMode(9600);
    ASSERT_TRUE(worker.Start(kTransferUpload, o));
    worker.Join();
    EXPECT_TRUE(worker.succeeded());
    EXPECT_EQ(*radioImage, memory);
    ASSERT_TRUE(worker.Start(7, o));
    worker.Join();
    EXPECT_FALSE(worker.succeeded());
}

}  // namespace
}  // namespace kp07::test
