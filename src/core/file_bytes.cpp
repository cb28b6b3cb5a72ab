#include "core/file_bytes.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace quillet::core {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

FileBytes failure(int error) {
    FileBytes result;
    result.reason = std::strerror(error);
    return result;
}

} // namespace

FileBytes readFileBytes(const std::string& path) {
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return failure(errno);
    }
    FileBytes result;
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
