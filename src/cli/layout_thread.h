#pragma once

#include "core/streamed_structure.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>

namespace quillet::cli {

// A file's structural reading on a second thread, its addresses handed over a part at a time as
// they are found, so that this thread makes rows of them meanwhile. Where no second thread can be
// had, the reading runs when its result is asked for.
class LayoutThread {
public:
    // The reading, which gives each part it finds to the taker it is called with.
    using Reading = std::function<core::StreamedStructure(const core::AddressPartTaker& give)>;

    explicit LayoutThread(Reading reading);
    ~LayoutThread() = default;
    LayoutThread(const LayoutThread&) = delete;
    LayoutThread& operator=(const LayoutThread&) = delete;

    // Hands each part to take as it comes, in file order, then returns the reading; once only.
    core::StreamedStructure result(const core::AddressPartTaker& take);

private:
    void give(core::AddressPart part);
    void finished();

    Reading reading_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<core::AddressPart> parts_;
    bool finished_ = false;
    std::future<core::StreamedStructure> result_; // last, so that it is waited for first
};

} // namespace quillet::cli
