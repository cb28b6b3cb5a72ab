#pragma once

#include "core/loader_host.h"

#include <string_view>

namespace quillet::core {

// What a load reads: which address types, and whether each type's rows get names. With neither
// type chosen nothing is scanned.
struct LoadOptions {
    bool smtp = true;
    bool exchange = true;
    bool namesForSmtp = true;
    bool namesForExchange = true;
};

// Browse from "choose the scans" (the file is open) to the end of the closing step: scans the
// file's bytes as the options say, resolves names and appends the rows through the host. The
// host's scratch lists are left empty except smtpLocations (and sorted).
void loadNk2(std::string_view fileBytes, const LoadOptions& options, LoaderHost& host);

// The closing step alone: after a cancelled dialog, no chosen type, or a file that could not be
// read.
void finishWithoutFile(LoaderHost& host);

} // namespace quillet::core
