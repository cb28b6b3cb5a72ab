#pragma once

#include "core/address_row.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace quillet::core {

// Where rows go as they are loaded, numbered by their place (the first is "1"): kept for an
// export, or made at once into what is printed of them.
class RowSink {
public:
    RowSink() = default;
    virtual ~RowSink() = default;
    RowSink(const RowSink&) = delete;
    RowSink& operator=(const RowSink&) = delete;

    // Appends one row of these cells.
    virtual void append(std::string_view name, std::string_view address, std::string_view type,
                        bool byHand) = 0;
    virtual std::size_t size() const = 0;

    // Appends the rows in order; their numbers are not kept, the place gives them.
    void append(std::span<const AddressRow> rows) {
        for (const AddressRow& row : rows) {
            append(row.name, row.address, row.type, row.byHand);
        }
    }
};

} // namespace quillet::core
