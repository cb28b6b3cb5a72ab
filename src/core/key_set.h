#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillet::core {

// A set of texts that only grows, kept flat: a table of small slots (open addressing, probed one
// after the other) pointing to the texts, which follow one another in one block. Made for the
// tens of thousands of short address keys of a cache: a slot is 8 bytes, so the table stays in
// the processor's cache where a set of nodes spends most of its time waiting on memory.
class KeySet {
public:
    // Room for about `expected` keys before the table grows.
    explicit KeySet(std::size_t expected = 0);

    // Adds the keys, whose hashes (hashOf) are given, in order; newOnes becomes the positions of
    // those that were not there yet. Many keys at once let the memory fetch their slots side by
    // side, not one after another.
    void insert(std::span<const std::string_view> keys, std::span<const std::size_t> hashes,
                std::vector<std::size_t>& newOnes);
    // Adds one key whose hash is given; whether it was not there yet.
    bool insert(std::string_view key, std::size_t hash);
    static std::size_t hashOf(std::string_view key);
    std::size_t size() const { return ends_.size(); }

private:
    struct Slot {
        std::uint32_t tag = 0; // the upper half of the key's hash
        std::uint32_t key = 0; // the key's number plus one; 0 for an empty slot
    };
    std::string_view keyText(std::uint32_t number) const;
    void grow();

    std::vector<Slot> slots_;       // a power of two of them, never more than half used
    std::string texts_;             // the keys one after the other
    std::vector<std::size_t> ends_; // where each key's text ends in texts_
};

} // namespace quillet::core
