#pragma once

#include "core/file_bytes.h"
#include "core/nk2_load.h"
#include "core/structure_load.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <string_view>

namespace quillet::cli {

// A file's structural reading on a second thread while the file is read: it follows the reading
// a step at a time, so that reading the bytes and reading their layout overlap, then takes the
// whole file. Where no second thread can be had, the work runs when the result is asked for.
class StructureFollow {
public:
    // Takes the addresses of a part, in file order; startAgain when the parts before it no
    // longer count (the file came back shorter than the reading had seen).
    using PartTaker = std::function<void(core::NamedAddresses part, bool startAgain)>;

    // In parts, the addresses come while the layout is still being read, so that the rows are
    // made meanwhile; otherwise they all come with the finished reading.
    StructureFollow(const core::LoadOptions& options, std::size_t fileSize, bool inParts);
    ~StructureFollow();
    StructureFollow(const StructureFollow&) = delete;
    StructureFollow& operator=(const StructureFollow&) = delete;

    // For readFileBytes to show the bytes to as they come in.
    core::ReadFollower& follower() { return follower_; }

    // The whole file once read: hands each part to take as it comes and returns the reading,
    // with the addresses not given in parts. Once only, and only for a file that was read.
    core::StructureRead fileRead(std::string_view bytes, const PartTaker& take);

private:
    struct Part {
        core::NamedAddresses addresses;
        bool startAgain = false;
    };
    void read();
    void giveFile(std::optional<std::string_view> bytes);
    void givePart(Part part);
    void finished();

    const core::LoadOptions options_;
    const std::size_t fileSize_;
    const bool inParts_;
    core::ReadFollower follower_;
    std::promise<std::optional<std::string_view>> file_;
    std::future<std::optional<std::string_view>> fileGiven_;
    std::promise<std::optional<core::StructureRead>> result_;
    std::future<std::optional<core::StructureRead>> resultGiven_;
    bool fileSent_ = false;
    std::mutex partsMutex_;
    std::condition_variable partsChanged_;
    std::deque<Part> parts_;
    bool finished_ = false;
    std::future<void> reading_; // last, so that it is waited for first
};

} // namespace quillet::cli
