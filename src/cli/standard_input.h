#pragma once

#include "core/file_bytes.h"

#include <cstddef>
#include <cstdio>

namespace quillet::cli {

// Far beyond any autocomplete cache, small enough that an endless stream cannot use up memory.
inline constexpr std::size_t kStandardInputLimit = std::size_t{64} << 20;

// Everything the stream holds, as an NK2 file named "-" is read; a stream longer than limit
// is refused.
core::FileBytes readWholeStream(std::FILE* stream, std::size_t limit = kStandardInputLimit);

} // namespace quillet::cli
