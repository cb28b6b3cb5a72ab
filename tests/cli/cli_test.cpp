#include "cli/convert.h"
#include "nk2_generator.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
    int pipeSize = 0; // of the pipe the built program wrote into, where the system tells it
};

std::string quoted(const std::string& argument) {
    std::string text = "'";
    for (const char c : argument) {
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return text + "'";
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the converter with the arguments and collects its exit status and output: in this
// process, or as the built program where standard input or the process itself matter.
class ConverterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // ctest may run the tests of this suite side by side, each in its own process.
        dir_ = fs::temp_directory_path() / ("quillet_cli_test_" + std::to_string(getpid()));
        fs::create_directories(dir_);
        std::ofstream(dir_ / "nul-tab.nk2", std::ios::binary)
            << quillet::testdata::nk2File(quillet::testdata::entriesWithNulAndTab());
        // Enough Exchange markers to use up the scans' shared step budget.
        std::ofstream(dir_ / "large.nk2", std::ios::binary)
            << quillet::testdata::nk2File(quillet::testdata::realisticEntries(3000, 3100, 5));
        const std::string sampleBytes =
            quillet::testdata::nk2File(quillet::testdata::sampleEntries());
        std::ofstream(dir_ / "cut.nk2", std::ios::binary) << sampleBytes.substr(0, 1000);
    }
    static void TearDownTestSuite() { fs::remove_all(dir_); }

    static std::string sample() { return QUILLET_EXAMPLES_DIR "/sample.nk2"; }
    static std::string file(const std::string& name) { return (dir_ / name).string(); }

    static Result run(const std::vector<std::string>& arguments,
                      const quillet::cli::InputReading& reading = {}) {
        std::vector<const char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(argument.c_str());
        }
        std::ostringstream out;
        std::ostringstream err;
        Result result;
        result.status = quillet::cli::runConverter(argv, out, err, reading);
        result.out = out.str();
        result.err = err.str();
        return result;
    }

    // The same with Browse's way of reading, which the tests of the scan's rows ask for.
    static Result runScan(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--read", "scan"});
        return run(arguments);
    }

    // With input set, standard input comes from that file.
    static Result runBinary(const std::vector<std::string>& arguments,
                            const std::string& input = {}) {
        std::string command = quoted(QUILLET_CONVERT);
        for (const std::string& argument : arguments) {
            command += " " + quoted(argument);
        }
        if (!input.empty()) {
            command += " <" + quoted(input);
        }
        const fs::path errors = dir_ / "stderr.txt";
        command += " 2>" + quoted(errors.string());
        Result result;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            result.out.append(buffer, got);
        }
#ifdef F_GETPIPE_SZ
        result.pipeSize = fcntl(fileno(pipe), F_GETPIPE_SZ);
#endif
        const int wait = pclose(pipe);
        result.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
        result.err = contents(errors);
        return result;
    }

    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> all;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            all.push_back(line);
        }
        return all;
    }

    static inline fs::path dir_;
};

} // namespace

TEST_F(ConverterTest, ListPrintsTheGridRows) {
    const Result result = runScan({"--list", sample()});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const auto rows = lines(result.out);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0], "1\tPJONES\tPJONES\t");
    EXPECT_EQ(rows[5], "6\tŁukasz Żak\tLUKASZ.ZAK@EXAMPLE.PL\t");
    EXPECT_EQ(rows[11], "12\tHelp Desk\tHELPDESK@EXAMPLE.ORG\t");
    EXPECT_TRUE(result.out.ends_with("\n"));
}

TEST_F(ConverterTest, FilesAppendToOneGridAndTabsSplitCells) {
    const auto rows = lines(runScan({"--list", sample(), file("nul-tab.nk2")}).out);
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows[12], "13\tCY\tCY\t");
    // A tab in a name starts the next cell; text past the fourth cell is dropped.
    EXPECT_EQ(rows[13], "14\tAnn\tLee\tANN.LEE@EXAMPLE.ORG");
    EXPECT_EQ(rows[16], "17\tNul Address\tNUL\t");
}

