#include "core/file_bytes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <new>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace std::string_literals;
using quillet::core::readFileBytes;

TEST(FileBytes, ReadsEveryByte) {
    const auto path = std::filesystem::temp_directory_path() / "quillet_file_bytes_test.nk2";
    const std::string bytes = "\x0D\xF0\xAD\xBA\0\r\n\x1A\xFF"s + std::string(70000, 'z');
    std::ofstream(path, std::ios::binary) << bytes;
    const auto read = readFileBytes(path.string());
    std::filesystem::remove(path);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, bytes);
}

TEST(FileBytes, GivesTheSystemsReason) {
    const auto missing = readFileBytes("/nonexistent/quillet.nk2");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, "No such file or directory");
    const auto folder = readFileBytes(std::filesystem::temp_directory_path().string());
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(folder.reason, "Is a directory");
    // Neither a pipe without a writer nor an endless device may hang the load.
    const auto fifo = std::filesystem::temp_directory_path() /
                      ("quillet_file_bytes_fifo_" + std::to_string(getpid()));
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readFileBytes(fifo.string()).reason, "Not a regular file");
    std::filesystem::remove(fifo);
    EXPECT_EQ(readFileBytes("/dev/zero").reason, "Not a regular file");
    EXPECT_EQ(quillet::core::couldNotOpenText("/a/b.nk2", missing.reason),
              "Could not open /a/b.nk2: No such file or directory");
}

TEST(FileBytes, UnreadableFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not apply to root";
    }
    const auto path = std::filesystem::temp_directory_path() / "quillet_file_bytes_locked.nk2";
    std::ofstream(path) << "x";
    std::filesystem::permissions(path, std::filesystem::perms::none);
    const auto read = readFileBytes(path.string());
    std::filesystem::remove(path);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.reason, "Permission denied");
}

TEST(FileBytes, SizesNameTheirUnit) {
    const std::pair<std::size_t, const char*> sizes[] = {
        {std::size_t{2} << 30, "2 GiB"},
        {std::size_t{64} << 20, "64 MiB"},
        {(std::size_t{1} << 30) + (1 << 20), "1025 MiB"},
        {(std::size_t{1} << 20) + 1, "1048577 bytes"},
        {0, "0 bytes"},
    };
    for (const auto& [bytes, text] : sizes) {
        EXPECT_EQ(quillet::core::sizeText(bytes), text);
    }
}

TEST(FileBytes, StopsAtTheSizeLimitWhateverTheSizeSays) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("quillet_file_bytes_sparse_" + std::to_string(getpid()));
    std::ofstream(path) << "x";
    // A sparse file far above the limit is refused without being read.
    std::filesystem::resize_file(path, std::uintmax_t{3} << 30);
    const auto huge = readFileBytes(path.string());
    EXPECT_FALSE(huge.ok);
    EXPECT_EQ(huge.reason, "File too large: more than 2 GiB, far more than any NK2 file holds");
    std::filesystem::resize_file(path, 5000);
    EXPECT_FALSE(readFileBytes(path.string(), 4999).ok);
    const auto fits = readFileBytes(path.string(), 5000);
    EXPECT_TRUE(fits.ok);
    EXPECT_EQ(fits.bytes.size(), 5000U);
    struct stat status {};
    ::stat(path.c_str(), &status);
    EXPECT_EQ(fits.identity.inode, static_cast<std::uint64_t>(status.st_ino));
    std::filesystem::remove(path);
    // /proc files report no size and some never end.
    const auto endless = readFileBytes("/proc/self/pagemap", 1 << 20);
    EXPECT_FALSE(endless.ok);
    EXPECT_TRUE(endless.reason.starts_with("File too large: ")) << endless.reason;
    const auto small = readFileBytes("/proc/self/status");
    EXPECT_TRUE(small.ok);
    EXPECT_NE(small.bytes.find("Name:"), std::string::npos);
}

// A follower on another thread sees the file's start grow while it is read, and is let go by the
// time the read returns, whether it came early, late or the read failed.
TEST(FileBytes, AFollowerSeesTheBytesSoFar) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("quillet_file_bytes_followed_" + std::to_string(getpid()));
    std::string bytes(3'000'000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 7 % 251);
    }
    std::ofstream(path, std::ios::binary) << bytes;

    quillet::core::ReadFollower follower;
    std::vector<std::size_t> seen;
    bool allPrefixes = true;
    std::thread following([&] {
        follower.follow([&](std::string_view soFar) {
            seen.push_back(soFar.size());
            allPrefixes = allPrefixes && bytes.compare(0, soFar.size(), soFar) == 0;
        });
    });
    const auto read = readFileBytes(path.string(), quillet::core::kInputSizeLimit, &follower);
    following.join();
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_TRUE(allPrefixes);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));

    // A follower that fails does not hold the reading up.
    quillet::core::ReadFollower failing;
    std::thread failingThread([&] {
        EXPECT_THROW(failing.follow([](std::string_view) { throw std::bad_alloc(); }),
                     std::bad_alloc);
    });
    failing.show(bytes.data(), 10);
    failingThread.join();
    failing.stop();

    quillet::core::ReadFollower late;
    EXPECT_TRUE(readFileBytes(path.string(), quillet::core::kInputSizeLimit, &late).ok);
    late.follow([](std::string_view) { ADD_FAILURE() << "the read had ended"; });
    std::filesystem::remove(path);

    quillet::core::ReadFollower ofAMissingFile;
    std::thread waiting([&] { ofAMissingFile.follow([](std::string_view) {}); });
    EXPECT_FALSE(readFileBytes(path.string(), quillet::core::kInputSizeLimit, &ofAMissingFile).ok);
    waiting.join();
}
