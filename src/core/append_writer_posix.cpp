#include "core/append_writer.h"

#include "core/append_bytes.h"
#include "core/signal_shield.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace quillet::core {
namespace {

namespace fs = std::filesystem;

constexpr int kLinkLimit = 40; // as the kernel's own limit on links followed
constexpr std::size_t kCopyChunk = std::size_t{1} << 20;

std::string reasonFor(int error) {
    return std::generic_category().message(error != 0 ? error : EIO);
}

class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return descriptor_; }
    void reset(int descriptor = -1) {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
        descriptor_ = descriptor;
    }

private:
    int descriptor_;
};

ssize_t plainWrite(int descriptor, const char* bytes, std::size_t size) {
    return ::write(descriptor, bytes, size);
}

// Writes every byte, again after an interruption; returns 0 or the error that stopped it.
int writeAll(const FileWrite& write, int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t taken = write(descriptor, bytes.data(), bytes.size());
        if (taken < 0 && errno == EINTR) {
            continue;
        }
        if (taken <= 0) {
            return errno != 0 ? errno : EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(taken));
    }
    return 0;
}

int syncFile(int descriptor) {
    return ::fsync(descriptor) == 0 ? 0 : errno;
}

// The path a chain of symbolic links ends at; that file need not exist yet.
std::optional<std::string> followLinks(const std::string& path, std::string& resolved) {
    fs::path current(path);
    for (int hop = 0; hop < kLinkLimit; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) {
            resolved = current.string();
            return std::nullopt;
        }
        const fs::path target = fs::read_symlink(current, ec);
        if (ec) {
            return ec.message();
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return reasonFor(ELOOP);
}

std::optional<std::string> refusalFor(mode_t mode) {
    if (S_ISREG(mode) || S_ISCHR(mode)) {
        return std::nullopt;
    }
    if (S_ISDIR(mode)) {
        return reasonFor(EISDIR);
    }
    if (S_ISFIFO(mode)) {
        return "it is a named pipe (FIFO), not a regular file";
    }
    if (S_ISSOCK(mode)) {
        return "it is a socket, not a regular file";
    }
    if (S_ISBLK(mode)) {
        return "it is a block device, not a regular file";
    }
    return "it is not a regular file";
}

// The export's file, open and, when it is a regular file, locked.
struct Target {
    Descriptor descriptor;
    struct stat status {};
    bool created = false;
};

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Opens the file at path (creating it when absent) and locks it; the path may be renamed over
// while this waits for the lock, so it tries again until the locked file is the one the path
// leads to. A pipe or socket is refused before it is opened (a pipe would block the open).
std::optional<std::string> openLocked(const std::string& path, Target& target) {
    for (;;) {
        struct stat before {};
        const bool existed = ::stat(path.c_str(), &before) == 0;
        if (existed) {
            if (auto refusal = refusalFor(before.st_mode)) {
                return refusal;
            }
        }
        target.created = false;
        int descriptor = -1;
        if (!existed) {
            descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            target.created = descriptor >= 0;
        }
        if (descriptor < 0 && (existed || errno == EEXIST)) {
            const int access = existed && S_ISCHR(before.st_mode) ? O_WRONLY : O_RDWR;
            descriptor = ::open(path.c_str(), access | O_NONBLOCK | O_CLOEXEC);
        }
        if (descriptor < 0) {
            return reasonFor(errno);
        }
        target.descriptor.reset(descriptor);
        if (::fstat(descriptor, &target.status) != 0) {
            return reasonFor(errno);
        }
        if (auto refusal = refusalFor(target.status.st_mode)) {
            return refusal;
        }
        if (S_ISCHR(target.status.st_mode)) {
            return std::nullopt;
        }
        while (::flock(descriptor, LOCK_EX) != 0) {
            if (errno != EINTR) {
                return reasonFor(errno);
            }
        }
        struct stat now {};
        if (::stat(path.c_str(), &now) == 0 && sameFile(now, target.status) &&
            ::fstat(descriptor, &target.status) == 0) {
            return std::nullopt;
        }
    }
}

bool isInput(const struct stat& status, std::span<const FileIdentity> inputs) {
    const FileIdentity identity{static_cast<std::uint64_t>(status.st_dev),
                                static_cast<std::uint64_t>(status.st_ino)};
    return std::find(inputs.begin(), inputs.end(), identity) != inputs.end();
}

// The bytes this export adds, and the write that takes them.
struct NewBytes {
    AppendBytes& bytes;
    const FileWrite& write;

    // Returns 0 or the error that stopped the writing; ECANCELED when making a part failed.
    int writeTo(int descriptor) const {
        int error = 0;
        const bool whole = bytes.eachPiece([&](std::string_view piece) {
            error = writeAll(write, descriptor, piece);
            return error == 0;
        });
        return whole ? 0 : (error != 0 ? error : ECANCELED);
    }
};

// Copies the first `length` bytes of one file to another.
int copyPrefix(int from, int to, off_t length) {
    std::vector<char> chunk(kCopyChunk);
    off_t done = 0;
    while (done < length) {
        const auto want = static_cast<std::size_t>(
            std::min<off_t>(length - done, static_cast<off_t>(chunk.size())));
        const ssize_t got = ::pread(from, chunk.data(), want, done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got < 0 ? errno : EIO;
        }
        if (const int error = writeAll(
                plainWrite, to, std::string_view(chunk.data(), static_cast<std::size_t>(got)))) {
            return error;
        }
        done += got;
    }
    return 0;
}

// Gives the temporary file the target's mode, owner and group; false when the owner or group
// cannot be given, and the file would change hands.
bool takeIdentity(int temporary, const struct stat& target) {
    struct stat own {};
    if (::fstat(temporary, &own) != 0) {
        return false;
    }
    if ((own.st_uid != target.st_uid || own.st_gid != target.st_gid) &&
        ::fchown(temporary, target.st_uid, target.st_gid) != 0) {
        return false;
    }
    return ::fchmod(temporary, target.st_mode & 07777) == 0;
}

enum class Outcome { Done, Failed, NotPossible };

// Where the temporary file of an export into `path` is made: beside it, named after it.
struct TemporaryPlace {
    fs::path folder;
    std::string prefix; // what every such temporary file's name starts with

    explicit TemporaryPlace(const std::string& path)
        : folder(fs::path(path).parent_path().empty() ? fs::path(".")
                                                      : fs::path(path).parent_path()),
          prefix("." + fs::path(path).filename().native() + ".quillet-") {}

    // Files an export into this target made and could not remove, killed before its rename.
    // Only an export holding the target's lock makes them, so under the lock any found is
    // left over.
    void removeLeftovers() const {
        std::error_code ec;
        for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end;
             entry.increment(ec)) {
            const std::string name = entry->path().filename().string();
            std::error_code ignored;
            if (name.size() == prefix.size() + 6 && name.starts_with(prefix)) {
                fs::remove(entry->path(), ignored);
            }
        }
    }
};

