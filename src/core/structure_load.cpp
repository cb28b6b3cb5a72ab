#include "core/structure_load.h"

#include "core/cp1252.h"
#include "core/display.h"
#include "core/load_context.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace quillet::core {

namespace {

// Whether the grid's address cell for this row is the whole address: no NUL cuts it, no tab
// splits it and no tab in the name moves another text into it.
bool cellIsWholeAddress(std::string_view name, std::string_view address) {
    return cutAtNul(name).find('\t') == std::string_view::npos &&
           address.find('\t') == std::string_view::npos &&
           address.find('\0') == std::string_view::npos;
}

// The grid row of one address the structure gave, with its number; nothing when it would show
// nothing.
std::optional<AddressRow> structureRow(NamedAddress entry, long number) {
    // The reader leaves no tab in these texts, so no cell moves: a NUL still ends one.
    entry.name.resize(cutAtNul(entry.name).size());
    entry.address.resize(cutAtNul(entry.address).size());
    if (entry.address.empty() && entry.name.empty()) {
        return std::nullopt;
    }
    return AddressRow{std::to_string(number), std::move(entry.name), std::move(entry.address),
                      std::string(typeText(entry.type))};
}

} // namespace

std::string_view typeText(AddressType type) {
    return type == AddressType::Exchange ? "EX" : "SMTP";
}

StructureAddresses::StructureAddresses(const LoadOptions& options, std::size_t fileSize)
    : options_(options), first_(expectedAddresses(fileSize)) {}

void StructureAddresses::add(const Nk2ItemView& item) {
    addAddresses(item, options_, waiting_);
    constexpr std::size_t kLookedUpTogether = 64;
    if (waiting_.size() >= kLookedUpTogether) {
        settle();
    }
}

void StructureAddresses::settle() {
    for (const std::size_t i : first_.newIn(waiting_)) {
        addresses_.push_back(
            {std::string(waiting_.name(i)), std::string(waiting_.address(i)), waiting_.type(i)});
    }
    waiting_.clear();
}

NamedAddresses StructureAddresses::take() && {
    settle();
    return std::move(addresses_);
}

NamedAddresses structureAddresses(const Nk2Structure& structure, const LoadOptions& options) {
    StructureAddresses addresses(options, 0);
    for (const Nk2Item& item : structure.items) {
        addresses.add({item.displayName, item.type, item.address, item.smtpAddress});
    }
    return std::move(addresses).take();
}

namespace {

// Sizes for the keys of a file, taken up front: growing the block and the table step by step
// cost fresh memory, and its page faults, each time. A real file holds an address every few
// hundred bytes; the caps keep a huge file of junk from reserving much it will not use.
std::size_t keyMemoryFor(std::size_t fileSize) {
    return std::clamp<std::size_t>(fileSize / 4, 1024, std::size_t{4} << 20);
}
std::size_t keyBucketsFor(std::size_t fileSize) {
    return std::min<std::size_t>(fileSize / 256, std::size_t{1} << 16);
}

} // namespace

StructureCellKeys::StructureCellKeys(const LoadOptions& options, std::size_t fileSize)
    : memory_(keyMemoryFor(fileSize)), keys_(keyBucketsFor(fileSize), &memory_),
      reader_(std::in_place, [this, options](const Nk2ItemView& item) {
          forEachAddress(item, options,
                         [this](std::string_view name, std::string_view address, AddressType) {
                             add(name, address);
                         });
      }) {}

void StructureCellKeys::readOn(std::string_view bytesSoFar) {
    reader_->readOn(bytesSoFar);
}

void StructureCellKeys::finish(std::string_view file) {
    std::move(*reader_).finish(file);
    reader_.reset();
}

void StructureCellKeys::add(std::string_view name, std::string_view address) {
    if (address.empty()) {
        return;
    }
    addressKey(address, scratch_);
    const KeyUse& use = useOf(scratch_);
    if (use.isAddress) {
        return;
    }
    use.isAddress = true;
    ++cells_;
    // Mostly the cell is the address itself, whose key is already at hand.
    if (cellIsWholeAddress(name, address)) {
        ++use.cells;
    } else {
        addressKey(loadedRow(0, std::string(name), std::string(address), AddressForm::Utf8).address,
                   scratch_);
        ++useOf(scratch_).cells;
    }
}

const StructureCellKeys::KeyUse& StructureCellKeys::useOf(std::string_view key) {
    const auto [use, isNew] = keys_.insert(KeyUse{key});
    if (isNew) {
        auto* kept = static_cast<char*>(memory_.allocate(key.size(), 1));
        std::copy(key.begin(), key.end(), kept);
        use->key = {kept, key.size()};
    }
    return *use;
}

std::size_t StructureCellKeys::missedAmong(const AddressKeys& shown) {
    std::size_t found = 0;
    for (const std::string& key : shown) {
        if (const auto use = keys_.find(KeyUse{key}); use != keys_.end() && !use->shown) {
            use->shown = true;
            found += use->cells;
        }
    }
    return cells_ - found;
}

AddressKeys addressKeys(std::span<const AddressRow> rows) {
    AddressKeys keys;
    keys.reserve(rows.size());
    for (const AddressRow& row : rows) {
        keys.push_back(addressKey(row.address));
    }
    return keys;
}

std::size_t missedAddressCount(std::string_view file, const LoadOptions& options,
                               std::span<const AddressRow> shown) {
    StructureCellKeys cellKeys(options, file.size());
    cellKeys.finish(file);
    return cellKeys.missedAmong(addressKeys(shown));
}

StructureRead readStructureAddresses(std::string_view fileBytes, const LoadOptions& options,
                                     LoaderHost& host) {
    LoadContext load(fileBytes, host);
    host.setBusy(true);
    load.showStatus(BannerMessage::LoadingFile);
    StructureAddresses addresses(options, fileBytes.size());
    Nk2ItemReader reader([&addresses](const Nk2ItemView& item) { addresses.add(item); });
    // Read a step at a time, so that the window answers while a huge file is read.
    constexpr std::size_t kReadStep = std::size_t{1} << 18;
    for (std::size_t end = kReadStep; end < fileBytes.size(); end += kReadStep) {
        reader.readOn(fileBytes.substr(0, end));
        if (host.pauseDue()) {
            host.wait(WaitTicks(1));
        }
    }
    Nk2Structure structure = std::move(reader).finish(fileBytes);
    return {std::move(structure), std::move(addresses).take()};
}

void appendStructureAddresses(NamedAddresses addresses, LoaderHost& host) {
    LoadContext load({}, host);
    closingStep(
        load, addresses.size(),
        [&addresses](std::size_t i, long number) -> std::optional<AddressRow> {
            if (i == addresses.size()) {
                return std::nullopt;
            }
            return structureRow(std::move(addresses[i]), number);
        },
        Pacing::Batched);
}

Nk2Structure loadNk2Structure(std::string_view fileBytes, const LoadOptions& options,
                              LoaderHost& host) {
    StructureRead read = readStructureAddresses(fileBytes, options, host);
    appendStructureAddresses(std::move(read.addresses), host);
    return std::move(read.structure);
}

} // namespace quillet::core
