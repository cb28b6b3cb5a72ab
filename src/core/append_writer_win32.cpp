#include "core/append_writer.h"

#include "core/append_bytes.h"
#include "core/os/export_turn_win32.h"
#include "core/os/wide_text_win32.h"
#include "core/signal_shield.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>
#include <utility>
#include <vector>
#include <windows.h>

// The Windows side of the appending writer. The same promises as on POSIX systems: exports into
// one file take turns (a named mutex, os::ExportTurn, which needs no file open); the old bytes
// and the new ones go to a temporary file in the same folder, flushed (FlushFileBuffers), and
// once both files are closed it is moved over the target with write-through (MoveFileExW), so
// the name leads to the old bytes or to the old bytes plus the whole export. Windows cannot
// replace a name that is open, so nothing of this export holds the target then, and other
// exports wait for their turn without opening it. While its old bytes are copied the target is
// also locked (LockFileEx) against other writers. Where the move cannot be done (a file with
// more than one hard link, a target another program holds open), the export is appended in place
// and cut back on any failure.
namespace quillet::core {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kCopyChunk = std::size_t{1} << 20;
constexpr std::size_t kLongestTargetName = 200;
// Others may read, and the file may be replaced or removed while it is open.
constexpr DWORD kShared = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE handleOf(int descriptor) {
    return LongToHandle(descriptor);
}

class Handle {
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~Handle() { reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    // A FileWrite's descriptor: handles fit in 32 bits, as Windows documents for interop.
    int descriptor() const { return HandleToLong(handle_); }
    void reset(HANDLE handle = INVALID_HANDLE_VALUE) {
        if (valid()) {
            CloseHandle(handle_);
        }
        handle_ = handle;
    }

private:
    HANDLE handle_;
};

ssize_t plainWrite(int descriptor, const char* bytes, std::size_t size) {
    DWORD written = 0;
    const auto want = static_cast<DWORD>(std::min<std::size_t>(size, 1U << 30));
    if (WriteFile(handleOf(descriptor), bytes, want, &written, nullptr) == 0) {
        const int error = os::posixErrorFor(GetLastError());
        errno = error != 0 ? error : EIO;
        return -1;
    }
    return static_cast<ssize_t>(written);
}

// Writes every byte; returns nothing or the reason it stopped.
std::optional<std::string> writeAll(const FileWrite& write, int descriptor,
                                    std::string_view bytes) {
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t taken = write(descriptor, bytes.data(), bytes.size());
        if (taken <= 0) {
            return std::generic_category().message(errno != 0 ? errno : EIO);
        }
        bytes.remove_prefix(static_cast<std::size_t>(taken));
    }
    return std::nullopt;
}

std::string lastReason() {
    return os::reasonForError(GetLastError());
}

// The export's file, open and, when it is a file on disk, locked; closed for the move over it.
struct Target {
    Handle handle;
    BY_HANDLE_FILE_INFORMATION information{};
    DWORD type = FILE_TYPE_UNKNOWN;
    bool created = false;
    std::wstring path; // the file itself, after any symbolic links

