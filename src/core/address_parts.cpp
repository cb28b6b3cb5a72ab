#include "core/address_parts.h"

#include "core/address_row.h"

#include <algorithm>

namespace quillet::core {

void AddressPart::add(std::string_view name, std::string_view address, AddressType type) {
    const std::size_t nameStart = texts_.size();
    texts_.append(name);
    const std::size_t addressStart = texts_.size();
    texts_.append(address);
    entries_.push_back({nameStart, addressStart, texts_.size(), type});
}

void AddressPart::clear() {
    texts_.clear();
    entries_.clear();
}

std::string_view AddressPart::name(std::size_t i) const {
    const Entry& entry = entries_[i];
    return std::string_view(texts_).substr(entry.nameStart, entry.addressStart - entry.nameStart);
}

std::string_view AddressPart::address(std::size_t i) const {
    const Entry& entry = entries_[i];
    return std::string_view(texts_).substr(entry.addressStart, entry.end - entry.addressStart);
}

void addAddresses(const Nk2ItemView& item, const LoadOptions& options, AddressPart& part) {
    forEachAddress(item, options,
                   [&part](std::string_view name, std::string_view address, AddressType type) {
                       if (!address.empty()) {
                           part.add(name, address, type);
                       }
                   });
}

FirstAddresses::FirstAddresses(std::size_t expected) : seen_(expected) {}

void FirstAddresses::keepNew(const AddressPart& part, const Keep& keep) {
    keyTexts_.clear();
    keyEnds_.clear();
    for (std::size_t i = 0; i < part.size(); ++i) {
        addressKey(part.address(i), key_);
        keyTexts_ += key_;
        keyEnds_.push_back(keyTexts_.size());
    }
    keys_.clear();
    std::size_t start = 0;
    for (const std::size_t end : keyEnds_) {
        keys_.push_back(std::string_view(keyTexts_).substr(start, end - start));
        start = end;
    }
    seen_.insert(keys_, newOnes_);
    for (const std::size_t i : newOnes_) {
        keep(part.name(i), part.address(i), part.type(i));
    }
}

std::size_t expectedAddresses(std::size_t fileSize) {
    return std::min(fileSize / 400, std::size_t{1} << 20);
}

} // namespace quillet::core
