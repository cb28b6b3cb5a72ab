#include "core/duplicates.h"

#include "core/cp1252.h"

#include <algorithm>
#include <bit>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillet::core {
namespace {

std::size_t lowestBit(std::size_t i) {
    return i & (~i + 1);
}

// Which of the original items are still in the list, as a Fenwick tree so that list positions
// and original indexes convert into each other in O(log n) while items are removed.
class RemainingItems {
public:
    explicit RemainingItems(std::size_t size) : tree_(size + 1, 0), removed_(size, false) {
        for (std::size_t i = 1; i <= size; ++i) {
            ++tree_[i];
            const std::size_t parent = i + lowestBit(i);
            if (parent <= size) {
                tree_[parent] += tree_[i];
            }
        }
        count_ = size;
    }

    std::size_t count() const { return count_; }
    bool contains(std::size_t original) const { return !removed_[original]; }

    void remove(std::size_t original) {
        removed_[original] = true;
        --count_;
        for (std::size_t i = original + 1; i < tree_.size(); i += lowestBit(i)) {
            --tree_[i];
        }
    }

    // The list position of a remaining item: how many remaining items come before it.
    std::size_t positionOf(std::size_t original) const {
        std::size_t before = 0;
        for (std::size_t i = original; i > 0; i -= lowestBit(i)) {
            before += tree_[i];
        }
        return before;
    }

    // The original index of the item at a list position below count().
    std::size_t originalAt(std::size_t position) const {
        std::size_t index = 0;
        std::size_t remaining = position + 1;
        for (std::size_t step = std::bit_floor(tree_.size() - 1); step > 0; step >>= 1) {
            if (index + step < tree_.size() && tree_[index + step] < remaining) {
                index += step;
                remaining -= tree_[index];
            }
        }
        return index;
    }

private:
    std::vector<std::size_t> tree_;
    std::vector<bool> removed_;
    std::size_t count_ = 0;
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
    auto groupAt = [&](std::size_t position) {
        return position < remaining.count() ? groups.groupOf(remaining.originalAt(position))
                                            : groups.emptyGroup();
    };
    for (std::size_t i = 0; i <= remaining.count(); ++i) {
        std::size_t target = groupAt(i);
        std::size_t next = 0; // the list position the inner loop looks at next
        while (target != EqualGroups::kNone) {
            std::size_t slot = groups.firstFrom(
                target, next < remaining.count() ? remaining.originalAt(next) : size);
            if (slot != EqualGroups::kNone && remaining.positionOf(groups.member(slot)) == i) {
                slot = groups.after(target, slot); // the item at i itself
            }
            if (slot == EqualGroups::kNone) {
                break;
            }
            const std::size_t original = groups.member(slot);
            const std::size_t position = remaining.positionOf(original);
            groups.remove(slot);
            remaining.remove(original);
            if (position < i) {
                target = groupAt(i); // a later item has moved up into position i
            }
            // The item that moved up into the removed one's place is passed over.
            next = position + 1;
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
