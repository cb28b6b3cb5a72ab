#include "core/display.h"

#include "core/cp1252.h"
#include "core/percent.h"
#include "core/row_text.h"

namespace quillet::core {

std::string rowText(long number, std::string_view name, std::string_view address,
                    AddressForm form) {
    std::string text = std::to_string(number);
    text += '\t';
    text += cutAtNul(name);
    text += '\t';
    text += form == AddressForm::Utf8 ? std::string(cutAtNul(address))
                                      : decodeCp1252(cutAtNul(address));
    text += '\t';
    return text;
}

void closingStep(LoadContext& load, AddressForm form) {
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
    for (std::size_t i = 0; i <= count; ++i) {
        const long number = host.rowCount() + 1L;
        const std::string_view name = cutAtNul(lists.names.item(i));
        const std::string_view address = cutAtNul(lists.addresses.item(i));
        if (!name.empty() || !address.empty()) {
            host.appendRow(rowText(number, name, address, form));
        }
        host.setEntryCount(host.rowCount() + 1L);
        if (count > 0) {
            if (load.percent < 100) {
                load.percent = percentOf(number, static_cast<double>(count));
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
