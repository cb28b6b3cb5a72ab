#pragma once

// Windows only: exports into one file take turns across processes without holding the file
// open, since a name that is open cannot be replaced.

#include <optional>
#include <string>
#include <windows.h>

namespace quillet::core::os {

// The path the open file or folder has now, symbolic links followed ("\\?\C:\..."); empty when
// Windows cannot say.
std::wstring finalPathOf(HANDLE handle);

// The name of the turn at the file whose final path is `finalPath`.
std::wstring turnNameOf(const std::wstring& finalPath);

// The name of the turn at the file `path` names, worked out before it is opened (it may not
// exist yet): its folder's final path and its own name. When `path` leads elsewhere (a symbolic
// link), this differs from turnNameOf the opened file's final path.
std::wstring turnNameFor(const std::wstring& path);

// One export's turn at a file: a named mutex of this session, held until release or
// destruction. Only one process at a time holds the turn of a given name.
class ExportTurn {
public:
    ExportTurn() = default;
    ~ExportTurn() { release(); }
    ExportTurn(const ExportTurn&) = delete;
    ExportTurn& operator=(const ExportTurn&) = delete;

    // Waits until the turn is free and takes it; the reason when it cannot be had.
    std::optional<std::string> take(const std::wstring& name);
    void release();

private:
    HANDLE mutex_ = nullptr;
};

} // namespace quillet::core::os
