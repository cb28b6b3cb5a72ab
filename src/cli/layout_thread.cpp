#include "cli/layout_thread.h"

#include <chrono>

namespace quillet::cli {

LayoutThread::LayoutThread(Reading reading)
    : reading_(std::move(reading)),
      result_(std::async(std::launch::async | std::launch::deferred, [this] {
          // However the reading ends, the parts' taker learns that no more will come.
          struct Finished {
              LayoutThread* thread;
              ~Finished() { thread->finished(); }
          } finished{this};
          return reading_([this](core::AddressPart part) { give(std::move(part)); });
      })) {}

core::StreamedStructure LayoutThread::result(const core::AddressPartTaker& take) {
    if (result_.wait_for(std::chrono::seconds(0)) == std::future_status::deferred) {
        result_.wait();
    }
    for (;;) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !parts_.empty() || finished_; });
        if (parts_.empty()) {
            break;
        }
        core::AddressPart part = std::move(parts_.front());
        parts_.pop_front();
        lock.unlock();
        take(std::move(part));
    }
    return result_.get();
}

void LayoutThread::give(core::AddressPart part) {
    {
        const std::lock_guard lock(mutex_);
        parts_.push_back(std::move(part));
    }
    changed_.notify_one();
}

void LayoutThread::finished() {
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
    }
    changed_.notify_one();
}

} // namespace quillet::cli
