#pragma once

#include "core/row_sink.h"

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::cli {

// The rows --list prints, made into their lines as they are loaded, so that the listing is ready
// when the reading ends and printing it is only writing. By default a line holds the four cells
// (the number being the place), tab-separated, with a CR or LF in a cell written as a space; with
// JSON, a line holds one object (appendJsonLine).
class ListedRows final : public core::RowSink {
public:
    explicit ListedRows(bool json) : json_(json) {}

    using RowSink::append;
    void append(std::string_view name, std::string_view address, std::string_view type,
                bool byHand) override;
    std::size_t size() const override { return count_; }

    // Writes the lines to out; an exit status.
    int print(std::ostream& out, std::ostream& err) const;

private:
    std::string& blockWithRoom();

    bool json_;
    std::size_t count_ = 0;
    // Whole lines, a block at a time: a block once full is never moved or copied again.
    std::vector<std::string> blocks_;
};

} // namespace quillet::cli
