#include "cli/options.h"

#include <optional>
#include <string_view>

namespace quillet::cli {
namespace {

ParsedCommandLine badUsage(std::string problem) {
    ParsedCommandLine parsed;
    parsed.request = Request::BadUsage;
    parsed.problem = std::move(problem);
    return parsed;
}

// The export's encoding by the name it is known by, in any letter case.
std::optional<core::TextEncoding> encodingNamed(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    if (lower == "utf-8" || lower == "utf8") {
        return core::TextEncoding::Utf8;
    }
    if (lower == "windows-1252" || lower == "cp1252") {
        return core::TextEncoding::Cp1252;
    }
    return std::nullopt;
}

} // namespace

ParsedCommandLine parseCommandLine(std::span<const char* const> arguments) {
    ParsedCommandLine parsed;
    ConvertOptions& options = parsed.options;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (onlyFiles || argument == "-" || !argument.starts_with('-')) {
            options.inputs.emplace_back(argument);
        } else if (argument == "--") {
            onlyFiles = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.request = Request::Help;
            return parsed;
        } else if (argument == "--version") {
            parsed.request = Request::Version;
            return parsed;
        } else if (argument == "--list") {
            options.list = true;
        } else if (argument == "--no-smtp") {
            options.load.smtp = false;
            options.load.namesForSmtp = false;
        } else if (argument == "--no-domain") {
            options.load.exchange = false;
            options.load.namesForExchange = false;
        } else if (argument == "--read") {
            const std::string_view value = i + 1 < arguments.size() ? arguments[++i] : "";
            if (value == "auto") {
                options.read = ReadMode::Auto;
            } else if (value == "scan") {
                options.read = ReadMode::Scan;
            } else if (value == "structure") {
                options.read = ReadMode::Structure;
            } else {
                return badUsage("--read takes auto, scan or structure");
            }
        } else if (argument == "--format") {
            if (i + 1 == arguments.size()) {
                return badUsage("option --format needs a value");
            }
            const std::string_view format = arguments[++i];
            if (format != "jsonl" && format != "tsv") {
                return badUsage("list format must be tsv or jsonl, not '" + std::string(format) +
                                "'");
            }
            options.jsonLines = format == "jsonl";
        } else if (argument == "--encoding") {
            if (i + 1 == arguments.size()) {
                return badUsage("option --encoding needs a value");
            }
            const auto encoding = encodingNamed(arguments[++i]);
            if (!encoding) {
                return badUsage("encoding must be windows-1252 or utf-8, not '" +
                                std::string(arguments[i]) + "'");
            }
            options.encoding = *encoding;
        } else if (argument == "-t" || argument == "-o") {
            if (i + 1 == arguments.size()) {
                return badUsage("option " + std::string(argument) + " needs a value");
            }
            const std::string_view value = arguments[++i];
            if (argument == "-o" && value.empty()) {
                return badUsage("option -o needs a file name (or - for standard output)");
            }
            if (argument == "-o") {
                options.outputPath = value == "-" ? "" : std::string(value);
            } else {
                const std::optional<core::ExportFormat> format = core::exportFormatFor(value);
                if (!format) {
                    return badUsage("file type must be CSV, TAB or VCF, not '" +
                                    std::string(value) + "'");
                }
                options.format = *format;
            }
        } else {
            return badUsage("unknown option " + std::string(argument));
        }
    }
    if (options.jsonLines && !options.list) {
        return badUsage("--format jsonl goes with --list");
    }
    return parsed;
}

std::string usageText() {
    return "usage: quillet-convert [--list] [--format tsv|jsonl] [-t CSV|TAB|VCF] [-o FILE]\n"
           "                       [--encoding utf-8] [--no-smtp] [--no-domain]\n"
           "                       [--read auto|scan|structure] NK2FILE...\n"
           "Reads Outlook autocomplete caches (NK2 files) and appends the addresses found, with\n"
           "their names, to an Outlook contacts import file or a vCard file. An NK2FILE of -\n"
           "is read from standard input; Outlook 2010+ autocomplete streams (.dat) are read\n"
           "like NK2 files.\n"
           "\n"
           "  --list          print the rows instead (number, name, address, type; tab-separated)\n"
           "  --format jsonl  with --list: one JSON object per row instead (tsv: the default)\n"
           "  -t CSV|TAB|VCF  the export's file type (default CSV); VCF writes vCard 3.0 and\n"
           "                  leaves out rows without an Internet address (no @)\n"
           "  -o FILE         the export file, appended to (default, or -: standard output)\n"
           "  --encoding utf-8\n"
           "                  CSV and TAB in UTF-8 (with a byte-order mark) instead of\n"
           "                  Windows-1252, which Outlook's import wizard reads but which cannot\n"
           "                  hold every character\n"
           "  --no-smtp       leave out SMTP addresses\n"
           "  --no-domain     leave out Exchange (domain) addresses\n"
           "  --read auto|scan|structure\n"
           "                  auto (default): every entry the file's layout holds, and where\n"
           "                  a damaged file's layout stops (or a file has none), what the\n"
           "                  scan finds there; scan: find addresses by their markers, as\n"
           "                  Browse does; structure: the layout's entries alone\n"
           "  --help          show this text\n"
           "  --version       show the version\n"
           "\n"
           "Exit status: 0 done, 2 a bad command line or no e-mail type, 3 an NK2 file could not\n"
           "be read (or memory ran out), 4 the output could not be written, e.g. because it is\n"
           "one of the NK2 files or not a regular file, 5 no NK2 file held an e-mail address\n"
           "(nothing is written in these cases).\n";
}

} // namespace quillet::cli
