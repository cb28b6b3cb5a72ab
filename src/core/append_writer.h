#pragma once

#include "core/file_identity.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace quillet::core {

// Hands bytes to an open descriptor like write(2): returns how many it took, or -1 with errno
// saying why.
using FileWrite = std::function<ssize_t(int descriptor, const char* bytes, std::size_t size)>;

// One export as the file receives it.
struct AppendRequest {
    std::string_view header;  // written first, only when the file is new or empty
    std::string_view records; // always written
    // Files being read: the target may not be one of them, through whatever path or link.
    std::span<const FileIdentity> inputs = {};
};

// An export's records in parts, so that its whole text need never be in memory at once. Called
// with 0, 1, 2, ... it returns each part in turn, valid until the next call, and nothing after
// the last. The writer may start again from part 0, and must then get the same parts again.
// When making a part throws, the writer restores the file as for any failure and then lets the
// exception go on.
using RecordParts = std::function<std::optional<std::string_view>(std::size_t part)>;

// The same export with its records in parts: the file receives the header (under the same rule)
// and then every part, in order.
struct AppendInParts {
    std::string_view header;
    RecordParts records;
    std::span<const FileIdentity> inputs = {};
};

// The reason given when the export target is one of the files being read.
inline constexpr std::string_view kTargetIsInput = "it is the NK2 file being read";

// Appends one export to the file at path (created when absent), all or nothing. On success
// returns nothing, and the bytes are on disk (fsync). On failure returns the reason and the
// file holds exactly what it held before: a file this call created is removed again.
//
// How the file never holds a torn export, even when the process is killed or the power fails:
// exports take an exclusive lock (flock) on the file, so they run one after the other, and the
// length is measured under that lock. The old bytes and the new ones are written to a temporary
// file in the same folder, which is flushed and renamed over the target: rename replaces the
// name atomically, so the name always leads to the old bytes or to the old bytes plus the whole
// export. A symlink is kept and the file it points to replaced; mode, owner and group are
// copied. A SIGKILL before the rename leaves the temporary file (".NAME.quillet-XXXXXX"), which
// the next export into the same file removes. Where that would change what the user sees through
// another name or cannot be done — a file with more than one hard link, a folder this user may not
// create files in, an owner this user cannot give — the export is appended in place under the same
// lock instead and cut back to the measured length on any failure it sees; only a kill during that
// write can leave part of it there. Targets that are not regular files are refused, except
// character devices (such as /dev/null or /dev/full), which get the bytes directly.
std::optional<std::string> appendToFile(const std::string& path, const AppendRequest& request);

// The same with the low-level write of the export's bytes replaced, so that tests can make it
// fail part-way.
std::optional<std::string> appendToFile(const std::string& path, const AppendRequest& request,
                                        const FileWrite& write);

// One block of bytes with no header and no inputs to protect.
std::optional<std::string> appendToFile(const std::string& path, std::string_view bytes);

// The export with its records in parts, under every promise above.
std::optional<std::string> appendToFile(const std::string& path, const AppendInParts& request);
std::optional<std::string> appendToFile(const std::string& path, const AppendInParts& request,
                                        const FileWrite& write);

} // namespace quillet::core
