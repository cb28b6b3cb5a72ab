#include "core/os/input_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet::core::os {
namespace {

bool isFileOrFolder(const struct stat& status) {
    return S_ISREG(status.st_mode) || S_ISDIR(status.st_mode);
}

} // namespace

InputFile::InputFile(const std::string& path) {
    // A pipe would block the open and a device such as /dev/zero never ends. A folder is opened:
    // its read gives the system's own reason.
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !isFileOrFolder(status)) {
        problem_ = "Not a regular file";
        return;
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        problem_ = std::strerror(errno);
        return;
    }
    handle_ = descriptor;
    // The open file is what counts: the path may have changed since.
    if (::fstat(descriptor, &status) != 0) {
        problem_ = std::strerror(errno);
        return;
    }
    if (!isFileOrFolder(status)) {
        problem_ = "Not a regular file";
        return;
    }
    size_ = status.st_size > 0 ? static_cast<std::uint64_t>(status.st_size) : 0;
    identity_ = {static_cast<std::uint64_t>(status.st_dev),
                 static_cast<std::uint64_t>(status.st_ino)};
}

InputFile::~InputFile() {
    if (handle_ >= 0) {
        ::close(handle_);
    }
}

ssize_t systemRead(int descriptor, char* into, std::size_t size) {
    return ::read(descriptor, into, size);
}

FileIdentity regularFileIdentity(std::FILE* stream) {
    struct stat status {};
    if (::fstat(fileno(stream), &status) != 0 || !S_ISREG(status.st_mode)) {
        return {};
    }
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

} // namespace quillet::core::os
