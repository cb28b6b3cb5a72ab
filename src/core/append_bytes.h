#pragma once

#include "core/append_writer.h"

#include <cstddef>
#include <exception>
#include <functional>
#include <optional>
#include <string_view>

namespace quillet::core {

// What one export adds to a file, as both sides of the appending writer hand it over: the header
// (given only for a new or empty file), then the records part by part. An exception from making
// a part stops the writing like a failed write; it is kept, so that the writer can restore the
// file first and then let it go on.
class AppendBytes {
public:
    AppendBytes(std::string_view header, const RecordParts& records)
        : header_(header), records_(records) {}

    // Whether the export adds no byte at all (so the file need not be touched).
    bool empty();

    // Hands every non-empty piece to `take` in order, from the start; stops at the first piece it
    // refuses (returns false) or when making a part fails. True when every piece was taken.
    bool eachPiece(const std::function<bool(std::string_view)>& take);

    // Whether making a part threw; rethrowFailure() throws that exception again, if any.
    bool partFailed() const { return failure_ != nullptr; }
    void rethrowFailure() const;

private:
    std::optional<std::string_view> part(std::size_t index);

    std::string_view header_;
    const RecordParts& records_;
    std::exception_ptr failure_;
};

} // namespace quillet::core
