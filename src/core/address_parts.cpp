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

const std::vector<std::size_t>& FirstAddresses::newIn(const AddressPart& part) {
    keyTexts_.clear();
    keyEnds_.clear();
    hashes_.clear();
    for (std::size_t i = 0; i < part.size(); ++i) {
        addressKey(part.address(i), key_);
        keyTexts_.append(key_);
        keyEnds_.push_back(keyTexts_.size());
        hashes_.push_back(KeySet::hashOf(key_));
    }
    keys_.clear();
    std::size_t start = 0;
    for (const std::size_t end : keyEnds_) {
        keys_.push_back(std::string_view(keyTexts_).substr(start, end - start));
        start = end;
    }
    seen_.insert(keys_, hashes_, newOnes_);
    return newOnes_;
}

bool FirstAddresses::firstSight(std::string_view address) {
    addressKey(address, key_);
    return seen_.insert(key_, KeySet::hashOf(key_));
}

std::size_t expectedAddresses(std::size_t fileSize) {
    return std::min(fileSize / 400, std::size_t{1} << 20);
}

} // namespace quillet::core
