#pragma once

// Windows only: the program's UTF-8 text and the system's wide (UTF-16) text.

#include <string>
#include <string_view>

namespace quillet::core::os {

std::wstring wideText(std::string_view utf8);
std::string utf8Text(std::wstring_view wide);

// The POSIX error that says what a Windows error says, for the errors a user meets with files;
// 0 for the others.
int posixErrorFor(unsigned long error);

// A Windows error as the same words the POSIX side would give where there is one ("No such file
// or directory", "Permission denied"), else the system's own message.
std::string reasonForError(unsigned long error);

} // namespace quillet::core::os
