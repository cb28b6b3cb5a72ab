#pragma once

#include "core/contact_encoding.h"
#include "core/contacts_export.h"
#include "core/nk2_load.h"

#include <span>
#include <string>
#include <vector>

namespace quillet::cli {

// How the NK2 files are read: every entry by the file's structure, with the scan's help where
// the structure stops (auto); Browse's marker scan; or the structure alone.
enum class ReadMode { Auto, Scan, Structure };

// What the command line asks for.
struct ConvertOptions {
    bool list = false;      // print the rows instead of exporting them
    bool jsonLines = false; // print them as JSON Lines instead of tab-separated
    core::ExportFormat format = core::ExportFormat::Csv; // -t
    std::string outputPath; // the export file, appended to; empty: standard output
    core::TextEncoding encoding = core::TextEncoding::Cp1252; // --encoding (CSV and TAB)
    core::LoadOptions load;          // both types unless --no-smtp / --no-domain
    ReadMode read = ReadMode::Auto;  // --read auto|scan|structure
    std::vector<std::string> inputs; // "-" is standard input
};

enum class Request { Convert, Help, Version, BadUsage };

struct ParsedCommandLine {
    Request request = Request::Convert;
    ConvertOptions options;
    std::string problem; // for BadUsage: what was wrong
};

// Parses the arguments after the program name. Without -o, or with "-o -", the export goes to
// standard output.
ParsedCommandLine parseCommandLine(std::span<const char* const> arguments);

// The help text, ending in a line break.
std::string usageText();

} // namespace quillet::cli
