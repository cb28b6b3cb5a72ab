#include "core/file_bytes.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#endif

namespace quillet::core {
namespace {

class ReadDescriptor {
public:
    explicit ReadDescriptor(const std::string& path)
        : descriptor_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    ~ReadDescriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    ReadDescriptor(const ReadDescriptor&) = delete;
    ReadDescriptor& operator=(const ReadDescriptor&) = delete;

    int get() const { return descriptor_; }

private:
    int descriptor_;
};

FileBytes failure(std::string reason) {
    FileBytes result;
    result.reason = std::move(reason);
    return result;
}

FileBytes failure(int error) {
    return failure(std::strerror(error != 0 ? error : EIO));
}

FileBytes tooLarge(std::size_t limit) {
    return failure("File too large: more than " + std::to_string(limit) +
                   " bytes, far more than any NK2 file holds");
}

// Maps all pages of a freshly reserved buffer in one call, in huge pages where the system allows:
// faulting a buffer of several megabytes in page by page costs more than reading the file into
// it. Only a speed-up, so where the system cannot do it nothing happens.
void mapPagesAhead([[maybe_unused]] std::string& buffer) {
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::uintptr_t first = (start + page - 1) / page * page;
    const std::uintptr_t last = (start + buffer.capacity()) / page * page;
    if (last > first) {
#ifdef MADV_HUGEPAGE
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
        madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
    }
#endif
}

// Reads up to size bytes, again after an interruption; returns how many came (0 at the end) or -1.
ssize_t readSome(int descriptor, char* into, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(descriptor, into, size);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

FileBytes readAll(int descriptor, std::size_t sizeHint, std::size_t limit) {
    FileBytes result;
    std::string& bytes = result.bytes;
    // The reported size is only a hint: the loops read what is there, in place first and then
    // in chunks until the end or past the limit.
    const std::size_t expected = std::min(sizeHint, limit);
    bytes.reserve(expected);
    mapPagesAhead(bytes);
    bytes.resize(expected);
    std::size_t used = 0;
    while (used < bytes.size()) {
        const ssize_t got = readSome(descriptor, bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            return failure(errno);
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    std::array<char, 1 << 16> chunk{};
    for (;;) {
        // Whole chunks: some /proc files take no other read size.
        const ssize_t got = readSome(descriptor, chunk.data(), chunk.size());
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

FileBytes readFileBytes(const std::string& path, std::size_t limit) {
    // A pipe would block the open and a device such as /dev/zero never ends: only files (and
    // folders, whose read gives the system's own reason) are opened.
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) &&
        !S_ISDIR(status.st_mode)) {
        return failure("Not a regular file");
    }
    const ReadDescriptor file(path);
    if (file.get() < 0) {
        return failure(errno);
    }
    // The open file is what counts: the path may have changed since.
    if (::fstat(file.get(), &status) != 0) {
        return failure(errno);
    }
    if (!S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode)) {
        return failure("Not a regular file");
    }
    if (status.st_size > 0 && static_cast<std::uintmax_t>(status.st_size) > limit) {
        return tooLarge(limit);
    }
    try {
        FileBytes result = readAll(file.get(), static_cast<std::size_t>(status.st_size), limit);
        result.identity = {static_cast<std::uint64_t>(status.st_dev),
                           static_cast<std::uint64_t>(status.st_ino)};
        return result;
    } catch (const std::bad_alloc&) {
        return failure("Not enough memory to read the file");
    }
}

std::string couldNotOpenText(const std::string& path, const std::string& reason) {
    return "Could not open " + path + ": " + reason;
}

} // namespace quillet::core
