#include "core/append_writer.h"
#include "core/file_bytes.h"
#include "core/os/wide_text_win32.h"
#include "support/file_faults.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

// The Windows writer under the faults only other processes can bring: a kill in the middle of
// an export, exports racing from several processes, Ctrl+C. This program starts itself again
// with "--child ROLE ..." to be those processes.

using quillet::core::AppendRequest;
using quillet::core::appendToFile;
using quillet::core::FileWrite;
namespace fs = std::filesystem;
using quillet::test::contentOf;
using quillet::test::failingAfter;

namespace {

constexpr std::string_view kChild = "--child";
constexpr UINT kKilled = 9;
constexpr std::size_t kRecordsSize = 200000;
constexpr std::string_view kOld = "old line\r\n";
constexpr std::string_view kHeader = "H\r\n";

// A folder of its own for each test, removed after it.
class Scratch {
public:
    Scratch() {
        static std::atomic<int> made{0};
        dir_ =
            fs::temp_directory_path() / ("quillet-win32-" + std::to_string(GetCurrentProcessId()) +
                                         "-" + std::to_string(made++));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::string pathOf(const std::string& name) const { return (dir_ / name).string(); }
    std::string fileWith(const std::string& name, std::string_view bytes) const {
        std::ofstream(pathOf(name), std::ios::binary) << bytes;
        return pathOf(name);
    }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    fs::path dir_;
};

// This program started again as another process with `arguments`.
class Child {
public:
    explicit Child(const std::vector<std::string>& arguments, DWORD flags = 0) {
        std::wstring self(MAX_PATH, L'\0');
        self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
        std::wstring line = L"\"" + self + L"\" " + quillet::core::os::wideText(kChild);
        for (const std::string& argument : arguments) {
            line += L" \"" + quillet::core::os::wideText(argument) + L"\"";
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                           &startup, &process_) == 0) {
            process_ = {};
        }
    }
    ~Child() {
        if (process_.hProcess != nullptr) {
            TerminateProcess(process_.hProcess, 1);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // How it ended; STILL_ACTIVE when it did not start or end within a minute.
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        if (process_.hProcess != nullptr &&
            WaitForSingleObject(process_.hProcess, 60000) == WAIT_OBJECT_0) {
            GetExitCodeProcess(process_.hProcess, &code);
        }
        return code;
    }

private:
    PROCESS_INFORMATION process_{};
};

// Through the system's own write, and the process killed `delay` milliseconds after `limit`
// bytes are in.
FileWrite killedAfter(std::size_t limit, DWORD delay) {
    return [limit, delay, taken = std::size_t{0}](int descriptor, const char* bytes,
                                                  std::size_t size) mutable -> ssize_t {
        DWORD written = 0;
        WriteFile(LongToHandle(descriptor), bytes,
                  static_cast<DWORD>(std::min(size, limit - taken)), &written, nullptr);
        taken += written;
        if (taken >= limit) {
            Sleep(delay);
            TerminateProcess(GetCurrentProcess(), kKilled);
        }
        return static_cast<ssize_t>(written);
    };
}

HANDLE ctrlCSeen = nullptr;

BOOL WINAPI noteCtrlC(DWORD /*event*/) {
    SetEvent(ctrlCSeen);
    return FALSE;
}

// Half of the first block in, then Ctrl+C to this process, and time for it to end the program
// were the writer not holding it off; the rest follows.
FileWrite interruptedByCtrlC() {
    return
        [raised = false](int descriptor, const char* bytes, std::size_t size) mutable -> ssize_t {
            DWORD written = 0;
            const auto part = static_cast<DWORD>(raised ? size : size / 2);
            WriteFile(LongToHandle(descriptor), bytes, part, &written, nullptr);
            if (!raised) {
                raised = true;
                // Called before the writer's own handler, which came first.
                SetConsoleCtrlHandler(noteCtrlC, TRUE);
                GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
                WaitForSingleObject(ctrlCSeen, 10000);
                Sleep(300);
            }
            return static_cast<ssize_t>(written);
        };
}

// The other processes' side: "kill PATH LIMIT DELAY", "export PATH LETTER", "ctrl-c PATH".
int runChild(const std::vector<std::string>& arguments) {
    const std::string& role = arguments.at(0);
    const std::string& path = arguments.at(1);
    if (role == "kill") {
        const std::string records(kRecordsSize, 'k');
        appendToFile(path, {kHeader, records},
                     killedAfter(std::stoul(arguments.at(2)), std::stoul(arguments.at(3))));
        return 1;
    }
    if (role == "export") {
        const std::string records(kRecordsSize, arguments.at(2).at(0));
        return appendToFile(path, {kHeader, records}) ? 1 : 0;
    }
    if (role == "ctrl-c") {
        ctrlCSeen = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        SetConsoleCtrlHandler(nullptr, FALSE);
        const std::string records(kRecordsSize, 'c');
        const bool failed = appendToFile(path, {{}, records}, interruptedByCtrlC()).has_value();
        // Ctrl+C ends the program once the file is whole, before this.
        Sleep(20000);
        return failed ? 1 : 2;
    }
    return 1;
}

std::size_t leftovers(const Scratch& scratch, std::string_view target) {
    const std::string prefix = "." + std::string(target) + ".quillet-";
    const auto names = scratch.names();
    return static_cast<std::size_t>(
        std::count_if(names.begin(), names.end(),
                      [&](const std::string& name) { return name.starts_with(prefix); }));
}

struct Killed {
    std::optional<std::string_view> before; // the file's bytes, or none when there is no file
    std::size_t limit; // bytes handed to the writer's writes when the process is killed
};

void PrintTo(const Killed& killed, std::ostream* out) {
    *out << (killed.before ? std::to_string(killed.before->size()) + " bytes" : "no file")
         << ", killed after " << killed.limit;
}

class KilledExport : public ::testing::TestWithParam<Killed> {};

} // namespace

// A kill while the export's bytes are written leaves the file as it was (a file the export
// created stays, empty) and a temporary file, which the next export removes; that one writes the
// header only if the file is empty. A limit past the export's size kills only a writer that
// writes its bytes a second time, in place.
TEST_P(KilledExport, LeavesTheFileWholeAndTheNextExportTidiesUp) {
    const Scratch scratch;
    const Killed killed = GetParam();
    const std::string path =
        killed.before ? scratch.fileWith("out.csv", *killed.before) : scratch.pathOf("out.csv");
    const std::string before(killed.before.value_or(""));
    const std::string header(before.empty() ? kHeader : "");
    const bool dies = killed.limit <= header.size() + kRecordsSize;
    EXPECT_EQ(Child({"kill", path, std::to_string(killed.limit), "0"}).exitCode(),
              dies ? kKilled : 1);
    const std::string kept = dies ? before : before + header + std::string(kRecordsSize, 'k');
    EXPECT_EQ(contentOf(path), kept);
    EXPECT_EQ(leftovers(scratch, "out.csv"), dies ? 1U : 0U);

    EXPECT_EQ(appendToFile(path, {kHeader, "r\r\n"}), std::nullopt);
    EXPECT_EQ(contentOf(path), kept + std::string(kept.empty() ? kHeader : "") + "r\r\n");
    EXPECT_EQ(scratch.names(), std::vector<std::string>{"out.csv"});
}

INSTANTIATE_TEST_SUITE_P(AtEveryStage, KilledExport,
                         ::testing::Values(Killed{kOld, 0}, Killed{kOld, 1}, Killed{kOld, 65536},
                                           Killed{kOld, kRecordsSize - 1},
                                           Killed{kOld, kRecordsSize},
                                           Killed{kOld, kRecordsSize + 1},
                                           Killed{"", kHeader.size() + kRecordsSize},
                                           Killed{std::nullopt, 1}));

// The turn of an export killed while another waits for it passes on.
TEST(AppendToFileWin32, ExportWaitingForAKilledOneGoesAhead) {
    const Scratch scratch;
    const std::string path = scratch.fileWith("out.csv", kOld);
    const Child killed({"kill", path, "1", "500"});
    for (int wait = 0; wait < 1000 && leftovers(scratch, "out.csv") == 0; ++wait) {
        Sleep(10);
    }
    ASSERT_EQ(leftovers(scratch, "out.csv"), 1U);
    EXPECT_EQ(appendToFile(path, {kHeader, "r\r\n"}), std::nullopt);
    EXPECT_EQ(killed.exitCode(), kKilled);
    EXPECT_EQ(contentOf(path), std::string(kOld) + "r\r\n");
    EXPECT_EQ(scratch.names(), std::vector<std::string>{"out.csv"});
}

class ConcurrentExports : public ::testing::TestWithParam<bool> {};

// Several processes into one file, half of them spelling its name in capitals: each export whole,
// none lost, the header once at the start of a new file.
TEST_P(ConcurrentExports, FollowOneAnother) {
    const Scratch scratch;
    const bool fileExists = GetParam();
    if (fileExists) {
        scratch.fileWith("out.csv", kOld);
    }
    const std::string letters = "abcdef";
    std::vector<std::unique_ptr<Child>> children;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const std::string path = scratch.pathOf(i % 2 == 0 ? "out.csv" : "OUT.CSV");
        children.push_back(std::make_unique<Child>(
            std::vector<std::string>{"export", path, std::string(1, letters[i])}));
    }
    for (const auto& child : children) {
        EXPECT_EQ(child->exitCode(), 0U);
    }
    const auto names = scratch.names();
    ASSERT_EQ(names.size(), 1U);
    const std::string content = contentOf(scratch.pathOf(names.front()));
    const std::string start(fileExists ? kOld : kHeader);
    ASSERT_EQ(content.size(), start.size() + letters.size() * kRecordsSize);
    EXPECT_TRUE(content.starts_with(start));
    std::string seen;
    for (std::size_t at = start.size(); at < content.size(); at += kRecordsSize) {
        EXPECT_EQ(content.substr(at, kRecordsSize), std::string(kRecordsSize, content[at]));
        seen += content[at];
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, letters);
}

