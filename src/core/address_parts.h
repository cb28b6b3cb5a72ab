#pragma once

#include "core/key_set.h"
#include "core/nk2_load.h"
#include "core/nk2_structure.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The addresses a structural reading finds, kept the way it gathers them: items' addresses in
// parts, duplicates included, and then the first of each distinct address. The two steps can run
// on different threads.
namespace quillet::core {

// Addresses in file order with their names, their texts one after the other in one block.
class AddressPart {
public:
    void add(std::string_view name, std::string_view address, AddressType type);
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    void clear();

    std::string_view name(std::size_t i) const;
    std::string_view address(std::size_t i) const;
    AddressType type(std::size_t i) const { return entries_[i].type; }

private:
    struct Entry {
        std::size_t nameStart;
        std::size_t addressStart;
        std::size_t end;
        AddressType type;
    };
    std::string texts_;
    std::vector<Entry> entries_;
};

// Calls add(name, address, type) for each of an item's addresses of the chosen types, in the order
// the grid takes them, empty ones included: an Exchange item gives its Exchange address and, when
// it holds one, its SMTP address.
template <typename Add>
void forEachAddress(const Nk2ItemView& item, const LoadOptions& options, Add add) {
    if (item.type == AddressType::Exchange) {
        if (options.exchange) {
            add(item.displayName, item.address, AddressType::Exchange);
        }
        if (options.smtp) {
            add(item.displayName, item.smtpAddress, AddressType::Smtp);
        }
    } else if (options.smtp) {
        add(item.displayName, item.address, AddressType::Smtp);
    }
}

// Adds an item's addresses of the chosen types to the part, empty ones left out.
void addAddresses(const Nk2ItemView& item, const LoadOptions& options, AddressPart& part);

// Keeps the first of each distinct address without regard to letter case, part after part.
class FirstAddresses {
public:
    // Room for about `expected` distinct addresses before its table grows.
    explicit FirstAddresses(std::size_t expected);

    // The positions in the part of the addresses not seen before, in order. Their keys
    // (addressKey) are worked out here, on the thread that keeps them.
    const std::vector<std::size_t>& newIn(const AddressPart& part);
    // Whether the address was not seen before; it is seen from then on.
    bool firstSight(std::string_view address);

private:
    KeySet seen_;
    std::string key_;
    std::string keyTexts_; // the part's keys one after the other
    std::vector<std::size_t> keyEnds_;
    std::vector<std::string_view> keys_;
    std::vector<std::size_t> hashes_;
    std::vector<std::size_t> newOnes_;
};

// About how many distinct addresses a file of this size holds: a real cache holds one every few
// hundred bytes; the cap keeps a huge file of junk from reserving much it will not use.
std::size_t expectedAddresses(std::size_t fileSize);

} // namespace quillet::core
