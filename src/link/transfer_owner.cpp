#include "link/transfer_owner.h"

#include <algorithm>

namespace kp07 {

std::string TransferOwner::KeepRadioImage(const RadioImage&) {
    return {};
}

void CancelQueue::Post(unsigned message) {
    std::lock_guard<std::mutex> lock(mutex_);
    messages_.push_back(message);
}

bool CancelQueue::Take(unsigned message) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = std::find(messages_.begin(), messages_.end(), message);
    if (it == messages_.end()) return false;
    messages_.erase(it);
    return true;
}

void CancelQueue::Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    messages_.clear();
}

void ProgressCounter::SetRange(TransferOwner& owner, unsigned newRange) {
    range = newRange;
    owner.PostReport(WM_XFER_RANGE, newRange);
}

void ProgressCounter::Add(TransferOwner& owner, unsigned amount) {
    value += amount;
    // The steps of a whole upload or download add up to one unit more than
    // their range; the bar simply stays full for the last step.
    owner.PostReport(WM_XFER_POS, range != 0 ? std::min(value, range) : value);
}

}  // namespace kp07
