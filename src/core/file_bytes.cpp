#include "core/file_bytes.h"

#include "core/os/input_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <new>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace quillet::core {
namespace {

// How much an observed reading reads before it shows the observer the bytes so far, and how much
// more a follower takes at a time.
constexpr std::size_t kFollowedStep = std::size_t{256} << 10;

FileBytes failure(std::string reason) {
    FileBytes result;
    result.reason = std::move(reason);
    return result;
}

FileBytes failure(int error) {
    return failure(std::strerror(error != 0 ? error : EIO));
}

FileBytes tooLarge(std::size_t limit) {
    return failure(tooLargeReason(limit));
}

// Asks for huge pages for a freshly reserved buffer, then maps the pages of each stretch of it in
// one call: faulting a buffer of several megabytes in page by page costs more than reading the
// file into it. Only a speed-up, so where the system cannot do it nothing happens.
class PagesAhead {
public:
    explicit PagesAhead(std::string& buffer) : buffer_(buffer) {
#ifdef MADV_HUGEPAGE
        advise(0, buffer.capacity(), MADV_HUGEPAGE);
#endif
    }

    void map([[maybe_unused]] std::size_t from, [[maybe_unused]] std::size_t to) {
#ifdef MADV_POPULATE_WRITE
        advise(from, to, MADV_POPULATE_WRITE);
#endif
    }

private:
#if defined(MADV_HUGEPAGE) || defined(MADV_POPULATE_WRITE)
    // The advice for the whole pages between two offsets of the buffer.
    void advise(std::size_t from, std::size_t to, int advice) {
        const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
        const auto start = reinterpret_cast<std::uintptr_t>(buffer_.data());
        const std::uintptr_t first = (start + from + page - 1) / page * page;
        const std::uintptr_t last = (start + to) / page * page;
        if (last > first) {
            madvise(buffer_.data() + (first - start), last - first, advice);
        }
    }
#endif

    [[maybe_unused]] std::string& buffer_;
};

// Stops the observer on every way out of the reading, before the bytes can move.
class ObserverStop {
public:
    explicit ObserverStop(ReadObserver* observer) : observer_(observer) {}
    ~ObserverStop() { now(); }
    ObserverStop(const ObserverStop&) = delete;
    ObserverStop& operator=(const ObserverStop&) = delete;

    void now() {
        if (observer_ != nullptr) {
            observer_->stop();
            observer_ = nullptr;
        }
    }

private:
    ReadObserver* observer_;
};

FileBytes readAll(const ReadSource& source, int descriptor, std::size_t sizeHint, std::size_t limit,
                  ReadObserver* observer) {
    // Made before the guard, so that on an early return the observer stops before the bytes go.
    FileBytes result;
    ObserverStop stopObserver(observer);
    std::string& bytes = result.bytes;
    // The reported size is only a hint: the loops read what is there, in place first and then
    // in chunks until the end or past the limit. An observer sees the place filled a step at a
    // time; the reserved place never moves meanwhile.
    const std::size_t expected = std::min(sizeHint, limit);
    const std::size_t step =
        observer != nullptr ? kFollowedStep : std::max<std::size_t>(expected, 1);
    bytes.reserve(expected);
    PagesAhead pages(bytes);
    std::size_t used = 0;
    while (used < expected) {
        const std::size_t end = std::min(expected, bytes.size() + step);
        pages.map(bytes.size(), end);
        bytes.resize(end);
        while (used < bytes.size()) {
            const ssize_t got =
                readSome(source, descriptor, bytes.data() + used, bytes.size() - used);
            if (got < 0) {
                return failure(errno);
            }
            if (got == 0) {
                break;
            }
            used += static_cast<std::size_t>(got);
        }
        if (used < bytes.size()) {
            break;
        }
        if (observer != nullptr) {
            observer->show(bytes.data(), used);
        }
    }
    stopObserver.now();
    bytes.resize(used);
    std::array<char, 1 << 16> chunk{};
    for (;;) {
        // Whole chunks: some /proc files take no other read size.
        const ssize_t got = readSome(source, descriptor, chunk.data(), chunk.size());
        if (got < 0) {
            return failure(errno);
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
        if (bytes.size() > limit) {
            return tooLarge(limit);
        }
    }
    result.ok = true;
    return result;
}

} // namespace

std::string tooLargeReason(std::size_t limit) {
    return "File too large: more than " + sizeText(limit) + ", far more than any NK2 file holds";
}

ssize_t readSome(const ReadSource& source, int descriptor, char* into, std::size_t size) {
    for (;;) {
        const ssize_t got = source(descriptor, into, size);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

void ReadFollower::follow(const std::function<void(std::string_view)>& take) {
    std::unique_lock lock(mutex_);
    std::size_t taken = 0;
    for (;;) {
        changed_.wait(lock, [&] { return stopped_ || size_ > taken; });
        if (stopped_) {
            return;
        }
        // A stretch at a time, so that stop() never waits long for take to return.
        taken = std::min(size_, taken + kFollowedStep);
        taking_ = true;
        const std::string_view bytes(bytes_, taken);
        lock.unlock();
        // However take ends, the reading learns that it is done with the bytes.
        const auto returned = [&] {
            lock.lock();
            taking_ = false;
            changed_.notify_all();
        };
        try {
            take(bytes);
        } catch (...) {
            returned();
            throw;
        }
        returned();
    }
}

void ReadFollower::show(const char* bytes, std::size_t size) {
    {
        const std::lock_guard lock(mutex_);
        bytes_ = bytes;
        size_ = size;
    }
    changed_.notify_all();
}

void ReadFollower::stop() {
    std::unique_lock lock(mutex_);
    stopped_ = true;
    changed_.notify_all();
    changed_.wait(lock, [&] { return !taking_; });
}

FileBytes readFileBytes(const std::string& path, std::size_t limit, ReadObserver* observer,
                        const ReadSource& source) {
    ObserverStop stopObserver(observer);
    const os::InputFile file(path);
    if (!file.problem().empty()) {
        return failure(file.problem());
    }
    if (file.size() > limit) {
        return tooLarge(limit);
    }
    try {
        FileBytes result = readAll(source, file.descriptor(), static_cast<std::size_t>(file.size()),
                                   limit, observer);
        result.identity = file.identity();
        return result;
    } catch (const std::bad_alloc&) {
        return failure("Not enough memory to read the file");
    }
}

std::string sizeText(std::size_t bytes) {
    constexpr std::size_t kMebibyte = std::size_t{1} << 20;
    constexpr std::size_t kGibibyte = std::size_t{1} << 30;
    if (bytes >= kGibibyte && bytes % kGibibyte == 0) {
        return std::to_string(bytes / kGibibyte) + " GiB";
    }
    if (bytes >= kMebibyte && bytes % kMebibyte == 0) {
        return std::to_string(bytes / kMebibyte) + " MiB";
    }
    return std::to_string(bytes) + " bytes";
}

std::string couldNotOpenText(const std::string& path, const std::string& reason) {
    return "Could not open " + path + ": " + reason;
}

} // namespace quillet::core
