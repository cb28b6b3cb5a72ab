#include "nk2_generator.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

// Writes one generated NK2 file; see usage() for the kinds.
namespace {

using namespace quillet::testdata;

constexpr std::string_view kUsage =
    "usage: make-nk2 KIND FILE [N [SEED]]\n"
    "  sample          the dozen entries of examples/sample.nk2\n"
    "  stream          the sample as an Outlook 2010+ autocomplete stream (.dat)\n"
    "  unicode N       N Unicode entries with awkward names, a tenth Exchange (SEED)\n"
    "  realistic N     N SMTP and N/4 Exchange entries (SEED, default 1)\n"
    "  outlook N       N SMTP entries laid out as Outlook itself writes them (SEED)\n"
    "  limits          ~9,500 Exchange and ~9,500 SMTP markers, about 5 MB\n"
    "  many-rows       7,000 entries (6,100 SMTP, 900 Exchange) the scan reads whole, about 5 MB\n"
    "  random N        N random bytes with planted markers (SEED, default 1)\n"
    "  long-name N     three entries, one with a display name of N bytes of UTF-16\n"
    "  no-terminator   the sample with every 0x02 byte changed\n"
    "  nul-tab         entries with NUL and tab characters in names and addresses\n";

unsigned long numberArgument(int argc, char** argv, int index, unsigned long fallback) {
    return argc > index ? std::strtoul(argv[index], nullptr, 10) : fallback;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string_view kind = argv[1];
    const auto count = numberArgument(argc, argv, 3, 100);
    const auto seed = static_cast<std::uint32_t>(numberArgument(argc, argv, 4, 1));
    std::string bytes;
    if (kind == "sample") {
        bytes = nk2File(sampleEntries());
    } else if (kind == "stream") {
        bytes = autocompleteStream(sampleEntries());
    } else if (kind == "unicode") {
        bytes = nk2File(unicodeEntries(count, seed));
    } else if (kind == "realistic") {
        bytes = nk2File(realisticEntries(count, count / 4, seed));
    } else if (kind == "outlook") {
        bytes = outlookFile(outlookEntries(count, seed), seed);
    } else if (kind == "limits") {
        bytes = limitsFile();
    } else if (kind == "many-rows") {
        bytes = manyRowsFile();
    } else if (kind == "random") {
        bytes = hostileRandomFile(count, seed);
    } else if (kind == "long-name") {
        bytes = longNameFile(count);
    } else if (kind == "no-terminator") {
        bytes = fileWithoutTerminators(sampleEntries());
    } else if (kind == "nul-tab") {
        bytes = nk2File(entriesWithNulAndTab());
    } else {
        std::cerr << kUsage;
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "make-nk2: could not write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
