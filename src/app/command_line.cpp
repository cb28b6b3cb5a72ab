#include "app/command_line.h"

#include "core/version.h"

#include <cstdio>
#include <string_view>

namespace quillet::app {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadUsage = 2;
constexpr int kExitOutputFailed = 4;

// Writes text whole to the stream and flushes it; false when any of it could not be written.
bool writeAll(std::FILE* stream, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() &&
           std::fflush(stream) == 0;
}

} // namespace

WindowCommandLine parseWindowCommandLine(std::span<const char* const> arguments) {
    WindowCommandLine parsed;
    bool optionsEnded = false;
    for (const char* raw : arguments) {
        const std::string_view argument(raw);
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            parsed.request = WindowCommandLine::Request::Help;
            return parsed;
        } else if (!optionsEnded && argument == "--version") {
            parsed.request = WindowCommandLine::Request::Version;
            return parsed;
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            parsed.request = WindowCommandLine::Request::BadUsage;
            parsed.problem = "unknown option " + std::string(argument);
            return parsed;
        } else if (parsed.file.empty() && !argument.empty()) {
            parsed.file = argument;
        } else {
            parsed.request = WindowCommandLine::Request::BadUsage;
            parsed.problem = "give at most one NK2 file";
            return parsed;
        }
    }
    return parsed;
}

std::string windowUsageText() {
    return "usage: quillet [FILE]\n"
           "Shows the addresses of Outlook's autocomplete cache; FILE is loaded at start.\n"
           "  --help       show this help\n"
           "  --version    show the version\n";
}

int answerWithoutWindow(const WindowCommandLine& commandLine) {
    switch (commandLine.request) {
    case WindowCommandLine::Request::Help:
        return writeAll(stdout, windowUsageText()) ? kExitOk : kExitOutputFailed;
    case WindowCommandLine::Request::Version:
        return writeAll(stdout, "quillet " + std::string(core::kVersion) + "\n")
                   ? kExitOk
                   : kExitOutputFailed;
    case WindowCommandLine::Request::BadUsage:
        writeAll(stderr, "quillet: " + commandLine.problem + "\n" + windowUsageText());
        return kExitBadUsage;
    case WindowCommandLine::Request::Window:
        break;
    }
    return kExitOk;
}

} // namespace quillet::app
