#include "options.h"

#include <string_view>

namespace quillet::cli {
namespace {

ParsedCommandLine badUsage(std::string problem) {
    ParsedCommandLine parsed;
    parsed.request = Request::BadUsage;
    parsed.problem = std::move(problem);
    return parsed;
}

// "CSV", "TAB" or "VCF" in any letter case, upper-cased; empty for anything else.
std::string fileTypeNamed(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper == "CSV" || upper == "TAB" || upper == "VCF" ? upper : std::string();
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
            if (value != "scan" && value != "structure") {
                return badUsage("--read takes scan or structure");
            }
            options.read = value == "scan" ? ReadMode::Scan : ReadMode::Structure;
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
        } else if (argument == "-t" || argument == "-o") {
            if (i + 1 == arguments.size()) {
                return badUsage("option " + std::string(argument) + " needs a value");
            }
            const std::string_view value = arguments[++i];
            if (argument == "-o") {
                options.outputPath = value == "-" ? "" : std::string(value);
            } else {
                options.fileType = fileTypeNamed(value);
                if (options.fileType.empty()) {
                    return badUsage("file type must be CSV, TAB or VCF, not '" +
                                    std::string(value) + "'");
                }
            }
        } else {
            return badUsage("unknown option " + std::string(argument));
        }
    }
    return parsed;
}

std::string usageText() {
    return "usage: quillet-convert [--list] [--format tsv|jsonl] [-t CSV|TAB|VCF] [-o FILE]\n"
           "                       [--no-smtp] [--no-domain] [--read scan|structure] NK2FILE...\n"
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
           "  --no-smtp       leave out SMTP addresses\n"
           "  --no-domain     leave out Exchange (domain) addresses\n"
           "  --read scan|structure\n"
           "                  scan: find addresses by their markers, as Browse does (default);\n"
           "                  structure: read every entry the file's layout holds\n"
           "  --help          show this text\n"
           "  --version       show the version\n"
           "\n"
           "Exit status: 0 done, 2 a bad command line or no e-mail type, 3 an NK2 file could not\n"
           "be read, 4 the output could not be written (nothing is written in either case).\n";
}

} // namespace quillet::cli
