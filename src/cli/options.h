#pragma once

#include "core/contact_encoding.h"
#include "core/nk2_load.h"

#include <span>
#include <string>
#include <vector>

namespace quillet::cli {

// What the command line asks for.
struct ConvertOptions {
    bool list = false;            // print the rows instead of exporting them
    std::string fileType = "CSV"; // "CSV" or "TAB"
    std::string outputPath;       // the export file, appended to; empty: standard output
    core::TextEncoding encoding = core::TextEncoding::Cp1252;
    core::LoadOptions load; // both types unless --no-smtp / --no-domain
    std::vector<std::string> inputs;
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