// The temporary file's name must fit the system's limit on one name.
constexpr std::size_t kLongestTargetName = 200;

// The old bytes and the new ones into a temporary file beside the target, renamed over it.
Outcome replaceWithAppended(const std::string& path, const Target& target, const NewBytes& bytes,
                            std::string& reason) {
    const TemporaryPlace place(path);
    if (fs::path(path).filename().string().size() > kLongestTargetName) {
        return Outcome::NotPossible;
    }
    place.removeLeftovers();
    std::string temporaryName = (place.folder / (place.prefix + "XXXXXX")).string();
    const Descriptor temporary(::mkostemp(temporaryName.data(), O_CLOEXEC));
    if (temporary.get() < 0) {
        return Outcome::NotPossible;
    }
    if (!takeIdentity(temporary.get(), target.status)) {
        ::unlink(temporaryName.c_str());
        return Outcome::NotPossible;
    }
    int error = copyPrefix(target.descriptor.get(), temporary.get(), target.status.st_size);
    if (error == 0) {
        error = bytes.writeTo(temporary.get());
    }
    if (error == 0) {
        error = syncFile(temporary.get());
    }
    if (error == 0 && ::rename(temporaryName.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporaryName.c_str());
        reason = reasonFor(error);
        return Outcome::Failed;
    }
    // The rename itself reaches the disk with the folder.
    const Descriptor folderDescriptor(
        ::open(place.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderDescriptor.get() < 0 || ::fsync(folderDescriptor.get()) != 0) {
        reason = "the export was written but the folder could not be flushed to disk: " +
                 reasonFor(errno);
        return Outcome::Failed;
    }
    return Outcome::Done;
}

// The new bytes after the old ones in the locked file itself, cut back to its measured length
// on failure.
std::optional<std::string> appendInPlace(const Target& target, const NewBytes& bytes) {
    const int descriptor = target.descriptor.get();
    int error = ::lseek(descriptor, target.status.st_size, SEEK_SET) < 0 ? errno : 0;
    if (error == 0) {
        error = bytes.writeTo(descriptor);
    }
    if (error == 0) {
        error = syncFile(descriptor);
    }
    if (error == 0) {
        return std::nullopt;
    }
    std::string reason = reasonFor(error);
    if (::ftruncate(descriptor, target.status.st_size) != 0 || ::fsync(descriptor) != 0) {
        reason += " (the file could not be restored: " + reasonFor(errno) + ")";
    }
    return reason;
}

// A device takes the bytes as they come; there is nothing to undo.
std::optional<std::string> writeToDevice(const Target& target, const NewBytes& bytes) {
    if (const int error = bytes.writeTo(target.descriptor.get())) {
        return reasonFor(error);
    }
    return std::nullopt;
}

std::optional<std::string> appendLocked(const std::string& path, const Target& target,
                                        const NewBytes& bytes) {
    if (S_ISCHR(target.status.st_mode)) {
        return writeToDevice(target, bytes);
    }
    if (bytes.bytes.empty()) {
        return std::nullopt;
    }
    if (bytes.bytes.partFailed()) {
        return reasonFor(ECANCELED);
    }
    if (target.status.st_nlink == 1) {
        std::string reason;
        switch (replaceWithAppended(path, target, bytes, reason)) {
        case Outcome::Done:
            return std::nullopt;
        case Outcome::Failed:
            return reason;
        case Outcome::NotPossible:
            break;
        }
    }
    return appendInPlace(target, bytes);
}

} // namespace

std::optional<std::string> appendToFile(const std::string& path, const AppendInParts& request) {
    return appendToFile(path, request, plainWrite);
}

std::optional<std::string> appendToFile(const std::string& path, const AppendInParts& request,
                                        const FileWrite& write) {
    if (path.empty()) {
        return "No file name given";
    }
    const SignalShield shield;
    std::string resolved;
    if (auto failure = followLinks(path, resolved)) {
        return failure;
    }
    Target target;
    auto failure = openLocked(resolved, target);
    if (!failure && isInput(target.status, request.inputs)) {
        failure = std::string(kTargetIsInput);
    }
    AppendBytes bytes(target.status.st_size == 0 ? request.header : std::string_view(),
                      request.records);
    if (!failure) {
        failure = appendLocked(resolved, target, NewBytes{bytes, write});
    }
    // Still under the lock: no other export can have put bytes into the file this call made.
    if (failure && target.created) {
        ::unlink(resolved.c_str());
    }
    bytes.rethrowFailure();
    return failure;
}

} // namespace quillet::core
