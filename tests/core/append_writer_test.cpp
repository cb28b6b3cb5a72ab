#include "core/append_writer.h"
#include "core/contacts_layout.h"
#include "core/file_bytes.h"
#include "support/file_faults.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using quillet::core::AppendRequest;
using quillet::core::appendToFile;
namespace fs = std::filesystem;
using quillet::test::contentOf;
using quillet::test::failingAfter;

namespace {

class AppendToFile : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("quillet-append-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_ / "old.csv", fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }
    std::string pathOf(const std::string& name) const { return (dir_ / name).string(); }
    std::string existingFile() const {
        const std::string path = pathOf("old.csv");
        std::ofstream(path, std::ios::binary) << "old line\r\n";
        return path;
    }

    fs::path dir_;
};

} // namespace

TEST_F(AppendToFile, CreatesThenAppendsWithoutTouchingWhatIsThere) {
    const std::string path = pathOf("new.csv");
    EXPECT_EQ(appendToFile(path, ""), std::nullopt);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(contentOf(path), "");

    const std::vector<quillet::core::ContactRow> rows = {{"Ann", "ann@x.org", ""}};
    const std::string text = quillet::core::exportText("CSV", rows);
    EXPECT_EQ(appendToFile(path, text), std::nullopt);
    EXPECT_EQ(appendToFile(path, text), std::nullopt);
    EXPECT_EQ(contentOf(path), text + text);
    EXPECT_EQ(text.rfind(quillet::core::contactsHeaderLine(','), 0), 0U);
}

TEST_F(AppendToFile, EmptyPathOrMissingFolderFailsAndCreatesNothing) {
    EXPECT_EQ(appendToFile("", "x"), "No file name given");
    const std::string path = pathOf("missing/quillet.csv");
    EXPECT_EQ(appendToFile(path, "x"), "No such file or directory");
    EXPECT_FALSE(fs::exists(pathOf("missing")));
}

TEST_F(AppendToFile, PathThatCannotBeOpenedForWritingIsLeftAlone) {
    EXPECT_EQ(appendToFile(dir_.string(), "x"), "Is a directory");
    EXPECT_TRUE(fs::is_directory(dir_));
    EXPECT_TRUE(fs::is_empty(dir_));

    // Permission bits do not stop root, so the read-only case only means something for others.
    if (::geteuid() != 0) {
        const std::string path = existingFile();
        fs::permissions(path, fs::perms::owner_read);
        EXPECT_EQ(appendToFile(path, "x"), "Permission denied");
        EXPECT_EQ(contentOf(path), "old line\r\n");
    }
}

TEST_F(AppendToFile, FullDeviceReportsNoSpace) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    EXPECT_EQ(appendToFile("/dev/full", std::string(100000, 'x')), "No space left on device");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(AppendToFile, WriteFailingPartWayLeavesTheFileByteIdentical) {
    const std::string path = existingFile();
    const std::string bytes(70000, 'y');
    for (const std::size_t limit :
         {std::size_t{0}, std::size_t{1}, std::size_t{4096}, bytes.size() - 1}) {
        EXPECT_EQ(appendToFile(path, {{}, bytes}, failingAfter(limit)), "No space left on device")
            << limit;
        EXPECT_EQ(contentOf(path), "old line\r\n") << limit;
    }
    EXPECT_EQ(appendToFile(path, {{}, "z\r\n"}, failingAfter(3)), std::nullopt);
    EXPECT_EQ(contentOf(path), "old line\r\nz\r\n");
}

