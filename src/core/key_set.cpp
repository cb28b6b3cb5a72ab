#include "core/key_set.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace quillet::core {
namespace {

std::uint32_t tagOf(std::size_t hash) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
}

} // namespace

std::size_t KeySet::hashOf(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

KeySet::KeySet(std::size_t expected)
    : slots_(std::bit_ceil(std::max<std::size_t>(2 * expected, 16))) {
    ends_.reserve(expected);
}

std::string_view KeySet::keyText(std::uint32_t number) const {
    const std::size_t start = number == 0 ? 0 : ends_[number - 1];
    return std::string_view(texts_).substr(start, ends_[number] - start);
}

void KeySet::insert(std::span<const std::string_view> keys, std::span<const std::size_t> hashes,
                    std::vector<std::size_t>& newOnes) {
    newOnes.clear();
    constexpr std::size_t kAtOnce = 32;
    for (std::size_t first = 0; first < keys.size(); first += kAtOnce) {
        const std::size_t count = std::min(kAtOnce, keys.size() - first);
        if (2 * (size() + count) > slots_.size()) {
            grow();
        }
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = first; i < first + count; ++i) {
            __builtin_prefetch(&slots_[hashes[i] & mask]);
        }
        for (std::size_t i = first; i < first + count; ++i) {
            if (insert(keys[i], hashes[i])) {
                newOnes.push_back(i);
            }
        }
    }
}

bool KeySet::insert(std::string_view key, std::size_t hash) {
    if (2 * (size() + 1) > slots_.size()) {
        grow();
    }
    const std::uint32_t tag = tagOf(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = slots_[at];
        if (slot.key == 0) {
            texts_.append(key);
            ends_.push_back(texts_.size());
            slot = {tag, static_cast<std::uint32_t>(ends_.size())};
            return true;
        }
        if (slot.tag == tag && keyText(slot.key - 1) == key) {
            return false;
        }
    }
}

// Twice the slots, each key placed again by its hash.
void KeySet::grow() {
    std::vector<Slot> slots(2 * slots_.size());
    const std::size_t mask = slots.size() - 1;
    for (std::uint32_t number = 0; number < ends_.size(); ++number) {
        const std::size_t hash = hashOf(keyText(number));
        std::size_t at = hash & mask;
        while (slots[at].key != 0) {
            at = (at + 1) & mask;
        }
        slots[at] = {tagOf(hash), number + 1};
    }
    slots_.swap(slots);
}

} // namespace quillet::core
