#include "core/address_parts.h"

#include "core/address_row.h"

#include <algorithm>

namespace quillet::core {

void AddressPart::add(std::string_view name, std::string_view address, AddressType type) {
    const std::size_t nameStart = texts_.size();
    texts_.append(name);
    const std::size_t addressStart = texts_.size();
    texts_.append(address);
    const std::size_t keyStart = keys_.size();
    addressKey(address, key_);
    keys_.append(key_);
    entries_.push_back({nameStart, addressStart, texts_.size(), keyStart, type});
    hashes_.push_back(KeySet::hashOf(key_));
}

void AddressPart::clear() {
    texts_.clear();
    keys_.clear();
    entries_.clear();
    hashes_.clear();
}

std::string_view AddressPart::name(std::size_t i) const {
    const Entry& entry = entries_[i];
    return std::string_view(texts_).substr(entry.nameStart, entry.addressStart - entry.nameStart);
}

std::string_view AddressPart::address(std::size_t i) const {
    const Entry& entry = entries_[i];
    return std::string_view(texts_).substr(entry.addressStart, entry.end - entry.addressStart);
}

std::string_view AddressPart::key(std::size_t i) const {
    const std::size_t end = i + 1 < entries_.size() ? entries_[i + 1].keyStart : keys_.size();
    return std::string_view(keys_).substr(entries_[i].keyStart, end - entries_[i].keyStart);
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
    keys_.clear();
    for (std::size_t i = 0; i < part.size(); ++i) {
        keys_.push_back(part.key(i));
    }
    seen_.insert(keys_, part.hashes(), newOnes_);
    return newOnes_;
}

bool FirstAddresses::firstSight(std::string_view address) {
    std::string key;
    addressKey(address, key);
    return seen_.insert(key, KeySet::hashOf(key));
}

std::size_t expectedAddresses(std::size_t fileSize) {
    return std::min(fileSize / 400, std::size_t{1} << 20);
}

} // namespace quillet::core
