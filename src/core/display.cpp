#include "core/display.h"

#include "core/cp1252.h"
#include "core/pace.h"
#include "core/percent.h"

#include <utility>

namespace quillet::core {

AddressRow loadedRow(long number, std::string_view name, std::string_view address,
                     AddressForm form) {
    const std::string_view cutAddress = cutAtNul(address);
    return rowOf(std::to_string(number), cutAtNul(name),
                 form == AddressForm::Utf8 ? std::string(cutAddress) : decodeCp1252(cutAddress));
}

void closingStep(LoadContext& load, AddressForm form, Pacing pacing) {
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

    const std::size_t count = lists.addresses.listCount();
    AddressRows batch;
    Pace pace;
    for (std::size_t i = 0; i <= count; ++i) {
        const long number = host.rowCount() + static_cast<long>(batch.size()) + 1L;
        const std::string_view name = cutAtNul(lists.names.item(i));
        const std::string_view address = cutAtNul(lists.addresses.item(i));
        if (!name.empty() || !address.empty()) {
            batch.push_back(loadedRow(number, name, address, form));
        }
        if (pacing == Pacing::Batched && i < count && !pace.due()) {
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
