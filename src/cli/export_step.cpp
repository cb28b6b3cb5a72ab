#include "export_step.h"

#include "exit_status.h"

namespace quillet::cli {

int writeExport(const std::vector<core::GridRow>&, const ConvertOptions& options,
                std::ostream& err) {
    err << "quillet-convert: this build cannot write the contacts file " << options.outputPath
        << " yet; use --list to print the rows\n";
    return kExitOutputFailed;
}

} // namespace quillet::cli
