#pragma once

#include "core/loader_host.h"

#include <string_view>

namespace quillet::core {

// The four type boxes: "SMTP Addresses" (Check1), "Domain Addresses" (Check2) and the hidden
// switches that follow them, "smtp Names" (Check3) and "domain Names" (Check4).
struct TypeBoxes {
    bool check1 = true;
    bool check2 = true;
    bool check3 = true;
    bool check4 = true;
};

// Browse from "choose the scans" (the file is open) to the end of the closing step: scans the
// file's bytes as the boxes say, resolves names and appends the rows through the host. The
// host's scratch lists are left empty except List7 (and List6).
void loadNk2(std::string_view fileBytes, const TypeBoxes& boxes, LoaderHost& host);

// The closing step alone: after a cancelled dialog, no chosen type, or a file that could not be
// read.
void finishWithoutFile(LoaderHost& host);

} // namespace quillet::core
