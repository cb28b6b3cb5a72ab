// Exports awkward rows twice into a CSV and a TAB file with the real writer (one header line), and
// lists the rows (hex-encoded) for check_contacts_csv.py to compare against.
#include "core/append_writer.h"
#include "core/contacts_layout.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

using namespace quillet::core;

namespace {

std::string hex(std::string_view bytes) {
    std::string out;
    char digits[3];
    for (const char c : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(c));
        out += digits;
    }
    return out;
}

bool exportTwice(const std::filesystem::path& path, std::string_view fileType,
                 const std::vector<ContactRow>& rows) {
    std::filesystem::remove(path);
    const ExportLines lines = exportLines(*delimiterFor(fileType), rows);
    for (int i = 0; i < 2; ++i) {
        if (const auto failure = appendToFile(path.string(), {lines.header, lines.records})) {
            std::fprintf(stderr, "%s: %s\n", path.string().c_str(), failure->c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: contacts_csv_sample FOLDER\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    const std::vector<ContactRow> rows = {
        {"Ann Lee", "ann@x.org", ""},
        {"", "", ""},
        {"Lee, Ann", "a,b@x.org", ""},
        {"Ann \"Jo\" Lee", "\"q\"@x.org", ""},
        {"\"", "\"\"", ""},
        {"Tab\there", "line\r\nbreak@x.org", ""},
        {" Ren\xe9 \x80\x81\xff ", "ren\xe9@x.org", ""},
        {"O'Brien", "/o=Org/ou=Site/cn=Recipients/cn=obrien", "EX"},
        {"Typed", "t@x.org", "x,\"y\"\r\nz"},
        {"Tabbed", "u@x.org", "a\tb"},
    };
    std::ofstream expected(dir / "expected.txt", std::ios::binary);
    for (const ContactRow& row : rows) {
        expected << hex(row.name) << '|' << hex(row.address) << '|'
                 << hex(row.type.empty() ? kDefaultEmailType : std::string_view(row.type)) << '\n';
    }
    return exportTwice(dir / "export.csv", "CSV", rows) &&
                   exportTwice(dir / "export.txt", "TAB", rows) && expected.flush()
               ? 0
               : 1;
}