TEST_F(ConverterTest, TypeOptionsUncheckTheBoxes) {
    EXPECT_EQ(lines(runScan({"--list", "--no-smtp", sample()}).out).size(), 3u);
    const auto smtp = lines(runScan({"--no-domain", "--list", sample()}).out);
    ASSERT_EQ(smtp.size(), 9u);
    EXPECT_EQ(smtp[0], "1\tMary Smith\tMARY.SMITH@EXAMPLE.ORG\t");

    const Result none = runScan({"--list", "--no-smtp", "--no-domain", sample()});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.starts_with("quillet-convert: --no-smtp and --no-domain together leave "
                                     "no e-mail type to read\nusage: quillet-convert"))
        << none.err;
    EXPECT_EQ(none.out, "");
}

TEST_F(ConverterTest, BadCommandLinesShowUsage) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"--bogus", sample()},
                                               {"-t", "XML", sample()},
                                               {sample(), "-o"},
                                               {"--list"},
                                               {"-o", "", sample()},
                                               {"--encoding", "latin-9", sample()}}) {
        const Result result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments[0];
        EXPECT_NE(result.err.find("usage: quillet-convert"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(ConverterTest, UnreadableInputWritesNothing) {
    const std::string missing = file("missing.nk2");
    const Result result = run({"--list", sample(), missing});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "quillet-convert: Could not open " + missing + ": No such file or directory\n");

    const Result folder = run({"--list", dir_.string()});
    EXPECT_EQ(folder.status, 3);
    EXPECT_NE(folder.err.find(": Is a directory"), std::string::npos) << folder.err;
}

TEST_F(ConverterTest, HelpAndVersion) {
    const Result help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("usage: quillet-convert [--list]")) << help.out;
    const Result version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quillet-convert " QUILLET_VERSION "\n");
    // Text that cannot reach standard output is a failure.
    for (const char* request : {"--help", "--version"}) {
        const int status = std::system(
            (quoted(QUILLET_CONVERT) + " " + request + " >/dev/full 2>/dev/null").c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 4) << request;
    }
}

TEST_F(ConverterTest, ExportGoesToStandardOutputOrIsAppendedToAFile) {
    const Result csv = runScan({sample()});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::vector<std::string> out = lines(csv.out);
    ASSERT_EQ(out.size(), 13u); // header + one record per row
    EXPECT_TRUE(out[0].starts_with("\"Title\",\"First Name\",")) << out[0];
    EXPECT_TRUE(out[1].starts_with(",\"PJONES\",,,\"\",\"\",\"\",")) << out[1];
    EXPECT_TRUE(out[1].ends_with("Normal,False,,,Normal\r")) << out[1];
    EXPECT_EQ(runScan({"-o", "-", sample()}).out, csv.out);

    // Neither Ł nor Ż of "Łukasz Żak" has a Windows-1252 form.
    const Result tab = runScan({"-t", "TAB", "--no-domain", sample()});
    EXPECT_NE(tab.out.find("\t\"?ukasz ?ak\"\t"), std::string::npos);

    const std::string target = file("contacts.csv");
    EXPECT_EQ(runScan({"-o", target, sample()}).status, 0);
    EXPECT_EQ(runScan({"-o", target, sample()}).status, 0);
    // The second export adds its records only.
    EXPECT_EQ(contents(target), csv.out + csv.out.substr(csv.out.find("\r\n") + 2));

    // Standard output gets a long export in parts: the same bytes as a new file, one header.
    for (const std::string encoding : {"cp1252", "utf-8"}) {
        const std::string whole = file(encoding + ".csv");
        EXPECT_EQ(runScan({"--encoding", encoding, "-o", whole, file("large.nk2")}).status, 0);
        const Result streamed = runScan({"--encoding", encoding, file("large.nk2")});
        EXPECT_GT(lines(streamed.out).size(), 1000u);
        EXPECT_EQ(streamed.out, contents(whole)) << encoding;
    }
}

TEST_F(ConverterTest, LostCharactersAreCountedAndUtf8KeepsThem) {
    const Result cp1252 = run({"--no-domain", sample()});
    EXPECT_EQ(cp1252.status, 0);
    EXPECT_TRUE(cp1252.err.starts_with("quillet-convert: warning: ")) << cp1252.err;
    EXPECT_NE(cp1252.err.find(" had characters that Windows-1252 cannot hold, written as \"?\" "
                              "(--encoding utf-8 keeps them)\n"),
              std::string::npos)
        << cp1252.err;
    EXPECT_EQ(lines(cp1252.err).size(), 1U);

    const std::string target = file("utf8.csv");
    const Result utf8 = run({"--encoding", "utf-8", "--no-domain", "-o", target, sample()});
    EXPECT_EQ(utf8.status, 0);
    EXPECT_EQ(utf8.err, "");
    const std::string written = contents(target);
    EXPECT_TRUE(written.starts_with("\xEF\xBB\xBF\"Title\",")) << written.substr(0, 20);
    EXPECT_NE(written.find(",\"\u0141ukasz \u017Bak\","), std::string::npos);

    const Result plain = run({"--no-smtp", sample()});
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.err, "");
}

