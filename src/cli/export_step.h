#pragma once

#include "core/headless_host.h"
#include "options.h"

#include <ostream>
#include <vector>

namespace quillet::cli {

// Appends the rows to options.outputPath (or writes them to out when it is empty) as an
// Outlook contacts import file of options.fileType, or as vCards for "VCF" (rows without an
// Internet address are left out and counted on err). Returns the exit status; problems go to err.
int writeExport(const std::vector<core::GridRow>& rows, const ConvertOptions& options,
                std::ostream& out, std::ostream& err);

} // namespace quillet::cli
