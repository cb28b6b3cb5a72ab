#include "core/append_writer.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace quillet::core {
namespace {

namespace fs = std::filesystem;

std::string reasonFor(int error) {
    return std::generic_category().message(error != 0 ? error : EIO);
}

std::size_t writeWhole(std::FILE* file, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file);
}

// What the path held before the append, so that a failed append can be undone.
struct Before {
    bool existed = false;
    bool regular = false;
    std::uintmax_t size = 0;
};

// Puts the file back as it was; returns the reason when that is not possible.
std::optional<std::string> restore(const std::string& path, const Before& before) {
    std::error_code ec;
    if (!before.existed) {
        fs::remove(path, ec);
    } else if (before.regular) {
        fs::resize_file(path, before.size, ec);
    }
    if (ec) {
        return ec.message();
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> appendToFile(const std::string& path, std::string_view bytes) {
    return appendToFile(path, bytes, writeWhole);
}

std::optional<std::string> appendToFile(const std::string& path, std::string_view bytes,
                                        const FileWrite& write) {
    if (path.empty()) {
        return "No file name given";
    }
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    Before before;
    if (status.type() != fs::file_type::not_found) {
        if (ec) {
            return ec.message();
        }
        before.existed = true;
        before.regular = fs::is_regular_file(status);
        if (before.regular) {
            before.size = fs::file_size(path, ec);
            if (ec) {
                return ec.message();
            }
        }
    }

    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) {
        return reasonFor(errno);
    }
    std::optional<std::string> failure;
    errno = 0;
    if (write(file, bytes) != bytes.size()) {
        failure = reasonFor(errno);
    }
    errno = 0;
    if (std::fflush(file) != 0 && !failure) {
        failure = reasonFor(errno);
    }
    errno = 0;
    if (std::fclose(file) != 0 && !failure) {
        failure = reasonFor(errno);
    }
    if (failure) {
        if (const auto notRestored = restore(path, before)) {
            *failure += " (the file could not be restored: " + *notRestored + ")";
        }
    }
    return failure;
}

} // namespace quillet::core