TEST_F(ConverterTest, TheInputIsNeverTheTarget) {
    const std::string input = file("same.nk2");
    fs::copy_file(sample(), input, fs::copy_options::overwrite_existing);
    const std::string before = contents(input);
    fs::remove(file("hard.nk2"));
    fs::remove(file("soft.nk2"));
    fs::create_hard_link(input, file("hard.nk2"));
    fs::create_symlink(input, file("soft.nk2"));
    for (const std::string& target :
         {input, (dir_ / "." / "same.nk2").string(), file("hard.nk2"), file("soft.nk2")}) {
        const Result result = run({"-o", target, sample(), input});
        EXPECT_EQ(result.status, 4) << target;
        EXPECT_EQ(result.err, "quillet-convert: could not write " + target +
                                  ": it is the NK2 file being read\n");
    }
    EXPECT_EQ(contents(input), before);
}

TEST_F(ConverterTest, PipesAndHugeFilesAreRefusedAtOnce) {
    const std::string fifo = file("fifo.csv");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const Result piped = run({"-o", fifo, sample()});
    EXPECT_EQ(piped.status, 4);
    EXPECT_EQ(piped.err, "quillet-convert: could not write " + fifo +
                             ": it is a named pipe (FIFO), not a regular file\n");

    const std::string huge = file("huge.nk2");
    std::ofstream(huge) << "x";
    fs::resize_file(huge, std::uintmax_t{1} << 40);
    const Result tooLarge = run({"--list", huge});
    EXPECT_EQ(tooLarge.status, 3);
    EXPECT_TRUE(
        tooLarge.err.starts_with("quillet-convert: Could not open " + huge + ": File too large: "))
        << tooLarge.err;
    fs::remove(huge);
}

TEST_F(ConverterTest, FailedExportSaysWhyAndExitsWithFour) {
    for (const std::string& bad :
         std::vector<std::string>{file("no/such/folder.csv"), dir_.string(), "/dev/full"}) {
        const Result result = run({"-o", bad, sample()});
        EXPECT_EQ(result.status, 4) << bad;
        EXPECT_TRUE(result.err.starts_with("quillet-convert: could not write " + bad + ": "))
            << result.err;
    }
    EXPECT_FALSE(fs::exists(file("no")));
}