INSTANTIATE_TEST_SUITE_P(IntoAFile, ConcurrentExports, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Existing" : "New"; });

TEST(AppendToFileWin32, WriteFailingPartWayLeavesTheFileAsItWas) {
    const Scratch scratch;
    const std::string bytes(70000, 'y');
    for (const bool fileExists : {true, false}) {
        for (const std::size_t limit : {std::size_t{0}, std::size_t{1}, bytes.size() - 1}) {
            const std::string path =
                fileExists ? scratch.fileWith("out.csv", kOld) : scratch.pathOf("new.csv");
            EXPECT_EQ(appendToFile(path, {{}, bytes}, failingAfter(limit)),
                      "No space left on device")
                << limit;
            EXPECT_EQ(fs::exists(path), fileExists) << limit;
            EXPECT_EQ(contentOf(path), fileExists ? kOld : "") << limit;
            const std::vector<std::string> only =
                fileExists ? std::vector<std::string>{"out.csv"} : std::vector<std::string>{};
            EXPECT_EQ(scratch.names(), only) << limit;
            fs::remove(path);
        }
    }
}

TEST(AppendToFileWin32, InputFileIsRefusedThroughEveryName) {
    const Scratch scratch;
    const std::string input = scratch.fileWith("old.csv", kOld);
    const quillet::core::FileBytes read = quillet::core::readFileBytes(input);
    ASSERT_TRUE(read.ok);
    ASSERT_NE(CreateHardLinkW(quillet::core::os::wideText(scratch.pathOf("hard.csv")).c_str(),
                              quillet::core::os::wideText(input).c_str(), nullptr),
              0);
    const std::vector<quillet::core::FileIdentity> inputs = {read.identity};
    for (const std::string& target : {input, scratch.pathOf("OLD.CSV"),
                                      scratch.pathOf(".\\old.csv"), scratch.pathOf("hard.csv")}) {
        EXPECT_EQ(appendToFile(target, AppendRequest{kHeader, "x", inputs}),
                  quillet::core::kTargetIsInput)
            << target;
    }
    EXPECT_EQ(contentOf(input), kOld);
    EXPECT_EQ(appendToFile(scratch.pathOf("other.csv"), AppendRequest{kHeader, "x", inputs}),
              std::nullopt);
}

// Pipes and devices: the NUL device takes an export's bytes as /dev/null does, a named pipe is
// refused before a byte goes to it, and neither is read as a cache.
TEST(AppendToFileWin32, PipesAndDevicesAreNoFiles) {
    const std::string pipePath =
        R"(\\.\pipe\quillet-test-)" + std::to_string(GetCurrentProcessId());
    // One instance of the pipe for each who opens it: the export and the reading.
    std::vector<HANDLE> instances;
    for (int i = 0; i < 2; ++i) {
        instances.push_back(CreateNamedPipeW(quillet::core::os::wideText(pipePath).c_str(),
                                             PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE,
                                             PIPE_UNLIMITED_INSTANCES, 4096, 4096, 0, nullptr));
        ASSERT_NE(instances.back(), INVALID_HANDLE_VALUE);
    }
    EXPECT_EQ(appendToFile("NUL", AppendRequest{kHeader, "x"}), std::nullopt);
    EXPECT_EQ(appendToFile(pipePath, AppendRequest{kHeader, "x"}),
              "it is a named pipe, not a regular file");
    for (const std::string& input : {std::string("NUL"), pipePath}) {
        const quillet::core::FileBytes read = quillet::core::readFileBytes(input);
        EXPECT_FALSE(read.ok) << input;
        EXPECT_EQ(read.reason, "Not a regular file") << input;
    }
    for (const HANDLE instance : instances) {
        CloseHandle(instance);
    }
}

TEST(AppendToFileWin32, HardLinkedFileStaysOneFile) {
    const Scratch scratch;
    const std::string real = scratch.fileWith("old.csv", kOld);
    const std::string link = scratch.pathOf("hard.csv");
    ASSERT_NE(CreateHardLinkW(quillet::core::os::wideText(link).c_str(),
                              quillet::core::os::wideText(real).c_str(), nullptr),
              0);
    EXPECT_EQ(appendToFile(link, "y\r\n"), std::nullopt);
    EXPECT_EQ(appendToFile(link, {{}, "zzz"}, failingAfter(1)), "No space left on device");
    EXPECT_EQ(contentOf(real), "old line\r\ny\r\n");
    EXPECT_EQ(contentOf(link), "old line\r\ny\r\n");
    // MinGW's std::filesystem counts every file's links as 1.
    const HANDLE file = CreateFileW(quillet::core::os::wideText(real).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    BY_HANDLE_FILE_INFORMATION information{};
    GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    EXPECT_EQ(information.nNumberOfLinks, 2U);
}

// Another program with the file open: the export cannot replace it, so it goes into the file in
// place, which the other program then sees grow; one that lets no one write refuses it.
TEST(AppendToFileWin32, FileAnotherProgramHoldsOpen) {
    const Scratch scratch;
    struct Case {
        DWORD share;
        std::optional<std::string> failure;
        std::string_view after;
    };
    const std::vector<Case> cases = {
        {FILE_SHARE_READ | FILE_SHARE_WRITE, std::nullopt, "old line\r\nx"},
        {FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, std::nullopt, "old line\r\nx"},
        {FILE_SHARE_READ, "the file is in use by another program", kOld}};
    for (const Case& held : cases) {
        const std::string path = scratch.fileWith("out.csv", kOld);
        const HANDLE other = CreateFileW(quillet::core::os::wideText(path).c_str(), GENERIC_READ,
                                         held.share, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(other, INVALID_HANDLE_VALUE);
        EXPECT_EQ(appendToFile(path, "x"), held.failure) << held.share;
        LARGE_INTEGER size{};
        GetFileSizeEx(other, &size);
        CloseHandle(other);
        EXPECT_EQ(static_cast<std::size_t>(size.QuadPart), held.after.size()) << held.share;
        EXPECT_EQ(contentOf(path), held.after) << held.share;
        EXPECT_EQ(scratch.names(), std::vector<std::string>{"out.csv"}) << held.share;
    }
}

TEST(AppendToFileWin32, CtrlCWaitsUntilTheFileIsWhole) {
    const Scratch scratch;
    const std::string path = scratch.fileWith("out.csv", kOld);
    // A console of its own, without a window, for the child's Ctrl+C.
    const DWORD code = Child({"ctrl-c", path}, CREATE_NO_WINDOW).exitCode();
    // Windows ends a program on Ctrl+C with STATUS_CONTROL_C_EXIT, Wine with 0.
    EXPECT_TRUE(code == STATUS_CONTROL_C_EXIT || code == 0) << code;
    EXPECT_EQ(contentOf(path), std::string(kOld) + std::string(kRecordsSize, 'c'));
}

int main(int argc, char** argv) {
    if (argc > 1 && argv[1] == kChild) {
        return runChild(std::vector<std::string>(argv + 2, argv + argc));
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
