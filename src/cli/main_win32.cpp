#include "cli/convert.h"
#include "core/os/wide_text_win32.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <iostream>
#include <string>
#include <vector>
#include <windows.h>

namespace {

// Messages are UTF-8: the console shows them so while the converter runs, and gets its own
// code page back afterwards.
class Utf8Console {
public:
    Utf8Console() : before_(GetConsoleOutputCP()) { SetConsoleOutputCP(CP_UTF8); }
    ~Utf8Console() {
        if (before_ != 0) {
            SetConsoleOutputCP(before_);
        }
    }
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    UINT before_;
};

} // namespace

// The wide entry point: file names reach the program whole, whatever the system's code page.
int wmain(int argc, wchar_t** argv) {
    const Utf8Console console;
    // Bytes pass untouched: a CSV line ends in CR LF, not CR CR LF, and a cache on standard
    // input is read as it is.
    for (std::FILE* stream : {stdin, stdout, stderr}) {
        _setmode(_fileno(stream), _O_BINARY);
    }
    std::ios::sync_with_stdio(false);
    std::vector<std::string> texts;
    for (int i = 1; i < argc; ++i) {
        texts.push_back(quillet::core::os::utf8Text(argv[i]));
    }
    std::vector<const char*> arguments;
    for (const std::string& text : texts) {
        arguments.push_back(text.c_str());
    }
    return quillet::cli::runConverter(arguments, std::cout, std::cerr);
}
