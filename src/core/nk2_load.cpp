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
    LoadLists& lists = load.lists;
    appendThroughCount(lists.addresses, lists.smtpFound);
    if (resolveNames) {
        nameStep(load);
        return;
    }
    for (std::size_t i = 0; i <= lists.smtpFound.listCount(); ++i) {
        lists.names.addItem(std::string());
    }
}

} // namespace

void loadNk2(std::string_view fileBytes, const LoadOptions& options, LoaderHost& host) {
    LoadContext load(fileBytes, host);
    const bool smtpAlone = options.smtp && !options.exchange;
    const bool domainAlone = options.exchange && !options.smtp;
    if (!smtpAlone) {
        exchangeScan(load);
        duplicateStep(load, options.namesForExchange);
    }
    if (!domainAlone) {
        smtpScan(load);
    }
    mergeStep(load, options.namesForSmtp);
    closingStep(load);
}

void finishWithoutFile(LoaderHost& host) {
    LoadContext load({}, host);
    closingStep(load);
}

} // namespace quillet::core
