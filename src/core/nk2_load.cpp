#include "core/nk2_load.h"

#include "core/display.h"
#include "core/duplicates.h"
#include "core/load_context.h"
#include "core/name_resolution.h"
#include "core/nk2_scan.h"

namespace quillet::core {
namespace {

// Appends the SMTP addresses to the address column; their names follow from the name step, or
// are empty when names are not resolved.
void mergeStep(LoadContext& load, bool resolveNames) {
    ScratchLists& lists = load.lists;
    appendThroughCount(lists.List1, lists.List5);
    if (resolveNames) {
        nameStep(load);
        return;
    }
    for (std::size_t i = 0; i <= lists.List5.listCount(); ++i) {
        lists.nameList.addItem(std::string());
    }
}

} // namespace

void loadNk2(std::string_view fileBytes, const TypeBoxes& boxes, LoaderHost& host) {
    LoadContext load(fileBytes, host);
    const bool smtpAlone = boxes.check1 && !boxes.check2;
    const bool domainAlone = boxes.check2 && !boxes.check1;
    if (!smtpAlone) {
        exchangeScan(load);
        duplicateStep(load, boxes.check4);
    }
    if (!domainAlone) {
        smtpScan(load);
    }
    mergeStep(load, boxes.check3);
    closingStep(load);
}

void finishWithoutFile(LoaderHost& host) {
    LoadContext load({}, host);
    closingStep(load);
}

} // namespace quillet::core