TEST_F(ConverterTest, ReadStructureListsEveryEntryWithItsName) {
    const Result result = run({"--list", "--read", "structure", sample()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto rows = lines(result.out);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0], "1\tMary Smith\tmary.smith@example.org\tSMTP");
    EXPECT_EQ(rows[1], "2\tPaul Jones\tpjones\tEX");
    EXPECT_EQ(rows[5], "6\t王芳\twang.fang@example.cn\tSMTP");
    EXPECT_EQ(lines(run({"--list", "--read", "structure", "--no-smtp", sample()}).out).size(), 3u);

    // A damaged file gives the entries before the damage and says where the reading stopped.
    const Result cut = run({"--list", "--read", "structure", file("cut.nk2")});
    EXPECT_EQ(cut.status, 0);
    EXPECT_EQ(lines(cut.out).size(), 2u);
    EXPECT_TRUE(cut.err.starts_with("quillet-convert: warning: " + file("cut.nk2") +
                                    ": Read 2 of 12 entries; stopped at byte "))
        << cut.err;

    for (const auto& bad :
         std::vector<std::vector<std::string>>{{"--read", "all", sample()}, {sample(), "--read"}}) {
        EXPECT_EQ(run(bad).status, 2);
    }
}

TEST_F(ConverterTest, ScanWarnsWhenTheStructureHoldsMore) {
    const Result scan = runScan({"--list", file("large.nk2")});
    EXPECT_EQ(scan.status, 0);
    EXPECT_EQ(run({"--list", "--read", "scan", file("large.nk2")}).out, scan.out);
    const auto warning = lines(scan.err);
    ASSERT_EQ(warning.size(), 1u) << scan.err;
    EXPECT_TRUE(warning[0].starts_with("quillet-convert: warning: the scan missed ")) << scan.err;
    EXPECT_TRUE(warning[0].ends_with("; --read structure reads every entry")) << scan.err;

    const Result structure = run({"--list", "--read", "structure", file("large.nk2")});
    EXPECT_EQ(structure.err, "");
    EXPECT_EQ(lines(structure.out).size(), 6100u);
}

// The file's bytes up to `bytes`, then EIO, as from a failing disk.
quillet::cli::InputReading failingAfter(std::size_t bytes) {
    auto given = std::make_shared<std::size_t>(0);
    return {[given, bytes](int descriptor, char* into, std::size_t size) -> ssize_t {
        if (*given >= bytes) {
            errno = EIO;
            return -1;
        }
        const ssize_t got = ::read(descriptor, into, std::min(size, bytes - *given));
        *given += static_cast<std::size_t>(std::max<ssize_t>(got, 0));
        return got;
    }};
}

// The file's bytes, then more for ever, as from a file that grows while it is read.
quillet::cli::InputReading growingPast(std::size_t limit) {
    return {[](int descriptor, char* into, std::size_t size) -> ssize_t {
                const ssize_t got = ::read(descriptor, into, size);
                if (got != 0) {
                    return got;
                }
                std::fill_n(into, size, '\0');
                return static_cast<ssize_t>(size);
            },
            limit};
}

TEST_F(ConverterTest, AReadFailingPartWayStopsTheRunWithItsReason) {
    // Several of the follower's steps long, so that the structure count is part-way through.
    const std::string big = file("big.nk2");
    std::ofstream(big, std::ios::binary)
        << quillet::testdata::nk2File(quillet::testdata::realisticEntries(6000, 6000, 5));
    const std::size_t size = fs::file_size(big);
    ASSERT_GT(size, std::size_t{2} << 20);
    const std::string tooLarge = "File too large: more than " + std::to_string(size + (1 << 20));
    const struct {
        const char* mode;
        quillet::cli::InputReading reading;
        std::string reason;
    } cases[] = {
        {"scan", failingAfter(1 << 20), "Input/output error"},
        {"structure", failingAfter(1 << 20), "Input/output error"},
        {"scan", failingAfter(size - 1), "Input/output error"},
        {"scan", growingPast(size + (1 << 20)), tooLarge},
        {"structure", growingPast(size + (1 << 20)), tooLarge},
    };
    for (const auto& fault : cases) {
        const Result result = run({"--read", fault.mode, "--list", big}, fault.reading);
        EXPECT_EQ(result.status, 3) << fault.mode << " " << fault.reason;
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(
            result.err.starts_with("quillet-convert: Could not open " + big + ": " + fault.reason))
            << result.err;
    }
    fs::remove(big);
}

