#pragma once

#include "core/address_parts.h"
#include "core/address_row.h"
#include "core/loader_host.h"
#include "core/nk2_load.h"
#include "core/nk2_structure.h"

#include <cstddef>
#include <deque>
#include <memory_resource>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// The structural reading as a way to load: every entry the file holds, rather than what the
// marker scans find within their step budget.
namespace quillet::core {

// One grid row's name and address, both UTF-8, and which kind of address it is.
struct NamedAddress {
    std::string name;
    std::string address;
    AddressType type = AddressType::Smtp;
};

// The type column of a row read by structure: "SMTP" or "EX".
std::string_view typeText(AddressType type);
// Kept in blocks: a huge cache's list grows without ever being copied whole.
using NamedAddresses = std::deque<NamedAddress>;

// The addresses of the chosen types, one per distinct address without regard to letter case,
// each with the name of the first item that holds it, gathered item by item. An Exchange item
// gives its Exchange address and, when it holds one, its SMTP address.
class StructureAddresses {
public:
    // For a file of about fileSize bytes.
    StructureAddresses(const LoadOptions& options, std::size_t fileSize);
    StructureAddresses(const StructureAddresses&) = delete;
    StructureAddresses& operator=(const StructureAddresses&) = delete;

    void add(const Nk2ItemView& item);
    NamedAddresses take() &&;

private:
    // Keeps the new ones of the waiting addresses, looked up together.
    void settle();

    LoadOptions options_;
    AddressPart waiting_;
    FirstAddresses first_;
    NamedAddresses addresses_;
};

// The same for a whole reading.
NamedAddresses structureAddresses(const Nk2Structure& structure, const LoadOptions& options);

// How many of the addresses structureAddresses gives for the file are not among the address
// cells of `shown`, each taken as the grid would show its row and compared by addressKey.
std::size_t missedAddressCount(std::string_view file, const LoadOptions& options,
                               std::span<const AddressRow> shown);

// The same count in three parts, so that the file's side and the grid's side can be worked out
// apart: the keys of the address cells the grid would show for structureAddresses' rows (read
// without keeping the items), the keys of the grid's address cells, and how many of the former
// are not among the latter.
using AddressKeys = std::vector<std::string>;
class StructureCellKeys {
public:
    // For a file of about fileSize bytes, to be read in steps as it comes in (see Nk2ItemReader):
    // readOn with the bytes so far, finish with the whole file.
    StructureCellKeys(const LoadOptions& options, std::size_t fileSize);
    void readOn(std::string_view bytesSoFar);
    void finish(std::string_view file);

    StructureCellKeys(const StructureCellKeys&) = delete;
    StructureCellKeys& operator=(const StructureCellKeys&) = delete;

    // Once only: the keys the grid shows are marked off as they are counted.
    std::size_t missedAmong(const AddressKeys& shown);

private:
    // What a key stands for. The key is looked up as the text at hand and kept in the block
    // only when new: repointing it there changes neither its hash nor what it equals.
    struct KeyUse {
        mutable std::string_view key;
        mutable bool isAddress = false; // an address of the file has this key
        mutable bool shown = false;     // the grid shows it
        mutable std::size_t cells = 0;  // how many of the cells have it
    };
    struct KeyHash {
        std::size_t operator()(const KeyUse& use) const {
            return std::hash<std::string_view>{}(use.key);
        }
    };
    struct SameKey {
        bool operator()(const KeyUse& a, const KeyUse& b) const { return a.key == b.key; }
    };
    void add(std::string_view name, std::string_view address);
    const KeyUse& useOf(std::string_view key);

    // The keys live in one block of memory given back at once.
    std::pmr::monotonic_buffer_resource memory_;
    std::pmr::unordered_set<KeyUse, KeyHash, SameKey> keys_;
    std::size_t cells_ = 0;
    std::string scratch_;
    std::optional<Nk2ItemReader> reader_; // until finished
};
// The keys of the rows' address cells.
AddressKeys addressKeys(std::span<const AddressRow> rows);

// Reads the file by its structure, a step at a time with a pause now and then, and gathers the
// addresses of the chosen types; the host shows that the file is loading. The reading says
// where an incomplete one stopped.
struct StructureRead {
    Nk2Structure structure;
    NamedAddresses addresses;
};
StructureRead readStructureAddresses(std::string_view fileBytes, const LoadOptions& options,
                                     LoaderHost& host);

// Appends them through the host as the closing step of Browse does (same banners, numbering on
// from the rows there are), a batch at a time.
void appendStructureAddresses(NamedAddresses addresses, LoaderHost& host);

// Both, for a file whose bytes are kept meanwhile.
Nk2Structure loadNk2Structure(std::string_view fileBytes, const LoadOptions& options,
                              LoaderHost& host);

} // namespace quillet::core
