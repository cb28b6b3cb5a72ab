#pragma once

#include "core/file_bytes.h"
#include "core/nk2_load.h"
#include "core/structure_load.h"

#include <cstddef>
#include <future>
#include <optional>
#include <string_view>

namespace quillet::cli {

// How many addresses a file's structure holds that the scan left out, worked out on a second
// thread while the file is read and scanned: it follows the reading, takes the whole file, then
// the grid's keys, and gives its own memory back after handing over the count. Where no second
// thread can be had, the work runs when the count is asked for.
class StructureCount {
public:
    StructureCount(const core::LoadOptions& options, std::size_t fileSize);
    ~StructureCount();
    StructureCount(const StructureCount&) = delete;
    StructureCount& operator=(const StructureCount&) = delete;

    // For readFileBytes to show the bytes to as they come in.
    core::ReadFollower& follower() { return follower_; }

    // The whole file once read. A count whose file could not be read is never asked for.
    void fileRead(std::string_view bytes);

    // How many of the structure's addresses are not among the grid's; once only.
    std::size_t missedAmong(core::AddressKeys shown);

private:
    void count();
    void giveFile(std::optional<std::string_view> bytes);
    void giveShown(core::AddressKeys shown);

    const core::LoadOptions options_;
    const std::size_t fileSize_;
    core::ReadFollower follower_;
    std::promise<std::optional<std::string_view>> file_;
    std::promise<core::AddressKeys> shown_;
    std::promise<std::size_t> missed_;
    std::future<std::optional<std::string_view>> fileGiven_;
    std::future<core::AddressKeys> shownGiven_;
    std::future<std::size_t> counted_;
    bool fileSent_ = false;
    bool shownSent_ = false;
    std::future<void> counting_; // last, so that it is waited for first
};

} // namespace quillet::cli
