#include "core/structure_load.h"

#include "core/cp1252.h"
#include "core/display.h"
#include "core/load_context.h"
#include "core/row_text.h"

#include <unordered_set>

namespace quillet::core {

std::string addressKey(std::string_view utf8) {
    const std::string bytes = encodeCp1252(utf8);
    if (decodeCp1252(bytes) == utf8) {
        return foldCaseCp1252(bytes);
    }
    std::string key(utf8);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

std::vector<NamedAddress> structureAddresses(const Nk2Structure& structure,
                                             const LoadOptions& options) {
    std::vector<NamedAddress> addresses;
    std::unordered_set<std::string> seen;
    const auto add = [&](const std::string& name, const std::string& address) {
        if (!address.empty() && seen.insert(addressKey(address)).second) {
            addresses.push_back({name, address});
        }
    };
    for (const Nk2Item& item : structure.items) {
        if (item.type == AddressType::Exchange) {
            if (options.exchange) {
                add(item.displayName, item.address);
            }
            if (options.smtp) {
                add(item.displayName, item.smtpAddress);
            }
        } else if (options.smtp) {
            add(item.displayName, item.address);
        }
    }
    return addresses;
}

std::size_t missedAddressCount(const Nk2Structure& structure, const LoadOptions& options,
                               const std::vector<std::string>& shown) {
    std::unordered_set<std::string> shownKeys;
    for (const std::string& address : shown) {
        shownKeys.insert(addressKey(address));
    }
    // Compared as the grid would show the entry's row: cells end at a NUL, and a tab in the
    // name or the address moves text into the next cell.
    std::size_t missed = 0;
    for (const NamedAddress& entry : structureAddresses(structure, options)) {
        const auto cells = splitRowText(rowText(0, entry.name, entry.address, AddressForm::Utf8));
        missed += shownKeys.count(addressKey(cells[2])) == 0 ? 1 : 0;
    }
    return missed;
}

Nk2Structure loadNk2Structure(std::string_view fileBytes, const LoadOptions& options,
                              LoaderHost& host) {
    LoadContext load(fileBytes, host);
    host.setBusy(true);
    load.showStatus(BannerMessage::LoadingFile);
    Nk2Structure structure = readNk2Structure(fileBytes);
    for (NamedAddress& entry : structureAddresses(structure, options)) {
        load.lists.addresses.addItem(std::move(entry.address));
        load.lists.names.addItem(std::move(entry.name));
    }
    closingStep(load, AddressForm::Utf8);
    return structure;
}

} // namespace quillet::core
