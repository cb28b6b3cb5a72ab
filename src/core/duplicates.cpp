#include "core/duplicates.h"

#include "core/banner.h"
#include "core/cp1252.h"

#include <bit>
#include <set>
#include <string>
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

} // namespace

void removeDuplicates(ScratchList& list) {
    std::vector<std::string> items = list.items();
    const std::size_t size = items.size();

    // Items that compare equal form a group, held as their original indexes in list order.
    std::unordered_map<std::string, int> groupOfKey;
    std::vector<std::set<std::size_t>> groups;
    std::vector<int> groupOf(size);
    for (std::size_t i = 0; i < size; ++i) {
        const auto [entry, added] =
            groupOfKey.try_emplace(foldCaseCp1252(items[i]), static_cast<int>(groups.size()));
        if (added) {
            groups.emplace_back();
        }
        groupOf[i] = entry->second;
        std::set<std::size_t>& group = groups[static_cast<std::size_t>(entry->second)];
        group.insert(group.end(), i);
    }
    // Reading past the last item gives the empty text, which equals the empty items.
    const auto emptyEntry = groupOfKey.find(std::string());
    const int emptyGroup = emptyEntry == groupOfKey.end() ? -1 : emptyEntry->second;

    RemainingItems remaining(size);
    auto groupAt = [&](std::size_t position) {
        return position < remaining.count() ? groupOf[remaining.originalAt(position)] : emptyGroup;
    };
    for (std::size_t i = 0; i <= remaining.count(); ++i) {
        int target = groupAt(i);
        std::size_t next = 0; // the list position the inner loop looks at next
        while (target >= 0) {
            std::set<std::size_t>& group = groups[static_cast<std::size_t>(target)];
            auto match =
                group.lower_bound(next < remaining.count() ? remaining.originalAt(next) : size);
            if (match != group.end() && remaining.positionOf(*match) == i) {
                ++match; // the item at i itself
            }
            if (match == group.end()) {
                break;
            }
            const std::size_t original = *match;
            const std::size_t position = remaining.positionOf(original);
            group.erase(match);
            remaining.remove(original);
            if (position < i) {
                target = groupAt(i); // a later item has moved up into position i
            }
            // The item that moved up into the removed one's place is passed over.
            next = position + 1;
        }
    }

    list.clear();
    for (std::size_t i = 0; i < size; ++i) {
        if (remaining.contains(i)) {
            list.addItem(std::move(items[i]));
        }
    }
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
    ScratchLists& lists = load.lists;
    load.host.setStatus(bannerText(BannerMessage::RemovingDuplicates));
    load.host.wait(1);
    removeDuplicates(lists.List3);
    load.host.setEntryCount(load.host.rowCount() + 1L);

    appendThroughCount(lists.List2, lists.List3);
    appendThroughCount(lists.List1, lists.List3);
    for (const std::string& address : lists.List2.items()) {
        lists.nameList.addItem(exchangeNames ? decodeCp1252(address) : std::string());
    }

    lists.List2.clear();
    lists.List3.clear();
    lists.List4.clear();
    lists.List5.clear();
}

} // namespace quillet::core
