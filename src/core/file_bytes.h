#pragma once

#include "core/file_identity.h"
#include "core/os/input_file.h"

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace quillet::core {

// The largest input read: 2 GiB, hundreds of times any real NK2 file (a few megabytes), and
// below what the load's 32-bit positions could address.
inline constexpr std::size_t kInputSizeLimit = std::size_t{2} << 30;

// A whole file's bytes, or the reason why it could not be read.
struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string reason;      // set when !ok, e.g. "No such file or directory"
    FileIdentity identity{}; // of the file read, when ok
};

// What readFileBytes shows the bytes read so far, a step at a time, until it has read what the
// file held when it was opened (or fails); stop() comes before the bytes can move or go.
class ReadObserver {
public:
    virtual ~ReadObserver() = default;
    virtual void show(const char* bytes, std::size_t size) = 0;
    virtual void stop() = 0;
};

// Lets another thread work on a file's start while the rest is read.
class ReadFollower : public ReadObserver {
public:
    // On the following thread: calls take(bytes so far) whenever more are in, and returns when
    // the reading has left the place the bytes are read into. take must not keep the view.
    void follow(const std::function<void(std::string_view)>& take);

    // On the reading thread. stop() returns once take has returned, so that the bytes may move.
    void show(const char* bytes, std::size_t size) override;
    void stop() override;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    const char* bytes_ = nullptr;
    std::size_t size_ = 0;
    bool stopped_ = false;
    bool taking_ = false;
};

// Reads up to size bytes like read(2): the system's own (os::systemRead), or a test's failing or
// endless stand-in.
using ReadSource = std::function<ssize_t(int descriptor, char* into, std::size_t size)>;

// Reads a whole file into memory, opening it for reading only. A file of more than `limit`
// bytes is refused ("File too large: ..."): the read stops there whatever size the system
// reports, so that growing files and endless ones such as some /proc files end too. Running
// out of memory is a reason like any other. An observer, if given, is stopped before this
// returns and before any bytes it was shown are freed, however the reading ends.
FileBytes readFileBytes(const std::string& path, std::size_t limit = kInputSizeLimit,
                        ReadObserver* observer = nullptr,
                        const ReadSource& source = os::systemRead);

// Reads up to size bytes through source, again after an interruption: how many came (0 at the
// end), or -1 with errno set.
ssize_t readSome(const ReadSource& source, int descriptor, char* into, std::size_t size);

// Why a file past the limit is not read: "File too large: more than 2 GiB, ...".
std::string tooLargeReason(std::size_t limit);

// A size as its unit names it: "2 GiB", "64 MiB", "1000 bytes".
std::string sizeText(std::size_t bytes);

// "Could not open " + path + ": " + reason: what the user is told about an unreadable file.
std::string couldNotOpenText(const std::string& path, const std::string& reason);

} // namespace quillet::core