TEST_F(AppendToFile, FailedWriteToANewFileRemovesIt) {
    const std::string path = pathOf("new.csv");
    EXPECT_EQ(appendToFile(path, {{}, "abc"}, failingAfter(2)), "No space left on device");
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(AppendToFile, HeaderGoesOnlyIntoANewOrEmptyFile) {
    const std::string path = pathOf("new.csv");
    EXPECT_EQ(appendToFile(path, AppendRequest{"H\r\n", "r1\r\n"}), std::nullopt);
    EXPECT_EQ(appendToFile(path, AppendRequest{"H\r\n", "r2\r\n"}), std::nullopt);
    EXPECT_EQ(contentOf(path), "H\r\nr1\r\nr2\r\n");
    std::ofstream(pathOf("empty.csv"));
    EXPECT_EQ(appendToFile(pathOf("empty.csv"), AppendRequest{"H\r\n", "r\r\n"}), std::nullopt);
    EXPECT_EQ(contentOf(pathOf("empty.csv")), "H\r\nr\r\n");
}

TEST_F(AppendToFile, InputFileIsRefusedThroughEveryName) {
    const std::string input = existingFile();
    const quillet::core::FileBytes read = quillet::core::readFileBytes(input);
    ASSERT_TRUE(read.ok);
    fs::create_hard_link(input, pathOf("hard.csv"));
    fs::create_symlink(input, pathOf("soft.csv"));
    const std::vector<quillet::core::FileIdentity> inputs = {read.identity};
    for (const std::string& target :
         {input, (dir_ / "." / "old.csv").string(), pathOf("hard.csv"), pathOf("soft.csv")}) {
        EXPECT_EQ(appendToFile(target, AppendRequest{"H", "x", inputs}),
                  quillet::core::kTargetIsInput)
            << target;
    }
    EXPECT_EQ(contentOf(input), "old line\r\n");
    EXPECT_EQ(appendToFile(pathOf("other.csv"), AppendRequest{"H", "x", inputs}), std::nullopt);
}

TEST_F(AppendToFile, TargetsThatAreNotFilesAreRefusedAtOnce) {
    const std::string fifo = pathOf("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(appendToFile(fifo, "x"), "it is a named pipe (FIFO), not a regular file");
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = pathOf("socket");
    if (socketPath.size() < sizeof address.sun_path) {
        socketPath.copy(address.sun_path, socketPath.size());
        ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        EXPECT_EQ(appendToFile(socketPath, "x"), "it is a socket, not a regular file");
    }
    ::close(listener);
}

TEST_F(AppendToFile, LinksAndFileModesAreKept) {
    const std::string real = existingFile();
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("old.csv", pathOf("link.csv"));
    EXPECT_EQ(appendToFile(pathOf("link.csv"), "x\r\n"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(pathOf("link.csv")));
    EXPECT_EQ(contentOf(real), "old line\r\nx\r\n");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A hard-linked file stays one file under both names, also when an export fails.
    fs::create_hard_link(real, pathOf("hard.csv"));
    EXPECT_EQ(appendToFile(pathOf("hard.csv"), "y\r\n"), std::nullopt);
    EXPECT_EQ(appendToFile(pathOf("hard.csv"), {{}, "zzz"}, failingAfter(1)),
              "No space left on device");
    EXPECT_EQ(contentOf(real), "old line\r\nx\r\ny\r\n");
    EXPECT_EQ(fs::hard_link_count(real), 2U);
}

TEST_F(AppendToFile, FailureThroughADanglingLinkKeepsTheLinkAndLeavesNothing) {
    fs::create_symlink("target.csv", pathOf("link.csv"));
    EXPECT_EQ(appendToFile(pathOf("link.csv"), {{}, "abc"}, failingAfter(2)),
              "No space left on device");
    EXPECT_TRUE(fs::is_symlink(pathOf("link.csv")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
    EXPECT_EQ(appendToFile(pathOf("link.csv"), "abc"), std::nullopt);
    EXPECT_EQ(contentOf(pathOf("target.csv")), "abc");
}

TEST_F(AppendToFile, TemporaryFileOfAKilledExportIsRemovedByTheNext) {
    const std::string path = existingFile();
    std::ofstream(pathOf(".old.csv.quillet-Ab12Cd")) << "old line\r\npart";
    std::ofstream(pathOf(".other.csv.quillet-Ab12Cd")) << "another file's";
    EXPECT_EQ(appendToFile(path, "x"), std::nullopt);
    EXPECT_FALSE(fs::exists(pathOf(".old.csv.quillet-Ab12Cd")));
    EXPECT_TRUE(fs::exists(pathOf(".other.csv.quillet-Ab12Cd")));
    EXPECT_EQ(contentOf(path), "old line\r\nx");
}

TEST_F(AppendToFile, FileSizeLimitIsAnErrorNotADeath) {
    const std::string path = existingFile();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const auto failure = appendToFile(path, std::string(100000, 'x'));
        ::_exit(failure == std::string("File too large") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(contentOf(path), "old line\r\n");
}

TEST_F(AppendToFile, ConcurrentExportsFollowOneAnother) {
    const std::string path = existingFile();
    constexpr int kWriters = 6;
    constexpr std::size_t kBlock = 300000;
    std::vector<pid_t> children;
    for (int i = 0; i < kWriters; ++i) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string block(kBlock, static_cast<char>('a' + i));
            ::_exit(appendToFile(path, AppendRequest{"never", block}) ? 1 : 0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::string content = contentOf(path);
    ASSERT_EQ(content.size(), 10 + kWriters * kBlock);
    std::string seen;
    for (std::size_t at = 10; at < content.size(); at += kBlock) {
        EXPECT_EQ(content.substr(at, kBlock), std::string(kBlock, content[at]));
        seen += content[at];
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, "abcdef");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}
