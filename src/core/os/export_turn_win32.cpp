#include "core/os/export_turn_win32.h"

#include "core/os/wide_text_win32.h"

#include <cstdint>
#include <cwchar>
#include <filesystem>
#include <iterator>
#include <string_view>

namespace quillet::core::os {
namespace {

namespace fs = std::filesystem;

// Every build and every version must name the same file's turn alike, which std::hash does
// not promise: FNV-1a, 64 bits. Two files sharing a name only wait for each other.
std::uint64_t hashOf(std::wstring_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const wchar_t unit : text) {
        hash = (hash ^ static_cast<std::uint16_t>(unit)) * 1099511628211ULL;
    }
    return hash;
}

// Windows file names ignore letter case: fold it as the file system's upper-casing does.
std::wstring folded(std::wstring text) {
    const int size = static_cast<int>(text.size());
    LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.data(), size, text.data(), size,
                  nullptr, nullptr, 0);
    return text;
}

} // namespace

std::wstring finalPathOf(HANDLE handle) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length);
    }
}

std::wstring turnNameOf(const std::wstring& finalPath) {
    // An object's name may hold no backslash after its namespace, nor a whole long path.
    wchar_t name[40];
    std::swprintf(name, std::size(name), L"Local\\quillet-export-%016llx",
                  static_cast<unsigned long long>(hashOf(folded(finalPath))));
    return name;
}

std::wstring turnNameFor(const std::wstring& path) {
    std::error_code ec;
    const fs::path full = fs::absolute(path, ec);
    if (ec) {
        return turnNameOf(path);
    }
    // Opening the folder, not the file: an open file cannot be replaced by the export in turn.
    const HANDLE folder = CreateFileW(full.parent_path().c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    std::wstring folderPath;
    if (folder != INVALID_HANDLE_VALUE) {
        folderPath = finalPathOf(folder);
        CloseHandle(folder);
    }
    return turnNameOf(folderPath.empty() ? full.wstring()
                                         : (fs::path(folderPath) / full.filename()).wstring());
}

std::optional<std::string> ExportTurn::take(const std::wstring& name) {
    release();
    mutex_ = CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex_ == nullptr) {
        return reasonForError(GetLastError());
    }
    // An abandoned turn's holder was killed; it left the file as a kill leaves it.
    const DWORD waited = WaitForSingleObject(mutex_, INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        const std::string reason = reasonForError(GetLastError());
        CloseHandle(mutex_);
        mutex_ = nullptr;
        return reason;
    }
    return std::nullopt;
}

void ExportTurn::release() {
    if (mutex_ != nullptr) {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
        mutex_ = nullptr;
    }
}

} // namespace quillet::core::os
