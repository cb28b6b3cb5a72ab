#include "core/append_writer.h"
#include "core/contacts_layout.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

using quillet::core::appendToFile;
namespace fs = std::filesystem;

namespace {

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A write that takes only the first `limit` bytes and then fails as a full disk would.
quillet::core::FileWrite failingAfter(std::size_t limit) {
    return [limit](std::FILE* file, std::string_view bytes) {
        const std::size_t taken = std::fwrite(bytes.data(), 1, std::min(limit, bytes.size()), file);
        errno = ENOSPC;
        return taken;
    };
}

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
        EXPECT_EQ(appendToFile(path, bytes, failingAfter(limit)), "No space left on device")
            << limit;
        EXPECT_EQ(contentOf(path), "old line\r\n") << limit;
    }
    EXPECT_EQ(appendToFile(path, "z\r\n", failingAfter(3)), std::nullopt);
    EXPECT_EQ(contentOf(path), "old line\r\nz\r\n");
}

TEST_F(AppendToFile, FailedWriteToANewFileRemovesIt) {
    const std::string path = pathOf("new.csv");
    EXPECT_EQ(appendToFile(path, "abc", failingAfter(2)), "No space left on device");
    EXPECT_FALSE(fs::exists(path));
}
