#pragma once

#include <span>
#include <string>

namespace quillet::app {

// What quillet's own command line asks for: the window (with an NK2 file to load, given as the
// bytes of its name), or only the usage or the version printed.
struct WindowCommandLine {
    enum class Request { Window, Help, Version, BadUsage };

    Request request = Request::Window;
    std::string file;    // empty: none given
    std::string problem; // for BadUsage: what was wrong
};

// Parses the arguments after the program name.
WindowCommandLine parseWindowCommandLine(std::span<const char* const> arguments);

// "usage: quillet [FILE]" and what the options do, ending in a line break.
std::string windowUsageText();

// Prints the usage or the version for a Help or Version request, or the problem and the usage
// for BadUsage, and returns the process's exit status: 0 when printed, 2 for a bad command
// line, 4 when standard output could not be written.
int answerWithoutWindow(const WindowCommandLine& commandLine);

} // namespace quillet::app
