#include "export_step.h"

#include "core/append_writer.h"
#include "core/contacts_layout.h"
#include "core/cp1252.h"
#include "exit_status.h"
#include "stream_output.h"

namespace quillet::cli {

int writeExport(const std::vector<core::GridRow>& rows, const ConvertOptions& options,
                std::ostream& out, std::ostream& err) {
    std::vector<core::ContactRow> contacts;
    contacts.reserve(rows.size());
    for (const auto& row : rows) {
        contacts.push_back(
            {core::encodeCp1252(row[1]), core::encodeCp1252(row[2]), core::encodeCp1252(row[3])});
    }
    const std::string text = core::exportText(options.fileType, contacts);

    if (options.outputPath.empty()) {
        return writeToStream(out, text, err);
    }
    if (const auto reason = core::appendToFile(options.outputPath, text)) {
        err << "quillet-convert: could not write " << options.outputPath << ": " << *reason << "\n";
        return kExitOutputFailed;
    }
    return kExitOk;
}

} // namespace quillet::cli
