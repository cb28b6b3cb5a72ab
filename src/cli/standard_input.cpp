#include "cli/standard_input.h"

#include "core/os/input_file.h"

#include <array>
#include <cerrno>
#include <cstring>

namespace quillet::cli {

core::FileBytes readWholeStream(std::FILE* stream, std::size_t limit) {
    core::FileBytes result;
    std::array<char, 1 << 16> chunk{};
    std::size_t got = 0;
    errno = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), stream)) > 0) {
        if (result.bytes.size() + got > limit) {
            result.bytes.clear();
            result.reason = "Standard input holds more than " + core::sizeText(limit);
            return result;
        }
        result.bytes.append(chunk.data(), got);
    }
    if (std::ferror(stream)) {
        result.bytes.clear();
        result.reason = std::strerror(errno != 0 ? errno : EIO);
        return result;
    }
    // Redirected from a file, standard input is that file: an export must not land in it.
    result.identity = core::os::regularFileIdentity(stream);
    result.ok = true;
    return result;
}

} // namespace quillet::cli