TEST_F(ConverterTest, ListKeepsEachRowOnOneLine) {
    using quillet::testdata::smtpEntry;
    std::ofstream(file("breaks.nk2"), std::ios::binary)
        << quillet::testdata::nk2File({smtpEntry("Ann\r\nLee", "ann@example.org"),
                                       smtpEntry("Bo\rKing\n", "bo@example.org", true)});
    for (const char* mode : {"scan", "structure"}) {
        const Result result = run({"--list", "--read", mode, file("breaks.nk2")});
        EXPECT_EQ(result.status, 0) << mode;
        EXPECT_EQ(result.out.find('\r'), std::string::npos) << mode;
        const auto rows = lines(result.out);
        ASSERT_EQ(rows.size(), 2u) << mode << result.out;
        EXPECT_TRUE(rows[0].starts_with("1\tAnn  Lee\t")) << rows[0];
        EXPECT_TRUE(rows[1].starts_with("2\tBo King \t")) << rows[1];
    }
}

#ifdef F_SETPIPE_SZ
// Every byte goes out in one burst once the inputs are read: a pipe is widened first, so that the
// burst needs few hand-overs to the reader.
TEST_F(ConverterTest, WidensAPipeOnStandardOutput) {
    constexpr int kWide = 1 << 20;
    if (std::stoi(contents("/proc/sys/fs/pipe-max-size")) < kWide) {
        GTEST_SKIP() << "this system allows no pipe of 1 MiB";
    }
    const Result listed = runBinary({"--list", sample()});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_GE(listed.pipeSize, kWide);
}
#endif

TEST_F(ConverterTest, ADashReadsTheCacheFromStandardInput) {
    const Result fromFile = run({"--list", sample()});
    const Result piped = runBinary({"--list", "-"}, sample());
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, fromFile.out);
    EXPECT_EQ(runBinary({"-t", "vcf", "-"}, sample()).out, run({"-t", "VCF", sample()}).out);

    // An endless stream is refused, not read until memory runs out.
    const Result endless = runBinary({"--list", "-"}, "/dev/zero");
    EXPECT_EQ(endless.status, 3);
    EXPECT_EQ(endless.out, "");
    EXPECT_EQ(endless.err,
              "quillet-convert: Could not open -: Standard input holds more than 64 MiB\n");
}

TEST_F(ConverterTest, JsonLinesEscapeEveryCharacterAJsonReaderNeedsEscaped) {
    const Result result = runScan({"--list", "--format", "jsonl", sample(), file("nul-tab.nk2")});
    EXPECT_EQ(result.status, 0) << result.err;
    const auto rows = lines(result.out);
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows[0], R"({"number":1,"name":"PJONES","address":"PJONES","type":""})");
    EXPECT_EQ(rows[5],
              R"({"number":6,"name":"Łukasz Żak","address":"LUKASZ.ZAK@EXAMPLE.PL","type":""})");
    // The name's tab split the row; the fourth cell holds the rest.
    EXPECT_EQ(rows[13],
              R"({"number":14,"name":"Ann","address":"Lee","type":"ANN.LEE@EXAMPLE.ORG"})");
    EXPECT_EQ(runScan({"--list", "--format", "tsv", sample()}).out,
              runScan({"--list", sample()}).out);
    EXPECT_EQ(runScan({"--list", "--format", "xml", sample()}).status, 2);
}

