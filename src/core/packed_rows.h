#pragma once

#include "core/address_row.h"
#include "core/row_sink.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::core {

// Rows numbered by their place (the first is "1"), kept compactly: their texts one after the
// other in one block, a third of the memory of the rows themselves and no allocation of their
// own. A run of them is made into rows again when it is read: the converter's rows, which stay
// until they are printed or exported.
class PackedRows final : public RowSink {
public:
    using RowSink::append;
    void append(std::string_view name, std::string_view address, std::string_view type,
                bool byHand) override;
    std::size_t size() const override { return entries_.size(); }

    // The texts of row i, valid while no row is appended.
    struct Cells {
        std::string_view name;
        std::string_view address;
        std::string_view type;
    };
    Cells cells(std::size_t i) const;

    // Rows [first, first + count) as rows again, valid until the next call.
    std::span<const AddressRow> run(std::size_t first, std::size_t count);

private:
    struct Entry {
        std::size_t start; // of the name in texts_
        std::uint32_t nameSize;
        std::uint32_t addressSize; // the type follows the address
        std::uint32_t typeSize;
        bool byHand;
    };
    std::string texts_;
    std::vector<Entry> entries_;
    AddressRows run_;
};

// Rows to be read in order a run at a time, wherever they are kept.
struct RowRuns {
    std::size_t count = 0;
    // Rows [first, first + size), valid until the next call.
    std::function<std::span<const AddressRow>(std::size_t first, std::size_t size)> at;

    static RowRuns of(std::span<const AddressRow> rows);
    static RowRuns of(PackedRows& rows);
};

} // namespace quillet::core