    std::uint64_t size() const {
        return (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
    }
    FileIdentity identity() const {
        return {information.dwVolumeSerialNumber,
                (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
    }
};

std::optional<std::string> refusalFor(DWORD type) {
    if (type == FILE_TYPE_PIPE) {
        return "it is a named pipe, not a regular file";
    }
    if (type != FILE_TYPE_DISK && type != FILE_TYPE_CHAR) {
        return "it is not a regular file";
    }
    return std::nullopt;
}

FileIdentity identityAt(const std::wstring& path) {
    const Handle probe(CreateFileW(path.c_str(), 0, kShared, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (!probe.valid() || GetFileInformationByHandle(probe.get(), &information) == 0) {
        return {};
    }
    return {information.dwVolumeSerialNumber,
            (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

// Locks the whole file against other writers while its old bytes are copied (exports of older
// versions took this lock as their turn), waiting for any lock held, and measures it.
bool lockAndMeasure(Target& target) {
    OVERLAPPED whole{};
    return LockFileEx(target.handle.get(), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD,
                      &whole) != 0 &&
           GetFileInformationByHandle(target.handle.get(), &target.information) != 0;
}

// Opens the file at path (creating it when absent) and locks it whole; the path may be moved
// over while this waits for the lock, so it tries again until the locked file is the one the
// path leads to.
std::optional<std::string> openLocked(const std::wstring& path, Target& target) {
    for (;;) {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            return std::generic_category().message(EISDIR);
        }
        // Windows lets no one write a read-only file, administrators included; say so even
        // where the system underneath would let this user.
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            return std::generic_category().message(EACCES);
        }
        // A file this call makes can be removed through its handle if the export fails.
        target.handle.reset(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                        kShared, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                        nullptr));
        target.created = target.handle.valid();
        if (!target.created && GetLastError() == ERROR_FILE_EXISTS) {
            target.handle.reset(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, kShared,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                            nullptr));
        }
        if (!target.handle.valid()) {
            return lastReason();
        }
        target.type = GetFileType(target.handle.get());
        if (auto refusal = refusalFor(target.type)) {
            return refusal;
        }
        if (target.type == FILE_TYPE_CHAR) {
            return std::nullopt;
        }
        if (!lockAndMeasure(target)) {
            return lastReason();
        }
        // A path this user cannot look at without opening the file is taken as it is.
        const FileIdentity now = identityAt(path);
        if (now == FileIdentity{} || now == target.identity()) {
            target.path = os::finalPathOf(target.handle.get());
            if (target.path.empty()) {
                target.path = path;
            }
            return std::nullopt;
        }
    }
}

// Removes the file this export created, in its turn, once its handle closes.
void removeCreated(const Target& target) {
    FILE_DISPOSITION_INFO remove{TRUE};
    SetFileInformationByHandle(target.handle.get(), FileDispositionInfo, &remove, sizeof(remove));
}

// Takes this export's turn at the file at path, then opens and locks the file. The turn is named
// before the file is opened; when the file turns out to have another final path (a symbolic
// link, a name the system spells otherwise), the turn is taken again under that path, once.
std::optional<std::string> openInTurn(const std::wstring& path, os::ExportTurn& turn,
                                      Target& target) {
    std::wstring lookup = path;
    for (int round = 0;; ++round) {
        const std::wstring name = os::turnNameFor(lookup);
        if (auto failure = turn.take(name)) {
            return failure;
        }
        if (auto failure = openLocked(lookup, target)) {
            return failure;
        }
        if (target.type == FILE_TYPE_CHAR || round > 0 || os::turnNameOf(target.path) == name) {
            return std::nullopt;
        }
        // Not this turn's file: a file made through the link is made again in the right turn.
        if (target.created) {
            removeCreated(target);
        }
        lookup = target.path;
        target.handle.reset();
    }
}

// Opens the file again after the move over it could not be made, still in this export's turn,
// and makes sure it is the file whose length was measured; only that one is this export's to
// remove if it created it.
std::optional<std::string> reopen(Target& target) {
    const FileIdentity identity = target.identity();
    const std::uint64_t size = target.size();
    const bool created = std::exchange(target.created, false);
    const DWORD access = GENERIC_READ | GENERIC_WRITE | (created ? DELETE : 0);
    target.handle.reset(CreateFileW(target.path.c_str(), access, kShared, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!target.handle.valid() || !lockAndMeasure(target)) {
        return lastReason();
    }
    if (target.identity() != identity || target.size() != size) {
        return "another program changed the file during the export";
    }
    target.created = created;
    return std::nullopt;
}

// The bytes this export adds, and the write that takes them. They may be written twice (into
// the temporary file, then in place): the parts are made again from the first.
struct NewBytes {
    AppendBytes& bytes;
    const FileWrite& write;

    std::optional<std::string> writeTo(int descriptor) const {
        std::optional<std::string> failure;
        const bool whole = bytes.eachPiece([&](std::string_view piece) {
            failure = writeAll(write, descriptor, piece);
            return !failure;
        });
        if (!whole && !failure) {
            failure = std::generic_category().message(ECANCELED);
        }
        return failure;
    }
};

bool seek(HANDLE handle, std::uint64_t offset) {
    LARGE_INTEGER distance{};
    distance.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(handle, distance, nullptr, FILE_BEGIN) != 0;
}

// Copies the first `length` bytes of one file to another.
std::optional<std::string> copyPrefix(HANDLE from, const Handle& to, std::uint64_t length) {
    if (!seek(from, 0)) {
        return lastReason();
    }
    std::vector<char> chunk(kCopyChunk);
    std::uint64_t done = 0;
    while (done < length) {
        const auto want = static_cast<DWORD>(std::min<std::uint64_t>(length - done, kCopyChunk));
        DWORD got = 0;
        if (ReadFile(from, chunk.data(), want, &got, nullptr) == 0) {
            return lastReason();
        }
        if (got == 0) {
            return std::generic_category().message(EIO);
        }
        if (auto failure =
                writeAll(plainWrite, to.descriptor(), std::string_view(chunk.data(), got))) {
            return failure;
        }
        done += got;
    }
    return std::nullopt;
}

enum class Outcome { Done, Failed, NotPossible };

// Where the temporary file of an export into `path` is made: beside it, named after it.
struct TemporaryPlace {
    fs::path folder;
    std::wstring prefix; // what every such temporary file's name starts with

    explicit TemporaryPlace(const std::wstring& path)
        : folder(fs::path(path).parent_path()),
          prefix(L"." + fs::path(path).filename().wstring() + L".quillet-") {}

    // Files an export into this target made and could not remove, killed before its move.
    // Only an export holding the target's lock makes them, so under the lock any found is
    // left over.
    void removeLeftovers() const {
        std::error_code ec;
        for (fs::directory_iterator entry(folder, ec), end; !ec && entry != end;
             entry.increment(ec)) {
            const std::wstring name = entry->path().filename().wstring();
            std::error_code ignored;
            if (name.size() == prefix.size() + 6 && name.starts_with(prefix)) {
                fs::remove(entry->path(), ignored);
            }
        }
    }

    // Creates a file of a name no one else has: its handle, or INVALID_HANDLE_VALUE.
    HANDLE create(std::wstring& name) const {
        static constexpr std::wstring_view kLetters = L"abcdefghijklmnopqrstuvwxyz0123456789";
        std::random_device seed;
        std::mt19937 random(seed());
        std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::wstring suffix(6, L'x');
            std::generate(suffix.begin(), suffix.end(), [&] { return kLetters[pick(random)]; });
            name = (folder / (prefix + suffix)).wstring();
            const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0,
                                            nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
                return file;
            }
        }
        return INVALID_HANDLE_VALUE;
    }
};

// The old bytes and the new ones into a temporary file beside the target, moved over it.
Outcome replaceWithAppended(Target& target, const NewBytes& bytes, std::string& reason) {
    if (fs::path(target.path).filename().wstring().size() > kLongestTargetName) {
        return Outcome::NotPossible;
    }
    const TemporaryPlace place(target.path);
    place.removeLeftovers();
    std::wstring temporaryName;
    Handle temporary(place.create(temporaryName));
    if (!temporary.valid()) {
        return Outcome::NotPossible;
    }
    auto failure = copyPrefix(target.handle.get(), temporary, target.size());
    if (!failure) {
        failure = bytes.writeTo(temporary.descriptor());
    }
    if (!failure && FlushFileBuffers(temporary.get()) == 0) {
        failure = lastReason();
    }
    if (failure) {
        temporary.reset();
        DeleteFileW(temporaryName.c_str());
        reason = *failure;
        return Outcome::Failed;
    }
    // Hidden, archive and the like stay as they were.
    SetFileAttributesW(temporaryName.c_str(), target.information.dwFileAttributes);
    temporary.reset();
    target.handle.reset();
    // Write-through: the new name is on disk when the call returns.
    if (MoveFileExW(temporaryName.c_str(), target.path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        // Another program holds the target (or the new file) open: the export goes in place.
        DeleteFileW(temporaryName.c_str());
        return Outcome::NotPossible;
    }
    return Outcome::Done;
}

// The new bytes after the old ones in the locked file itself, cut back to its measured length
// on failure.
std::optional<std::string> appendInPlace(const Target& target, const NewBytes& bytes) {
    const HANDLE handle = target.handle.get();
    std::optional<std::string> failure;
    if (!seek(handle, target.size())) {
        failure = lastReason();
    }
    if (!failure) {
        failure = bytes.writeTo(target.handle.descriptor());
    }
    if (!failure && FlushFileBuffers(handle) == 0) {
        failure = lastReason();
    }
    if (failure && (!seek(handle, target.size()) || SetEndOfFile(handle) == 0 ||
                    FlushFileBuffers(handle) == 0)) {
        *failure += " (the file could not be restored: " + lastReason() + ")";
    }
    return failure;
}

std::optional<std::string> appendLocked(Target& target, const NewBytes& bytes) {
    if (target.type == FILE_TYPE_CHAR) {
        // A device such as NUL takes the bytes as they come; there is nothing to undo.
        return bytes.writeTo(target.handle.descriptor());
    }
    if (bytes.bytes.empty()) {
        return std::nullopt;
    }
    if (bytes.bytes.partFailed()) {
        return std::generic_category().message(ECANCELED);
    }
    if (target.information.nNumberOfLinks == 1) {
        std::string reason;
        switch (replaceWithAppended(target, bytes, reason)) {
        case Outcome::Done:
            return std::nullopt;
        case Outcome::Failed:
            return reason;
        case Outcome::NotPossible:
            break;
        }
    }
    if (!target.handle.valid()) {
        if (auto failure = reopen(target)) {
            return failure;
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
    os::ExportTurn turn;
    Target target;
    auto failure = openInTurn(os::wideText(path), turn, target);
    if (!failure && target.type == FILE_TYPE_DISK) {
        const auto identity = target.identity();
        if (std::find(request.inputs.begin(), request.inputs.end(), identity) !=
            request.inputs.end()) {
            failure = std::string(kTargetIsInput);
        }
    }
    AppendBytes bytes(target.size() == 0 ? request.header : std::string_view(), request.records);
    if (!failure) {
        failure = appendLocked(target, NewBytes{bytes, write});
    }
    // Still in this export's turn, which ends after the target closes.
    if (failure && target.created && target.handle.valid()) {
        removeCreated(target);
    }
    bytes.rethrowFailure();
    return failure;
}

} // namespace quillet::core