TEST_F(ConverterTest, VcardExportLeavesOutAndCountsRowsWithoutAnInternetAddress) {
    const Result all = runScan({"-t", "Vcf", sample()});
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.err,
              "quillet-convert: 3 rows without an Internet address left out of the vCard export\n");
    const auto out = lines(all.out);
    ASSERT_EQ(out.size(), 9u * 7);
    EXPECT_EQ(out[0], "BEGIN:VCARD\r");
    EXPECT_EQ(out[2], "FN:Mary Smith\r");
    EXPECT_EQ(out[4], "EMAIL;TYPE=INTERNET:MARY.SMITH@EXAMPLE.ORG\r");
    EXPECT_NE(all.out.find("FN:王芳\r\n"), std::string::npos);

    const Result smtpOnly = runScan({"-t", "VCF", "--no-domain", sample()});
    EXPECT_EQ(smtpOnly.err, "");
    EXPECT_EQ(smtpOnly.out, all.out);

    const Result none = runScan({"-t", "VCF", "--no-smtp", "-o", file("none.vcf"), sample()});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(contents(file("none.vcf")), "");
    EXPECT_EQ(none.err,
              "quillet-convert: 3 rows without an Internet address left out of the vCard export\n");
}

TEST_F(ConverterTest, AFileWithoutAddressesIsNamedAndARunWithNoneWritesNothing) {
    std::ofstream(file("hostname"), std::ios::binary) << "workstation\n";
    const Result alone = runScan({"-o", file("nothing.csv"), file("hostname")});
    EXPECT_EQ(alone.status, 5);
    EXPECT_EQ(alone.err, "quillet-convert: warning: no e-mail addresses were found in " +
                             file("hostname") + "\n");
    EXPECT_FALSE(fs::exists(file("nothing.csv")));
    EXPECT_EQ(runScan({"--list", file("hostname")}).out, "");

    // Beside a file that has addresses, the empty one is only named.
    const Result mixed = runScan({"--list", file("hostname"), sample()});
    EXPECT_EQ(mixed.status, 0);
    EXPECT_EQ(mixed.out, runScan({"--list", sample()}).out);
    EXPECT_EQ(mixed.err, alone.err);
}

// By default the converter gives the structure's rows; where a damaged file's layout stops, or a
// file has none, the scan adds what it finds, and standard error says so.
TEST_F(ConverterTest, AutoReadsTheLayoutAndLetsTheScanHelpWhereItStops) {
    namespace gen = quillet::testdata;
    // Damage in the middle: the layout stops there, the addresses after it are the scan's.
    std::string outlook = gen::outlookFile(gen::outlookEntries(40, 3), 3);
    outlook.replace(outlook.size() / 2, 32, std::string(32, '\xFF'));
    std::ofstream(file("outlook-cut.nk2"), std::ios::binary) << outlook;
    std::ofstream(file("markers.bin"), std::ios::binary)
        << std::string("junk SMTP:a@b.example\x02 end");
    const struct {
        std::string input;
        bool scanHelps;
    } cases[] = {{sample(), false}, {file("outlook-cut.nk2"), true}, {file("markers.bin"), true}};
    for (const auto& [input, scanHelps] : cases) {
        const Result autoRead = run({"--list", input});
        const Result structure = run({"--list", "--read", "structure", input});
        const auto rows = lines(autoRead.out);
        const auto structureRows = lines(structure.out);
        EXPECT_EQ(autoRead.status, 0) << input;
        ASSERT_GE(rows.size(), structureRows.size()) << input;
        EXPECT_TRUE(std::equal(structureRows.begin(), structureRows.end(), rows.begin())) << input;
        EXPECT_EQ(rows.size() > structureRows.size(), scanHelps) << input;
        EXPECT_EQ(autoRead.err.find(" The scan added ") != std::string::npos, scanHelps)
            << autoRead.err;
    }
    EXPECT_TRUE(run({"--list", file("markers.bin")}).err.find(": not an NK2 file by its layout.") !=
                std::string::npos);
    EXPECT_EQ(run({"--format", "jsonl", sample()}).status, 2); // JSON Lines only list
}
