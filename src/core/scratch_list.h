#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quillet::core {

// A list of texts with list-box semantics: reading at an index at or past the end gives an
// empty text instead of failing.
class ScratchList {
public:
    void addItem(std::string text) { items_.push_back(std::move(text)); }
    const std::string& item(std::size_t index) const;
    // The item's text, leaving an empty one in its place; past the end an empty text.
    std::string take(std::size_t index);
    void removeItem(std::size_t index);
    std::size_t listCount() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    void clear() { items_.clear(); }
    const std::vector<std::string>& items() const { return items_; }

private:
    std::vector<std::string> items_;
};

// The loader's working storage, owned by the main window (or the converter) between loads.
// Address lists hold the file's raw bytes; name lists hold UTF-8.
struct LoadLists {
    ScratchList addresses;      // combined address column
    ScratchList exchangeUnique; // de-duplicated Exchange addresses
    ScratchList exchangeFound;  // Exchange addresses as found
    ScratchList smtpNames;      // resolved names of the SMTP addresses
    ScratchList smtpFound;      // SMTP addresses as found
    ScratchList sorted;         // sorted list; only emptied
    // Where each SMTP address of smtpFound is: the 1-based position of its first byte, plus one.
    std::vector<long> smtpLocations;
    ScratchList names; // name column parallel to addresses
};

} // namespace quillet::core
