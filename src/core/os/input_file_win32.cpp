#include "core/os/input_file.h"

#include "core/os/wide_text_win32.h"

#include <algorithm>
#include <cerrno>
#include <io.h>
#include <windows.h>

namespace quillet::core::os {
namespace {

FileIdentity identityOf(const BY_HANDLE_FILE_INFORMATION& information) {
    return {information.dwVolumeSerialNumber,
            (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

} // namespace

InputFile::InputFile(const std::string& path) {
    const std::wstring wide = wideText(path);
    // Windows opens no folder for reading; say what the POSIX side's read says.
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        problem_ = "Is a directory";
        return;
    }
    // Others may go on writing, renaming or deleting the file: Outlook keeps its cache open.
    const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        problem_ = reasonForError(GetLastError());
        return;
    }
    handle_ = HandleToLong(handle);
    // Pipes, consoles and devices such as NUL open without blocking, and are refused here.
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileType(handle) != FILE_TYPE_DISK ||
        GetFileInformationByHandle(handle, &information) == 0) {
        problem_ = "Not a regular file";
        return;
    }
    size_ = (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
    identity_ = identityOf(information);
}

InputFile::~InputFile() {
    if (handle_ != -1) {
        CloseHandle(LongToHandle(handle_));
    }
}

ssize_t systemRead(int descriptor, char* into, std::size_t size) {
    DWORD got = 0;
    const auto want = static_cast<DWORD>(std::min<std::size_t>(size, 1U << 30));
    if (ReadFile(LongToHandle(descriptor), into, want, &got, nullptr) == 0) {
        const int error = posixErrorFor(GetLastError());
        errno = error != 0 ? error : EIO;
        return -1;
    }
    return static_cast<ssize_t>(got);
}

FileIdentity regularFileIdentity(std::FILE* stream) {
    const auto handle = reinterpret_cast<HANDLE>( // NOLINT(performance-no-int-to-ptr)
        _get_osfhandle(_fileno(stream)));
    BY_HANDLE_FILE_INFORMATION information{};
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK ||
        GetFileInformationByHandle(handle, &information) == 0) {
        return {};
    }
    return identityOf(information);
}

} // namespace quillet::core::os
