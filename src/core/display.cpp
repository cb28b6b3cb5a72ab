#include "core/display.h"

#include "core/cp1252.h"
#include "core/percent.h"
#include "core/row_text.h"

namespace quillet::core {

std::string rowText(long number, std::string_view name, std::string_view address) {
    std::string text = std::to_string(number);
    text += '\t';
    text += cutAtNul(name);
    text += '\t';
    text += decodeCp1252(cutAtNul(address));
    text += '\t';
    return text;
}

void closingStep(LoadContext& load) {
    ScratchLists& lists = load.lists;
    LoaderHost& host = load.host;
    lists.List2.clear();
    lists.List3.clear();
    lists.List4.clear();
    lists.List5.clear();
    host.setBusy(false);
    host.readingNotice();
    host.enableButtons();
    host.setStatus(std::string(kFinishedReading));

    const std::size_t count = lists.List1.listCount();
    for (std::size_t i = 0; i <= count; ++i) {
        const long number = host.rowCount() + 1L;
        const std::string_view name = cutAtNul(lists.nameList.item(i));
        const std::string_view address = cutAtNul(lists.List1.item(i));
        if (!name.empty() || !address.empty()) {
            host.appendRow(rowText(number, name, address));
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
        host.wait(1);
        load.showStatus(load.percent <= 1 ? BannerMessage::DisplayingNoSelection
                                          : BannerMessage::Displaying);
    }

    lists.List1.clear();
    lists.nameList.clear();
    host.enableButtons();
    host.setEntryCount(host.rowCount());
}

} // namespace quillet::core
