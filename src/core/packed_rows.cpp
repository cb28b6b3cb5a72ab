#include "core/packed_rows.h"

#include <string_view>

namespace quillet::core {

void PackedRows::append(std::span<const AddressRow> rows) {
    for (const AddressRow& row : rows) {
        entries_.push_back({texts_.size(), static_cast<std::uint32_t>(row.name.size()),
                            static_cast<std::uint32_t>(row.address.size()),
                            static_cast<std::uint32_t>(row.type.size()), row.byHand});
        texts_.append(row.name).append(row.address).append(row.type);
    }
}

std::span<const AddressRow> PackedRows::run(std::size_t first, std::size_t count) {
    run_.resize(count);
    const std::string_view texts(texts_);
    for (std::size_t i = 0; i < count; ++i) {
        const Entry& entry = entries_[first + i];
        AddressRow& row = run_[i];
        row.number = std::to_string(first + i + 1);
        row.name = texts.substr(entry.start, entry.nameSize);
        row.address = texts.substr(entry.start + entry.nameSize, entry.addressSize);
        row.type = texts.substr(entry.start + entry.nameSize + entry.addressSize, entry.typeSize);
        row.byHand = entry.byHand;
    }
    return run_;
}

RowRuns RowRuns::of(std::span<const AddressRow> rows) {
    return {rows.size(),
            [rows](std::size_t first, std::size_t size) { return rows.subspan(first, size); }};
}

RowRuns RowRuns::of(PackedRows& rows) {
    return {rows.size(),
            [&rows](std::size_t first, std::size_t size) { return rows.run(first, size); }};
}

} // namespace quillet::core
