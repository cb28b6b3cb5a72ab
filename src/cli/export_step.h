#pragma once

#include "cli/options.h"
#include "core/address_row.h"
#include "core/file_identity.h"
#include "core/packed_rows.h"

#include <ostream>
#include <span>

namespace quillet::cli {

// Appends the rows to options.outputPath (or writes them to out when it is empty) in
// options.format (rows without an Internet address are left out of vCards and counted on err),
// refusing a target that is one of the inputs. Returns the exit status; problems, and
// characters the encoding lost, go to err.
int writeExport(const core::RowRuns& rows, const ConvertOptions& options,
                const core::FileIdentities& inputs, std::ostream& out, std::ostream& err);

} // namespace quillet::cli
