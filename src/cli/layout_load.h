#pragma once

#include "cli/convert.h"
#include "cli/options.h"
#include "core/file_identity.h"
#include "core/row_sink.h"

#include <cstddef>
#include <ostream>
#include <string>

namespace quillet::cli {

// Appends to rows those of an input read by its layout (--read structure or auto): a file a block
// at a time on a second thread while this one makes the rows, standard input once it is read whole.
// Where --read auto needs the scan to fill what a damaged layout did not give, the file is read
// whole for it. Says on err what was left out and where a damaged file stopped the reading;
// false, with the reason on err, when the input could not be read. sizeHint is the size the
// system reports for a file.
bool loadByLayout(const std::string& path, const ConvertOptions& options,
                  const InputReading& reading, std::size_t sizeHint, core::RowSink& rows,
                  core::FileIdentities& inputs, std::ostream& err);

} // namespace quillet::cli
