#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The Outlook contacts import layout: one header line, then one record per entry. All texts
// here are Windows-1252 bytes; lines carry no line end unless stated.
namespace quillet::core {

inline constexpr int kHeaderColumns = 92;
inline constexpr int kRecordFields = 86;

// The whole "Notes" field of every record.
inline constexpr std::string_view kNotesText =
    "Imported from Outlook Autocompletion cache file using Quillet. "
    "Quillet is free software by the Quillet project.";

// Type written for an entry whose type cell is empty.
inline constexpr std::string_view kDefaultEmailType = "SMTP";

// The 92 quoted column names joined by the delimiter.
std::string contactsHeaderLine(char delimiter);

// The 86 fields of one entry joined by the delimiter. Inside a quoted field a double quote of
// the value is doubled, so any name or address survives a CSV import; the type is quoted only
// when it holds the delimiter, a double quote, CR or LF, so that a CSV (or tab-separated)
// reader always finds 86 fields; nothing else is changed.
std::string contactRecord(char delimiter, std::string_view name, std::string_view address,
                          std::string_view type);

// "CSV" gives a comma and "TAB" a tab, in any letter case; any other file type has none.
std::optional<char> delimiterFor(std::string_view fileType);

// One grid row as the export sees it.
struct ContactRow {
    std::string name;
    std::string address;
    std::string type; // empty means kDefaultEmailType
};

// One export's lines, each ended by CR LF: the header line, which belongs only at the start of
// a file, and one record per row. Both empty for no rows.
struct ExportLines {
    std::string header;
    std::string records;
};
ExportLines exportLines(char delimiter, std::span<const ContactRow> rows);

// The header line and the records together for "CSV" or "TAB" (any case), as a new file gets
// them; empty for any other file type.
std::string exportText(std::string_view fileType, std::span<const ContactRow> rows);

} // namespace quillet::core
