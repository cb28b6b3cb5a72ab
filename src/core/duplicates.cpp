#include "core/duplicates.h"

#include "core/cp1252.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillet::core {
namespace {

// Which of the original items are still in the list. A removed index points on towards the next
// remaining one, so that walking the list in order costs near-constant time per step.
class RemainingItems {
public:
    explicit RemainingItems(std::size_t size) : next_(size + 1) {
        std::iota(next_.begin(), next_.end(), std::size_t{0});
    }

    bool contains(std::size_t original) const { return next_[original] == original; }
    void remove(std::size_t original) { next_[original] = original + 1; }

    // The first remaining original index at or after `original`; the size when none is left.
    std::size_t firstFrom(std::size_t original) {
        while (next_[original] != original) {
            next_[original] = next_[next_[original]];
            original = next_[original];
        }
        return original;
    }

private:
    std::vector<std::size_t> next_; // the last slot, one past the items, is never removed
};

// The items grouped by their case-folded text: each group's original indexes in list order,
// stored one group after another, with removed members skipped in near-constant time.
class EqualGroups {
public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    explicit EqualGroups(const std::vector<std::string>& items) : groupOf_(items.size()) {
        // Reserved up front, so the views the map keeps into it stay valid.
        std::vector<std::string> keys;
        keys.reserve(items.size());
        std::unordered_map<std::string_view, std::size_t> groupOfKey;
        groupOfKey.reserve(items.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            keys.push_back(foldCaseCp1252(items[i]));
            groupOf_[i] = groupOfKey.try_emplace(keys.back(), groupOfKey.size()).first->second;
        }
        // Reading past the last item gives the empty text, which equals the empty items.
        const auto empty = groupOfKey.find(std::string_view());
        emptyGroup_ = empty == groupOfKey.end() ? kNone : empty->second;

        // A counting sort by group keeps each group's members in list order.
        begin_.assign(groupOfKey.size() + 1, 0);
        for (const std::size_t group : groupOf_) {
            ++begin_[group + 1];
        }
        for (std::size_t g = 1; g < begin_.size(); ++g) {
            begin_[g] += begin_[g - 1];
        }
        members_.resize(items.size());
        std::vector<std::size_t> filled(begin_.begin(), begin_.end() - 1);
        for (std::size_t i = 0; i < items.size(); ++i) {
            members_[filled[groupOf_[i]]++] = i;
        }
        skip_.resize(items.size() + 1);
        for (std::size_t slot = 0; slot < skip_.size(); ++slot) {
            skip_[slot] = slot;
        }
    }

    std::size_t groupOf(std::size_t original) const { return groupOf_[original]; }
    std::size_t emptyGroup() const { return emptyGroup_; }
    std::size_t member(std::size_t slot) const { return members_[slot]; }

    // The slot of the group's first remaining member at or after an original index.
    std::size_t firstFrom(std::size_t group, std::size_t original) {
        const auto first = members_.begin() + static_cast<std::ptrdiff_t>(begin_[group]);
        const auto last = members_.begin() + static_cast<std::ptrdiff_t>(begin_[group + 1]);
        return remainingFrom(
            group,
            static_cast<std::size_t>(std::lower_bound(first, last, original) - members_.begin()));
    }

    // The slot of the group's next remaining member after a slot.
    std::size_t after(std::size_t group, std::size_t slot) {
        return remainingFrom(group, slot + 1);
    }

    void remove(std::size_t slot) { skip_[slot] = slot + 1; }

private:
    std::size_t remainingFrom(std::size_t group, std::size_t slot) {
        while (skip_[slot] != slot) {
            skip_[slot] = skip_[skip_[slot]];
            slot = skip_[slot];
        }
        return slot < begin_[group + 1] ? slot : kNone;
    }

    std::vector<std::size_t> groupOf_;
    std::vector<std::size_t> begin_;   // group g holds the slots begin_[g] to begin_[g + 1] - 1
    std::vector<std::size_t> members_; // original index per slot
    std::vector<std::size_t> skip_;    // removed slots point on towards the next remaining one
    std::size_t emptyGroup_ = kNone;
};

} // namespace

void removeDuplicates(ScratchList& list) {
    const std::vector<std::string>& items = list.items();
    const std::size_t size = items.size();
    EqualGroups groups(items);
    RemainingItems remaining(size);
    // The loops walk list positions; here each position is the original index of the item there,
    // `size` being the position just past the last item and `beyond` any later one.
    const std::size_t beyond = size + 1;
    const auto after = [&](std::size_t original) {
        return original < size ? remaining.firstFrom(original + 1) : beyond;
    };
    const auto groupOf = [&](std::size_t original) {
        return original < size ? groups.groupOf(original) : groups.emptyGroup();
    };
    for (std::size_t current = remaining.firstFrom(0); current <= size; current = after(current)) {
        std::size_t target = groupOf(current);
        std::size_t next = remaining.firstFrom(0); // where the inner loop looks next
        while (target != EqualGroups::kNone) {
            std::size_t slot = groups.firstFrom(target, std::min(next, size));
            if (slot != EqualGroups::kNone && groups.member(slot) == current) {
                slot = groups.after(target, slot); // the item at the outer position itself
            }
            if (slot == EqualGroups::kNone) {
                break;
            }
            const std::size_t original = groups.member(slot);
            groups.remove(slot);
            remaining.remove(original);
            if (original < current) {
                current = after(current); // a later item has moved up into the outer position
                target = groupOf(current);
            }
            // The item that moved up into the removed one's place is passed over.
            next = after(remaining.firstFrom(original));
        }
    }

    ScratchList survivors;
    for (std::size_t i = 0; i < size; ++i) {
        if (remaining.contains(i)) {
            survivors.addItem(items[i]);
        }
    }
    list = std::move(survivors);
}

void removeDuplicatesReference(ScratchList& list) {
    std::vector<std::string> keys;
    keys.reserve(list.listCount());
    for (const std::string& item : list.items()) {
        keys.push_back(foldCaseCp1252(item));
    }
    static const std::string pastTheEnd;
    auto keyAt = [&](std::size_t index) -> const std::string& {
        return index < keys.size() ? keys[index] : pastTheEnd;
    };
    for (std::size_t i = 0; i <= list.listCount(); ++i) {
        for (std::size_t j = 0; j <= list.listCount(); ++j) {
            if (j != i && keyAt(i) == keyAt(j) && j < list.listCount()) {
                list.removeItem(j);
                keys.erase(keys.begin() + static_cast<std::ptrdiff_t>(j));
            }
        }
    }
}

void duplicateStep(LoadContext& load, bool exchangeNames) {
    LoadLists& lists = load.lists;
    load.showStatus(BannerMessage::RemovingDuplicates);
    load.host.wait(WaitTicks(1));
    removeDuplicates(lists.exchangeFound);
    load.host.setEntryCount(load.host.rowCount() + 1L);

    appendThroughCount(lists.exchangeUnique, lists.exchangeFound);
    appendThroughCount(lists.addresses, lists.exchangeFound);
    for (const std::string& address : lists.exchangeUnique.items()) {
        lists.names.addItem(exchangeNames ? decodeCp1252(address) : std::string());
    }

    lists.exchangeUnique.clear();
    lists.exchangeFound.clear();
    lists.smtpNames.clear();
    lists.smtpFound.clear();
}

} // namespace quillet::core
