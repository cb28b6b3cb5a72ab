#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quillet::core {

// Hands bytes to an open file like std::fwrite and returns how many it took; fewer than given
// means failure, with errno saying why.
using FileWrite = std::function<std::size_t(std::FILE* file, std::string_view bytes)>;

// Appends bytes to the file at path (created when absent), all or nothing: on success returns
// nothing; on failure returns the system's reason and leaves the file as it was before, cut
// back to its old length or, when the call created it, removed again. Appending no bytes
// still creates the file.
std::optional<std::string> appendToFile(const std::string& path, std::string_view bytes);

// The same with the low-level write replaced, so that tests can make it fail part-way.
std::optional<std::string> appendToFile(const std::string& path, std::string_view bytes,
                                        const FileWrite& write);

} // namespace quillet::core
