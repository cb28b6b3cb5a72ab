#include "core/packed_rows.h"

#include <string_view>

namespace quillet::core {

void PackedRows::append(std::span<const AddressRow> rows) {
    for (const AddressRow& row : rows) {
        append(row.name, row.address, row.type, row.byHand);
    }
}

void PackedRows::append(std::string_view name, std::string_view address, std::string_view type,
                        bool byHand) {
    entries_.push_back({texts_.size(), static_cast<std::uint32_t>(name.size()),
                        static_cast<std::uint32_t>(address.size()),
                        static_cast<std::uint32_t>(type.size()), byHand});
    texts_.append(name).append(address).append(type);
}

std::string_view PackedRows::address(std::size_t i) const {
    const Entry& entry = entries_[i];
    return std::string_view(texts_).substr(entry.start + entry.nameSize, entry.addressSize);
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
