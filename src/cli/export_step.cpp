#include "export_step.h"

#include "core/append_writer.h"
#include "core/contacts_layout.h"
#include "core/cp1252.h"
#include "core/vcard_layout.h"
#include "exit_status.h"
#include "stream_output.h"

namespace quillet::cli {

namespace {

// The Outlook layouts are Windows-1252; a vCard keeps the grid's UTF-8.
std::vector<core::ContactRow> contactRows(const std::vector<core::GridRow>& rows, bool utf8) {
    std::vector<core::ContactRow> contacts;
    contacts.reserve(rows.size());
    for (const auto& row : rows) {
        if (utf8) {
            contacts.push_back({row[1], row[2], row[3]});
        } else {
            contacts.push_back({core::encodeCp1252(row[1]), core::encodeCp1252(row[2]),
                                core::encodeCp1252(row[3])});
        }
    }
    return contacts;
}

// The cards of the rows with an Internet address; the others are counted on err.
std::string vcardText(const std::vector<core::GridRow>& rows, std::ostream& err) {
    const core::VcardExport cards = core::vcardExport(contactRows(rows, true));
    if (cards.leftOut > 0) {
        err << "quillet-convert: " << cards.leftOut << (cards.leftOut == 1 ? " row" : " rows")
            << " without an Internet address left out of the vCard export\n";
    }
    return cards.text;
}

} // namespace

int writeExport(const std::vector<core::GridRow>& rows, const ConvertOptions& options,
                std::ostream& out, std::ostream& err) {
    const std::string text = options.fileType == "VCF"
                                 ? vcardText(rows, err)
                                 : core::exportText(options.fileType, contactRows(rows, false));

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
