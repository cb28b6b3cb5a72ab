#include "core/file_bytes.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#if __has_include(<sys/mman.h>)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace quillet::core {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

FileBytes failure(std::string reason) {
    FileBytes result;
    result.reason = std::move(reason);
    return result;
}

FileBytes failure(int error) {
    return failure(std::strerror(error));
}

// Maps all pages of a freshly reserved buffer in one call: faulting a buffer of several megabytes
// in page by page costs more than reading the file into it. Only a speed-up, so where the
// system cannot do it nothing happens.
void mapPagesAhead([[maybe_unused]] std::string& buffer) {
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::uintptr_t first = (start + page - 1) / page * page;
    const std::uintptr_t last = (start + buffer.capacity()) / page * page;
    if (last > first) {
        madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
    }
#endif
}

} // namespace

FileBytes readFileBytes(const std::string& path) {
    // A pipe would block the open and a device such as /dev/zero never ends: only files (and
    // folders, whose read gives the system's own reason) are opened.
    std::error_code statusError;
    const auto status = std::filesystem::status(path, statusError);
    if (!statusError && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_directory(status)) {
        return failure("Not a regular file");
    }
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return failure(errno);
    }
    FileBytes result;
    // Read a regular file in one go; its size is only a hint, the loop below takes the rest.
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
    if (!sizeError) {
        result.bytes.reserve(static_cast<std::size_t>(size));
        mapPagesAhead(result.bytes);
        result.bytes.resize(static_cast<std::size_t>(size));
        result.bytes.resize(std::fread(result.bytes.data(), 1, result.bytes.size(), file.get()));
    }
    std::array<char, 1 << 16> chunk{};
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), file.get())) > 0) {
        result.bytes.append(chunk.data(), got);
    }
    // Opening a folder succeeds on some systems; reading it is where the error shows.
    if (std::ferror(file.get())) {
        return failure(errno != 0 ? errno : EIO);
    }
    result.ok = true;
    return result;
}

std::string couldNotOpenText(const std::string& path, const std::string& reason) {
    return "Could not open " + path + ": " + reason;
}

} // namespace quillet::core
