#include "core/display.h"

#include "core/cp1252.h"
#include "core/percent.h"

#include <utility>

namespace quillet::core {

AddressRow loadedRow(long number, std::string name, std::string address, AddressForm form) {
    name.resize(cutAtNul(name).size());
    address.resize(cutAtNul(address).size());
    if (form == AddressForm::Cp1252Bytes) {
        address = decodeCp1252(address);
    }
    return rowOf(std::to_string(number), std::move(name), std::move(address));
}

void closingStep(LoadContext& load, AddressForm form, Pacing pacing) {
    LoadLists& lists = load.lists;
    closingStep(
        load, lists.addresses.listCount(),
        [&lists, form](std::size_t i, long number) -> std::optional<AddressRow> {
            // The lists are emptied at the end: their texts move into the rows.
            std::string name = lists.names.take(i);
            std::string address = lists.addresses.take(i);
            if (cutAtNul(name).empty() && cutAtNul(address).empty()) {
                return std::nullopt;
            }
            return loadedRow(number, std::move(name), std::move(address), form);
        },
        pacing);
}

void closingStep(LoadContext& load, std::size_t count, const RowMaker& rowAt, Pacing pacing) {
    LoadLists& lists = load.lists;
    LoaderHost& host = load.host;
    lists.exchangeUnique.clear();
    lists.exchangeFound.clear();
    lists.smtpNames.clear();
    lists.smtpFound.clear();
    host.setBusy(false);
    host.flashPleaseWait();
    host.enableButtons();
    host.setStatus(std::string(kFinishedReading));

    host.expectRows(count);
    // Handed over in parts of a bounded size even between pauses: the rows move once, into
    // the host's place for them, and no batch grows with the file.
    constexpr std::size_t kBatchRows = 512;
    AddressRows batch;
    for (std::size_t i = 0; i <= count; ++i) {
        const long number = host.rowCount() + static_cast<long>(batch.size()) + 1L;
        if (std::optional<AddressRow> row = rowAt(i, number)) {
            batch.push_back(std::move(*row));
        }
        if (pacing == Pacing::Batched && i < count && !host.pauseDue()) {
            if (batch.size() == kBatchRows) {
                host.appendRows(std::exchange(batch, {}));
                batch.reserve(kBatchRows);
            }
            continue;
        }
        if (!batch.empty()) {
            host.appendRows(std::exchange(batch, {}));
        }
        host.setEntryCount(host.rowCount() + 1L);
        if (count > 0) {
            if (load.percent < 100) {
                load.percent = percentOf(static_cast<double>(number), static_cast<double>(count));
            }
            if (load.percent > 100) {
                load.percent = 100;
            }
        }
        host.wait(WaitTicks(1));
        load.showStatus(load.percent <= 1 ? BannerMessage::DisplayingNoSelection
                                          : BannerMessage::Displaying);
    }

    lists.addresses.clear();
    lists.names.clear();
    host.enableButtons();
    host.setEntryCount(host.rowCount());
}

} // namespace quillet::core
