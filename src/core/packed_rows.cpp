#include "core/packed_rows.h"

#include <string_view>

namespace quillet::core {

void PackedRows::append(std::string_view name, std::string_view address, std::string_view type,
                        bool byHand) {
    entries_.push_back({texts_.size(), static_cast<std::uint32_t>(name.size()),
                        static_cast<std::uint32_t>(address.size()),
                        static_cast<std::uint32_t>(type.size()), byHand});
    texts_.append(name).append(address).append(type);
}

PackedRows::Cells PackedRows::cells(std::size_t i) const {
    const Entry& entry = entries_[i];
    const std::string_view texts(texts_);
    return {texts.substr(entry.start, entry.nameSize),
            texts.substr(entry.start + entry.nameSize, entry.addressSize),
            texts.substr(entry.start + entry.nameSize + entry.addressSize, entry.typeSize)};
}

std::span<const AddressRow> PackedRows::run(std::size_t first, std::size_t count) {
    run_.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Cells texts = cells(first + i);
        AddressRow& row = run_[i];
        row.number = std::to_string(first + i + 1);
        row.name = texts.name;
        row.address = texts.address;
        row.type = texts.type;
        row.byHand = entries_[first + i].byHand;
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
