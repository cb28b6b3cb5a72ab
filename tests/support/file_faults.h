#pragma once

#include "core/append_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

// Files as the appending writer's tests see them: their bytes, and a disk that fills up.
namespace quillet::test {

inline std::string contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A write that takes only the first `limit` bytes, through the system's own call, and then
// fails as a full disk would.
inline core::FileWrite failingAfter(std::size_t limit) {
    return [limit, taken = std::size_t{0}](int descriptor, const char* bytes,
                                           std::size_t size) mutable -> ssize_t {
        if (taken >= limit) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t part = std::min(size, limit - taken);
#ifdef _WIN32
        DWORD written = 0;
        WriteFile(LongToHandle(descriptor), bytes, static_cast<DWORD>(part), &written, nullptr);
        taken += written;
        return static_cast<ssize_t>(written);
#else
        const ssize_t written = ::write(descriptor, bytes, part);
        taken += static_cast<std::size_t>(std::max<ssize_t>(written, 0));
        return written;
#endif
    };
}

} // namespace quillet::test
